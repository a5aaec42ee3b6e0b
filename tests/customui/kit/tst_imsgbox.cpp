#include <QtTest>

#include <QTranslator>

#include "customui/kit/iappfont.h"
#include "customui/kit/iitoolbutton.h"
#include "customui/kit/imsgbox.h"
#include "customui/kit/uiscale.h"
#include "kittesthelpers.h"
#include "modalanswerer.h"

namespace {

QStringList buttonLabels(QWidget* box)
{
    QList<IIToolButton*> buttons = box->findChildren<IIToolButton*>();
    std::sort(buttons.begin(), buttons.end(),
              [](IIToolButton* a, IIToolButton* b) { return a->x() < b->x(); });
    QStringList labels;
    for (IIToolButton* button : buttons) {
        labels << button->data().toString();
    }
    return labels;
}

IIToolButton* buttonOf(QWidget* box, const QString& label)
{
    for (IIToolButton* button : box->findChildren<IIToolButton*>()) {
        if (button->data().toString() == label) {
            return button;
        }
    }
    return nullptr;
}

// Clicks the button labelled `label` of the next modal box.
void answerWith(const QString& label)
{
    answerNextModal([label](QWidget* box) {
        IIToolButton* button = buttonOf(box, label);
        QVERIFY(button);
        QTest::mouseClick(button, Qt::LeftButton);
    });
}

void pressOnCloseIcon(QWidget* box)
{
    const QPoint icon(box->width() - 20, 15);
    sendMouse(box, QEvent::MouseButtonPress, icon);
    sendMouse(box, QEvent::MouseButtonRelease, icon);
}

// A language whose "Cancel" is much longer than the English word.
class LongCancel : public QTranslator {
public:
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* source, const char* = nullptr,
                      int = -1) const override
    {
        if (qstrcmp(context, "IMsgBox") == 0 && qstrcmp(source, "Cancel") == 0) {
            return QStringLiteral("Abbrechen und verwerfen");
        }
        return QString();
    }
};

}  // namespace

class TestIMsgBox : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void buttonsOfEachType_data();
    void buttonsOfEachType();
    void resultOfEachButton_data();
    void resultOfEachButton();
    void unknownTypeIsOkBox();
    void closeIconAnswersCancel();
    void escapeIsIgnored();
    void enterPressesTheDefaultButton_data();
    void enterPressesTheDefaultButton();
    void longTranslationWidensButton();
    void informationIsTitledWithProductName();
};

void TestIMsgBox::initTestCase()
{
    uiScale = uiScaleX = uiScaleY = 1.0;
    installFontSubstitutions(QStringLiteral("1033"));
}

void TestIMsgBox::buttonsOfEachType_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QStringList>("labels");
    QTest::newRow("0") << 0 << QStringList{"Yes", "No"};
    QTest::newRow("1") << 1 << QStringList{"Yes", "No", "Cancel"};
    QTest::newRow("2") << 2 << QStringList{"Ok", "Cancel"};
    QTest::newRow("3") << 3 << QStringList{"Cancel"};
    QTest::newRow("4") << 4 << QStringList{"Ok"};
    QTest::newRow("5") << 5 << QStringList{"Yes", "No", "Save"};
    QTest::newRow("-1") << -1 << QStringList{"Ok"};
    QTest::newRow("6") << 6 << QStringList{"Ok"};
    QTest::newRow("7") << 7 << QStringList{"Ok"};
}

void TestIMsgBox::buttonsOfEachType()
{
    QFETCH(int, type);
    QFETCH(QStringList, labels);
    IMsgBox box(QStringLiteral("Text"), type, QStringLiteral("Title"));
    box.show();
    QCOMPARE(buttonLabels(&box), labels);
    for (IIToolButton* button : box.findChildren<IIToolButton*>()) {
        QCOMPARE(button->size(), QSize(80, 30));
        QCOMPARE(button->text(), button->data().toString());
    }
    // The buttons sit at the right.
    IIToolButton* last = buttonOf(&box, labels.last());
    QVERIFY(box.width() - (last->x() + last->width()) <= 20);
}

void TestIMsgBox::resultOfEachButton_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("label");
    QTest::addColumn<int>("result");
    QTest::newRow("Yes") << 0 << "Yes" << 16384;
    QTest::newRow("No") << 1 << "No" << 65536;
    QTest::newRow("Ok") << 2 << "Ok" << 1024;
    QTest::newRow("Cancel") << 2 << "Cancel" << 4194304;
    QTest::newRow("Save") << 5 << "Save" << 2048;
}

void TestIMsgBox::resultOfEachButton()
{
    QFETCH(int, type);
    QFETCH(QString, label);
    QFETCH(int, result);
    answerWith(label);
    QCOMPARE(IMsgBox::message(QStringLiteral("Delete the picture?"), type, QStringLiteral("T")),
             result);
}

void TestIMsgBox::unknownTypeIsOkBox()
{
    QStringList shown;
    answerNextModal([&shown](QWidget* box) {
        shown = buttonLabels(box);
        QTest::mouseClick(buttonOf(box, QStringLiteral("Ok")), Qt::LeftButton);
    });
    QCOMPARE(IMsgBox::message(QStringLiteral("Text"), 7, QStringLiteral("Title")), 1024);
    QCOMPARE(shown, QStringList{QStringLiteral("Ok")});
}

void TestIMsgBox::closeIconAnswersCancel()
{
    answerNextModal([](QWidget* box) { pressOnCloseIcon(box); });
    QCOMPARE(IMsgBox::message(QStringLiteral("Text"), 0, QStringLiteral("Title")), 4194304);
}

void TestIMsgBox::escapeIsIgnored()
{
    bool stillOpen = false;
    answerNextModal([&stillOpen](QWidget* box) {
        QTest::keyClick(box, Qt::Key_Escape);
        stillOpen = box->isVisible();
        QTest::mouseClick(buttonOf(box, QStringLiteral("Ok")), Qt::LeftButton);
    });
    QCOMPARE(IMsgBox::message(QStringLiteral("Text"), 2, QStringLiteral("Title")), 1024);
    QVERIFY(stillOpen);
}

void TestIMsgBox::enterPressesTheDefaultButton_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<int>("result");
    QTest::newRow("Return, Ok") << 4 << int(Qt::Key_Return) << 0 << 1024;
    QTest::newRow("Enter, Ok before Cancel")
        << 2 << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << 1024;
    QTest::newRow("Return, Yes first") << 1 << int(Qt::Key_Return) << 0 << 16384;
    QTest::newRow("Ctrl+Return does nothing")
        << 4 << int(Qt::Key_Return) << int(Qt::ControlModifier) << 4194304;
}

void TestIMsgBox::enterPressesTheDefaultButton()
{
    QFETCH(int, type);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(int, result);
    answerNextModal([=](QWidget* box) {
        QWidget* focus = box->focusWidget() ? box->focusWidget() : box;
        QTest::keyClick(focus, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        if (box->isVisible()) {
            pressOnCloseIcon(box);
        }
    });
    QCOMPARE(IMsgBox::message(QStringLiteral("Text"), type, QStringLiteral("Title")), result);
}

void TestIMsgBox::longTranslationWidensButton()
{
    LongCancel german;
    QCoreApplication::installTranslator(&german);
    IMsgBox box(QStringLiteral("Text"), 2, QStringLiteral("Title"));
    QCoreApplication::removeTranslator(&german);
    IIToolButton* cancel = buttonOf(&box, QStringLiteral("Cancel"));
    const QString shown = QStringLiteral("Abbrechen und verwerfen");
    QCOMPARE(cancel->text(), shown);
    const int textWidth = QFontMetrics(cancel->font()).horizontalAdvance(shown);
    QVERIFY(textWidth > 64);
    QCOMPARE(cancel->width(), textWidth + 16);
    QVERIFY(cancel->width() > 80);
    QCOMPARE(buttonOf(&box, QStringLiteral("Ok"))->width(), 80);
    box.show();
    QVERIFY(box.width() >= cancel->x() + cancel->width());
}

void TestIMsgBox::informationIsTitledWithProductName()
{
    QImage shown;
    answerNextModal([&shown](QWidget* box) {
        shown = grabImage(box);
        QTest::mouseClick(buttonOf(box, QStringLiteral("Ok")), Qt::LeftButton);
    });
    IMsgBox::setInformationTitle(QStringLiteral("Orvella"));
    QCOMPARE(IMsgBox::information(QStringLiteral("Saved.")), 1024);
    // It looks exactly like an Ok box titled with the product name.
    IMsgBox expected(QStringLiteral("Saved."), 4, QStringLiteral("Orvella"));
    expected.show();
    QCOMPARE(shown, grabImage(&expected));
    IMsgBox otherTitle(QStringLiteral("Saved."), 4, QStringLiteral("Other"));
    otherTitle.show();
    QVERIFY(shown != grabImage(&otherTitle));
}

QTEST_MAIN(TestIMsgBox)
#include "tst_imsgbox.moc"
