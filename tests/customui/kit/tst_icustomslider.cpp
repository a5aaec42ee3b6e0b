#include <QtTest>

#include <QCheckBox>
#include <QLineEdit>
#include <QValidator>

#include "customui/kit/icustomslider.h"
#include "customui/kit/islider.h"

class TestICustomSlider : public QObject {
    Q_OBJECT
private slots:
    void setValueNotifiesOnlyWhenAsked_data();
    void setValueNotifiesOnlyWhenAsked();
    void fieldDrivesSliderAndFixesUpToBottom();
    void automaticBoxDisablesSliderAndField();
};

void TestICustomSlider::setValueNotifiesOnlyWhenAsked_data()
{
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("target");
    QTest::addColumn<bool>("notify");
    QTest::addColumn<int>("signalsFromSet");
    QTest::addColumn<int>("expectedValue");

    QTest::newRow("change, notify") << 50 << 70 << true << 1 << 70;
    QTest::newRow("change, silent") << 50 << 70 << false << 0 << 70;
    QTest::newRow("unchanged, silent") << 50 << 50 << false << 0 << 50;
    QTest::newRow("above range clamps to current, silent") << 100 << 150 << false << 0 << 100;
    QTest::newRow("below range clamps, notify") << 50 << -5 << true << 1 << 0;
}

// Whatever setValue did, the user's next move must notify again.
void TestICustomSlider::setValueNotifiesOnlyWhenAsked()
{
    QFETCH(int, start);
    QFETCH(int, target);
    QFETCH(bool, notify);
    QFETCH(int, signalsFromSet);
    QFETCH(int, expectedValue);

    ICustomSlider slider(1, 1);
    slider.setRange(0, 100);
    slider.setValue(start, false, false);
    QSignalSpy changed(&slider, &ICustomSlider::sgValueChanged);

    slider.setValue(target, false, notify);
    QCOMPARE(changed.count(), signalsFromSet);
    QCOMPARE(slider.value(), expectedValue);
    QCOMPARE(slider.valueField()->text(), QString::number(expectedValue));

    changed.clear();
    slider.slider()->setValue(expectedValue == 10 ? 11 : 10);
    QCOMPARE(changed.count(), 1);
}

void TestICustomSlider::fieldDrivesSliderAndFixesUpToBottom()
{
    ICustomSlider slider(2, 1);
    slider.setRange(20, 200);
    QLineEdit* field = slider.valueField();

    field->setText(QStringLiteral("120"));
    QCOMPARE(slider.value(), 120);
    QCOMPARE(field->text(), QStringLiteral("120"));

    // Half-typed text leaves the slider alone; finishing the edit settles on the bottom.
    field->setText(QString());
    QCOMPARE(slider.value(), 120);
    QString unfinished = QStringLiteral("5");
    field->validator()->fixup(unfinished);
    QCOMPARE(unfinished, QStringLiteral("20"));

    // A new range brings a validator for it.
    slider.setRange(5, 10);
    QString stale = QStringLiteral("150");
    field->validator()->fixup(stale);
    QCOMPARE(stale, QStringLiteral("5"));
}

void TestICustomSlider::automaticBoxDisablesSliderAndField()
{
    ICustomSlider slider(true, 1, 1);
    QSignalSpy state(&slider, &ICustomSlider::sgStateChanged);
    QVERIFY(!slider.slider()->isEnabled());
    QVERIFY(!slider.valueField()->isEnabled());

    slider.setValue(slider.value(), false, true);
    QVERIFY(slider.slider()->isEnabled());
    QVERIFY(slider.valueField()->isEnabled());
    QCOMPARE(state.count(), 1);
    QCOMPARE(state.at(0).at(0).toInt(), int(Qt::Unchecked));
    QVERIFY(!slider.isChecked());
}

QTEST_MAIN(TestICustomSlider)
#include "tst_icustomslider.moc"
