#include <QtTest>

#include <QCheckBox>
#include <QRadioButton>

#include "customui/camera/ifocusframe.h"
#include "customui/camera/iparameterframe.h"
#include "customui/camera/ipixrateframe.h"
#include "customui/kit/icustomslider.h"
#include "customui/kit/iitoolbutton.h"
#include "customui/kit/islider.h"
#include "fakesysfs.h"
#include "fakev4l2io.h"
#include "icamera.h"
#include "platform/video/ivideosystem.h"
#include "platform/video/ivirtualcamerahub.h"
#include "service/iconfigureservice.h"
#include "service/ilog.h"

// Control writes that reached a fake V4L2 camera: (id, value).
using Writes = QList<QPair<quint32, int>>;

// The camera panels on virtual cameras and a fake V4L2 camera: what they show and send.
class TestCameraPanels : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void resolutionChoice();
    void colourSlidersReachTheCamera();
    void savedFocusFollowsASwitchedCamera();
    void focusChoices_data();
    void focusChoices();

private:
    static IConfigureService* config() { return IConfigureService::instance(); }
    static ICamera* camera() { return ICamera::instance(); }
    static bool openCurrent();
    static QString checkedText(const IPixRateFrame& panel);
    static int deviceValue(int index, VideoControl control);
    static double meanGrey();

    std::unique_ptr<FakeSysfs> sysfs_ = std::make_unique<FakeSysfs>();
    std::shared_ptr<FakeV4l2Io> io_ = std::make_shared<FakeV4l2Io>();
    QWidget host_;
};

void TestCameraPanels::initTestCase()
{
    qInstallMessageHandler(logMessageHandler);
    // Only the virtual cameras take part, never the machine's own.
    IVideoSystem::instance()->setV4l2(io_, sysfs_->root(), sysfs_->devRoot());
    config()->setCameraResolution(QSize(640, 480));
    QVERIFY(camera()->initData() && openCurrent());
}

bool TestCameraPanels::openCurrent()
{
    QSignalSpy statuses(camera(), &ICamera::sgError);
    return camera()->openCamera(config()->currentCamera.index) && statuses.wait(10000) &&
           statuses.last().at(0).toInt() == 0;
}

int TestCameraPanels::deviceValue(int index, VideoControl control)
{
    int value = -1;
    const auto probe = IVirtualCameraHub::instance()->open(IVirtualCameraHub::pathOf(index));
    return probe && probe->controlValue(control, &value) ? value : -1;
}

double TestCameraPanels::meanGrey()
{
    QSignalSpy frames(camera(), &ICamera::sgCameraFrame);
    static_cast<void>(QTest::qWaitFor([&]() { return frames.size() >= 2; }, 5000));
    const QImage frame = camera()->captureImage(NormalImage);
    const QRect middle(frame.width() / 4, frame.height() / 4, frame.width() / 2,
                       frame.height() / 2);
    return qGray(frame.copy(middle)
                     .scaled(1, 1, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                     .pixel(0, 0));
}

QString TestCameraPanels::checkedText(const IPixRateFrame& panel)
{
    QString checked;
    for (const QRadioButton* button : panel.buttons()) {
        checked += button->isChecked() ? button->text() + ";" : QString();
    }
    return checked;
}

void TestCameraPanels::resolutionChoice()
{
    QSignalSpy statuses(camera(), &ICamera::sgError);
    IPixRateFrame panel(nullptr, &host_);
    config()->setCameraResolution(QSize(999, 9));  // not offered: the first is checked
    panel.reload();
    QCOMPARE(checkedText(panel), QStringLiteral("640 x 480;"));
    config()->setCameraResolution(QSize(1280, 720));
    panel.reload();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(panel.findChildren<QRadioButton*>().size(), 7);
    QCOMPARE(checkedText(panel), QStringLiteral("1280 x 720;"));

    // Silent: only the check mark moves (to the first button for a size not offered).
    panel.showPanel(true);
    QVERIFY(panel.setResolution({1920, 1080}, true));
    QCOMPARE(checkedText(panel), QStringLiteral("1920 x 1080;"));
    QVERIFY(!panel.setResolution({1000, 999}, true));
    QCOMPARE(checkedText(panel), QStringLiteral("640 x 480;"));
    QVERIFY(!panel.isHidden());
    // Applied: the panel hides and the camera restarts once, at that size.
    QVERIFY(panel.setResolution({1920, 1080}, false));
    QCOMPARE(checkedText(panel), QStringLiteral("1920 x 1080;"));
    QVERIFY(panel.isHidden());
    QTRY_COMPARE(statuses.size(), 1);
    QTest::qWait(500);
    QCOMPARE(statuses.size(), 1);
    QCOMPARE(camera()->currentResolution().toSizeF(), QSizeF(1920, 1080));
}

void TestCameraPanels::colourSlidersReachTheCamera()
{
    IParameterFrame panel(nullptr, &host_);
    panel.initDefaultValues();
    panel.setSliderValue(IParameterFrame::Brightness, 20);
    QCOMPARE(deviceValue(0, VideoControl::Brightness), -38);  // -64 + 25.6, truncated
    const double dark = meanGrey();
    panel.slider(IParameterFrame::Brightness)->slider()->setValue(80);  // as the user does
    QCOMPARE(deviceValue(0, VideoControl::Brightness), 38);
    // Frames already on their way when the value changed may still come first.
    QTRY_VERIFY_WITH_TIMEOUT(meanGrey() > dark + 20, 10000);

    // Default restores and applies every default, also where a slider already shows it.
    camera()->setContrast(10);
    panel.findChild<IIToolButton*>()->click();
    QCOMPARE(panel.slider(IParameterFrame::Brightness)->value(), 50);
    QCOMPARE(deviceValue(0, VideoControl::Brightness), 0);
    QCOMPARE(deviceValue(0, VideoControl::Contrast), 32);
}

void TestCameraPanels::savedFocusFollowsASwitchedCamera()
{
    IFocusFrame panel(nullptr, &host_);
    config()->setFocusValue(30);
    panel.initDefaultValues();
    QCOMPARE(deviceValue(0, VideoControl::Focus), 75);
    // The sliders already show the saved values; they reach the second camera all the same.
    QSignalSpy statuses(camera(), &ICamera::sgError);
    camera()->switchCamera(config()->cameraList.at(1));
    QVERIFY(statuses.wait(10000));
    panel.initDefaultValues();
    QCOMPARE(deviceValue(1, VideoControl::Focus), 75);
}

void TestCameraPanels::focusChoices_data()
{
    QTest::addColumn<int>("saved");
    QTest::addColumn<bool>("hasFocus");
    QTest::addColumn<bool>("automatic");  // the box is checked
    QTest::addColumn<int>("shown");
    QTest::addColumn<Writes>("written");
    const quint32 automatic = V4L2_CID_FOCUS_AUTO;
    QTest::newRow("automatic") << -1 << true << true << 16 << Writes{{automatic, 1}};
    QTest::newRow("manual") << 40 << true << false << 40
                            << Writes{{automatic, 0}, {V4L2_CID_FOCUS_ABSOLUTE, 100}};
    QTest::newRow("camera without focus") << 40 << false << false << 0 << Writes();
}

void TestCameraPanels::focusChoices()
{
    QFETCH(int, saved);
    QFETCH(bool, hasFocus);
    QFETCH(bool, automatic);
    QFETCH(int, shown);
    QFETCH(Writes, written);
    camera()->closeCurrent();
    IVirtualCameraHub::instance()->setCount(0);
    sysfs_ = std::make_unique<FakeSysfs>();
    io_ = std::make_shared<FakeV4l2Io>();
    IVideoSystem::instance()->setV4l2(io_, sysfs_->root(), sysfs_->devRoot());
    sysfs_->addUsbNode(0, "1-1", "2b7e", "c8a1", "Desk Camera");
    auto node = io_->addNode(sysfs_->devicePath(0));
    node->formats = {{V4L2_PIX_FMT_MJPEG, {{640, 480}}}};
    if (hasFocus) {
        node->addControl(V4L2_CID_FOCUS_ABSOLUTE, 0, 250, 0, 40);
        node->addControl(V4L2_CID_FOCUS_AUTO, 0, 1, 1, 0);
    }
    QVERIFY(camera()->initData() && openCurrent());
    config()->setFocusValue(saved);
    IFocusFrame panel(nullptr, &host_);
    panel.initDefaultValues();
    ICustomSlider* focus = panel.slider(IFocusFrame::Focus);
    QCOMPARE(focus->isChecked(), automatic);
    QCOMPARE(focus->value(), shown);
    QCOMPARE(focus->isEnabled(), hasFocus);
    QCOMPARE(focus->slider()->isEnabled(), hasFocus && !automatic);
    QCOMPARE(io_->controlWrites(), written);
    if (automatic) {
        // Clearing the box applies the slider's value and keeps it.
        focus->findChild<QCheckBox*>()->click();
        QCOMPARE(config()->focusValue(), shown);
        QCOMPARE(io_->controlWrites().last(), qMakePair(quint32(V4L2_CID_FOCUS_ABSOLUTE), 40));
    }
}

QTEST_MAIN(TestCameraPanels)
#include "tst_camerapanels.moc"
