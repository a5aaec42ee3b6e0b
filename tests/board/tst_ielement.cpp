#include <QtTest>

#include <QGraphicsScene>

#include "boardtesthelpers.h"

class TestIElement : public QObject {
    Q_OBJECT
private slots:
    void newElementsHaveDistinctBracelessIds();
    void idZOrderAndLockLiveInItemData();
    void genericProperties();
    void matrixPropertyReadsSceneMatrix();
    void matrixPropertyWrite_data();
    void matrixPropertyWrite();
    void userPropertiesAndSourceFile_data();
    void userPropertiesAndSourceFile();
    void unknownKeysAreInvalidAndIgnored();
    void copyItemParametersToSameBase();
    void copyItemParametersAcrossBasesChangesNothing();
    void cloneKeepsParametersWithNewId();
    void itemsAndElementsConvert();
};

void TestIElement::newElementsHaveDistinctBracelessIds()
{
    TestPathElement a;
    TestPathElement b;
    QVERIFY(!a.id().isEmpty());
    QVERIFY(a.id() != b.id());
    QVERIFY(!a.id().contains('{') && !a.id().contains('}'));
    QVERIFY(!QUuid::fromString(a.id()).isNull());
}

void TestIElement::idZOrderAndLockLiveInItemData()
{
    TestPathElement e;
    e.setId("abc");
    e.setZOrder(12.5);
    e.setLocked(true);
    QCOMPARE(e.data(IElement::IdData).toString(), QString("abc"));
    QCOMPARE(e.data(IElement::ZOrderData).toDouble(), 12.5);
    QCOMPARE(e.data(IElement::LockedData).toBool(), true);
    QCOMPARE(e.id(), QString("abc"));

    TestTextElement fresh;
    QCOMPARE(fresh.zOrder(), 0.0);  // unset
    QCOMPARE(fresh.isLocked(), false);
}

void TestIElement::genericProperties()
{
    TestTextElement e;
    IElement* el = &e;
    QCOMPARE(el->property(IElement::TypeProperty).toInt(), int(IElement::TextElementType));
    el->setProperty(IElement::IdProperty, "id-1");
    QCOMPARE(el->property(IElement::IdProperty).toString(), QString("id-1"));
    el->setProperty(IElement::LockedProperty, true);
    QVERIFY(el->isLocked());
    el->setProperty(IElement::ZOrderProperty, 42.0);
    QCOMPARE(el->zOrder(), 42.0);
    QCOMPARE(e.zValue(), 42.0);  // the key sets the item's z value as well
    e.setPos(3, 4);
    el->setProperty(IElement::PositionXProperty, 30.5);
    QCOMPARE(e.pos(), QPointF(30.5, 4));
    el->setProperty(IElement::PositionYProperty, -7);
    QCOMPARE(e.pos(), QPointF(30.5, -7));
    QCOMPARE(el->property(IElement::PositionXProperty).toDouble(), 30.5);
    QCOMPARE(el->property(IElement::PositionYProperty).toDouble(), -7.0);
}

void TestIElement::matrixPropertyReadsSceneMatrix()
{
    TestPathElement e;
    e.setPos(10, 20);
    QCOMPARE(e.property(IElement::MatrixProperty).toString(),
             QString("matrix(1, 0, 0, 1, 10, 20)"));
    e.setTransform(QTransform::fromScale(0.1, 3));
    QCOMPARE(e.property(IElement::MatrixProperty).toString(),
             QString("matrix(0.1, 0, 0, 3, 10, 20)"));
}

void TestIElement::matrixPropertyWrite_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QTransform>("expected");
    QTest::newRow("full") << "matrix(2, 0, 0, 2, 5, 5)" << QTransform(2, 0, 0, 2, 5, 5);
    QTest::newRow("no spaces") << "matrix(1,0.5,0,1,-3,4)" << QTransform(1, 0.5, 0, 1, -3, 4);
    QTest::newRow("extra parts ignored")
        << "matrix(3, 0, 0, 3, 1, 1, 9)" << QTransform(3, 0, 0, 3, 1, 1);
    QTest::newRow("only two numbers") << "matrix(2, 0)" << QTransform();
    QTest::newRow("empty") << "" << QTransform();
    QTest::newRow("not numbers") << "matrix(a, b, c, d, e, f)" << QTransform();
    QTest::newRow("one bad part") << "matrix(2, 0, 0, x, 5, 5)" << QTransform();
    QTest::newRow("empty part") << "matrix(2, 0, , 2, 5, 5)" << QTransform();
    QTest::newRow("not finite") << "matrix(inf, 0, 0, 2, 5, 5)" << QTransform();
}

void TestIElement::matrixPropertyWrite()
{
    QFETCH(QString, text);
    QFETCH(QTransform, expected);
    TestPathElement e(QRectF(0, 0, 10, 10));
    e.setPos(100, 100);
    e.setTransform(QTransform::fromScale(7, 7));  // replaced, not combined
    e.setProperty(IElement::MatrixProperty, text);
    QCOMPARE(e.transform(), expected);
    QCOMPARE(e.pos(), QPointF(100, 100));
    QCOMPARE(e.sceneBoundingRect(), expected.mapRect(QRectF(0, 0, 10, 10)).translated(100, 100));
}

void TestIElement::userPropertiesAndSourceFile_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("suffix");
    QTest::newRow("sound") << "/media/sound.mp3"
                           << ".mp3";
    QTest::newRow("no dot") << "/media/README"
                            << ".";
    QTest::newRow("two dots") << "clip.tar.gz"
                              << ".gz";
}

void TestIElement::userPropertiesAndSourceFile()
{
    QFETCH(QString, path);
    QFETCH(QString, suffix);
    TestPathElement e;
    e.setProperty(IElement::SourceFileProperty, path);
    QCOMPARE(e.property(IElement::SourceFileProperty).toString(), path);
    const QString name = e.property(IElement::ResourceNameProperty).toString();
    QVERIFY2(name.endsWith(suffix), qPrintable(name));
    QVERIFY(!QUuid::fromString(name.left(name.size() - suffix.size())).isNull());
    e.setProperty(IElement::SourceFileProperty, path);
    QVERIFY(e.resourceName() != name);  // a new id each time

    e.setProperty(IElement::UserTagProperty, 7);
    e.setProperty(IElement::UserValueProperty, QStringLiteral("v"));
    QCOMPARE(e.property(IElement::UserTagProperty).toInt(), 7);
    QCOMPARE(e.property(IElement::UserValueProperty).toString(), QString("v"));
    e.setProperty(IElement::ResourceNameProperty, "r.png");
    QCOMPARE(e.resourceName(), QString("r.png"));
}

void TestIElement::unknownKeysAreInvalidAndIgnored()
{
    TestTextElement e;
    e.setPos(1, 2);
    for (int key : {2, 23, 29, 37, -1, 1000}) {
        QVERIFY(!static_cast<IElement&>(e).property(key).isValid());
        static_cast<IElement&>(e).setProperty(key, 99);
    }
    QCOMPARE(e.pos(), QPointF(1, 2));
    QCOMPARE(e.zOrder(), 0.0);
}

void TestIElement::copyItemParametersToSameBase()
{
    TestTextElement source("a");
    source.setZOrder(4.5);
    source.setLocked(true);
    source.setPos(11, 22);
    source.setTransform(QTransform::fromScale(2, 2));
    source.setSourceFile("/x/y.png");
    source.setUserData(3, QStringLiteral("user"));

    TestTextElement target("b");
    target.setTransform(QTransform::fromTranslate(50, 50));
    const QString targetId = target.id();
    QTest::ignoreMessage(QtDebugMsg, QRegularExpression("^copyItemParameters - pos\\(\\): "));
    source.copyItemParameters(&target);
    QCOMPARE(target.zOrder(), 4.5);
    QVERIFY(target.isLocked());
    QCOMPARE(target.pos(), QPointF(11, 22));
    QCOMPARE(target.transform(), QTransform::fromScale(2, 2));
    QCOMPARE(target.sourceFile(), QString("/x/y.png"));
    QVERIFY(target.resourceName() != source.resourceName());
    QVERIFY(target.resourceName().endsWith(".png"));
    QCOMPARE(target.userTag(), 3);
    QCOMPARE(target.userValue().toString(), QString("user"));
    QCOMPARE(target.id(), targetId);
}

void TestIElement::copyItemParametersAcrossBasesChangesNothing()
{
    TestPathElement path;
    path.setPos(5, 5);
    path.setZOrder(9);
    path.setLocked(true);
    TestTextElement text;
    text.copyItemParameters(&path);
    QCOMPARE(path.pos(), QPointF(5, 5));
    QCOMPARE(path.zOrder(), 9.0);
    path.copyItemParameters(&text);
    QCOMPARE(text.pos(), QPointF(0, 0));
    QVERIFY(!text.isLocked());
}

void TestIElement::cloneKeepsParametersWithNewId()
{
    TestTextElement source("copy me");
    source.setPos(15, 25);
    source.setZOrder(3);
    source.setLocked(true);
    QScopedPointer<IElement> copy(source.clone());
    auto* item = dynamic_cast<QGraphicsItem*>(copy.data());
    QVERIFY(item);
    QCOMPARE(item->pos(), QPointF(15, 25));
    QCOMPARE(copy->zOrder(), 3.0);
    QVERIFY(copy->isLocked());
    QVERIFY(copy->id() != source.id());
    QVERIFY(!item->scene());
}

void TestIElement::itemsAndElementsConvert()
{
    QGraphicsScene scene;
    auto* text = new TestTextElement;
    auto* plain = new QGraphicsRectItem(0, 0, 5, 5);
    scene.addItem(text);
    scene.addItem(plain);
    QGraphicsItem* asItem = text;
    QCOMPARE(dynamic_cast<IElement*>(asItem), static_cast<IElement*>(text));
    QVERIFY(!dynamic_cast<IElement*>(static_cast<QGraphicsItem*>(plain)));
    // QObject's dynamic properties stay reachable beside the element keys.
    text->setProperty("flag", 1);
    QCOMPARE(text->property("flag").toInt(), 1);
}

QTEST_MAIN(TestIElement)
#include "tst_ielement.moc"
