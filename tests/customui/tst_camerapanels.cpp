#include <QtTest>

#include <QCheckBox>
#include <QLabel>
#include <QRadioButton>

#include "customui/icustomslider.h"
#include "customui/ifocusframe.h"
#include "customui/iitoolbutton.h"
#include "customui/imagnifierframe.h"
#include "customui/iparameterframe.h"
#include "customui/ipixrateframe.h"
#include "customui/islider.h"
#include "customui/itimemsgbox.h"
#include "customui/parameterpercent.h"
#include "fakesysfs.h"
#include "fakev4l2io.h"
#include "iapplication.h"
#include "icamera.h"
#include "platform/video/ivideosystem.h"
#include "platform/video/ivirtualcamerahub.h"
#include "service/iconfigureservice.h"
#include "service/ilog.h"

namespace {

IConfigureService* config()
{
    return IConfigureService::instance();
}

ICamera* camera()
{
    return ICamera::instance();
}

QStringList labels(const QList<QRadioButton*>& buttons, bool checkedOnly)
{
    QStringList texts;
    for (const QRadioButton* button : buttons) {
        if (!checkedOnly || button->isChecked()) {
            texts << button->text();
        }
    }
    return texts;
}

// A control of a virtual camera as the device holds it.
int deviceValue(int camera, VideoControl control)
{
    int value = -1;
    const auto probe = IVirtualCameraHub::instance()->open(IVirtualCameraHub::pathOf(camera));
    return probe && probe->controlValue(control, &value) ? value : -1;
}

// Mean grey of the next frames' middle, where the page is.
double meanGrey()
{
    QSignalSpy frames(camera(), &ICamera::sgCameraFrame);
    frames.wait(5000);
    frames.wait(5000);
    const QImage picture = camera()->captureImage(GrayImage);
    const QRect middle(picture.width() / 4, picture.height() / 4, picture.width() / 2,
                       picture.height() / 2);
    double sum = 0;
    for (int y = middle.top(); y <= middle.bottom(); y += 4) {
        for (int x = middle.left(); x <= middle.right(); x += 4) {
            sum += qGray(picture.pixel(x, y));
        }
    }
    return sum / (middle.width() / 4 * middle.height() / 4);
}

}  // namespace

// The camera panels against the virtual cameras (and a fake V4L2 camera lacking controls): what
// they show, and what reaches the device.
class TestCameraPanels : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void percentConversions_data();
    void percentConversions();
    void resolutionChoice_data();
    void resolutionChoice();
    void magnifierGrabArea_data();
    void magnifierGrabArea();
    void magnifierWithoutAReadableScreen();
    void colourSlidersReachTheCamera();
    void savedFocusFollowsASwitchedCamera();
    void focusChoices_data();
    void focusChoices();

private:
    // Opens the current camera and waits for it to stream; the status spy is left empty.
    bool openCurrent();
    // Makes a fake V4L2 camera the only camera, with the controls `setUp` gives it, and opens it.
    bool openFakeCamera(const std::function<void(FakeV4l2Node&)>& setUp);

    std::unique_ptr<FakeSysfs> sysfs_;
    std::shared_ptr<FakeV4l2Io> io_;
    QWidget host_;
};

void TestCameraPanels::initTestCase()
{
    qInstallMessageHandler(logMessageHandler);
    // Only the virtual cameras take part, never the machine's own.
    sysfs_ = std::make_unique<FakeSysfs>();
    io_ = std::make_shared<FakeV4l2Io>();
    IVideoSystem::instance()->setV4l2(io_, sysfs_->root(), sysfs_->devRoot());
    config()->setCameraResolution(QSize(640, 480));
    QVERIFY(camera()->initData());
    QVERIFY(openCurrent());
}

void TestCameraPanels::cleanupTestCase()
{
    camera()->closeAll();
}

bool TestCameraPanels::openCurrent()
{
    QSignalSpy statuses(camera(), &ICamera::sgError);
    return camera()->openCamera(config()->currentCamera.index) && statuses.wait(10000) &&
           statuses.last().at(0).toInt() == 0;
}

void TestCameraPanels::percentConversions_data()
{
    QTest::addColumn<int>("minimum");
    QTest::addColumn<int>("maximum");
    QTest::addColumn<int>("percent");
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("backToPercent");
    // Whole results are truncated towards zero, also below zero.
    QTest::newRow("brightness 80") << -64 << 64 << 80 << 38 << 79;
    QTest::newRow("brightness 20") << -64 << 64 << 20 << -38 << 20;
    QTest::newRow("exposure 100") << 3 << 2047 << 100 << 2047 << 100;
    QTest::newRow("no range") << 0 << 0 << 70 << 0 << 0;
    QTest::newRow("same non-zero bounds") << 5 << 5 << 30 << 5 << 0;
}

void TestCameraPanels::percentConversions()
{
    QFETCH(int, minimum);
    QFETCH(int, maximum);
    QFETCH(int, percent);
    QFETCH(int, value);
    QFETCH(int, backToPercent);
    CameraParameterEntry entry{minimum, maximum, minimum, minimum};
    QCOMPARE(hasRange(entry), minimum != maximum);
    QCOMPARE(percentToValue(entry, percent), value);
    QCOMPARE(valueToPercent(entry, value), backToPercent);
}

void TestCameraPanels::resolutionChoice_data()
{
    QTest::addColumn<QSize>("configured");
    QTest::addColumn<QString>("shownChecked");
    QTest::addColumn<QSizeF>("asked");  // invalid: not asked
    QTest::addColumn<bool>("silent");
    QTest::addColumn<bool>("found");
    QTest::addColumn<QString>("checked");
    QTest::addColumn<int>("applied");

    QTest::newRow("offered size applied") << QSize(1280, 720) << "1280 x 720" << QSizeF(1920, 1080)
                                          << false << true << "1920 x 1080" << 1;
    QTest::newRow("silent only marks") << QSize(1280, 720) << "1280 x 720" << QSizeF(1920, 1080)
                                       << true << true << "1920 x 1080" << 0;
    QTest::newRow("unknown size, silent") << QSize(1280, 720) << "1280 x 720" << QSizeF(1000, 1000)
                                          << true << false << "640 x 480" << 0;
    QTest::newRow("configured size not offered")
        << QSize(1000, 1000) << "640 x 480" << QSizeF() << false << false << "640 x 480" << 0;
}

void TestCameraPanels::resolutionChoice()
{
    QFETCH(QSize, configured);
    QFETCH(QString, shownChecked);
    QFETCH(QSizeF, asked);
    QFETCH(bool, silent);
    QFETCH(bool, found);
    QFETCH(QString, checked);
    QFETCH(int, applied);
    config()->setCameraResolution(configured);
    IPixRateFrame panel(static_cast<IApplication*>(qApp), &host_);
    panel.reload();
    panel.reload();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(panel.findChildren<QRadioButton*>().size(), panel.buttons().size());
    QCOMPARE(labels(panel.buttons(), false),
             QStringList({"640 x 480", "800 x 600", "1280 x 720", "1920 x 1080", "2592 x 1944"}));
    QCOMPARE(labels(panel.buttons(), true), QStringList{shownChecked});

    QSignalSpy statuses(camera(), &ICamera::sgError);
    panel.showPanel(true);
    if (asked.isValid()) {
        QCOMPARE(panel.setResolution(asked, silent), found);
    }
    QCOMPARE(labels(panel.buttons(), true), QStringList{checked});
    QCOMPARE(panel.isHidden(), applied == 1);
    // A change restarts the stream once, reported as opened again.
    QTest::qWait(applied ? 0 : 500);
    QTRY_COMPARE(statuses.size(), applied);
    QTest::qWait(300);
    QCOMPARE(statuses.size(), applied);
    QCOMPARE(config()->cameraResolution(), applied ? asked.toSize() : configured);
    if (applied) {
        QCOMPARE(camera()->currentResolution().toSizeF(), asked);
    }
}

void TestCameraPanels::magnifierGrabArea_data()
{
    QTest::addColumn<QPoint>("centre");
    QTest::addColumn<QRect>("screen");
    QTest::addColumn<QRect>("grabbed");
    const QRect full(0, 0, 1920, 1080);
    QTest::newRow("middle") << QPoint(960, 540) << full << QRect(835, 465, 250, 150);
    QTest::newRow("top-left corner") << QPoint(3, 10) << full << QRect(0, 0, 250, 150);
    QTest::newRow("bottom-right corner")
        << QPoint(1919, 1079) << full << QRect(1670, 930, 250, 150);
    QTest::newRow("second screen's left edge")
        << QPoint(1925, 500) << QRect(1920, 0, 1280, 1024) << QRect(1920, 425, 250, 150);
}

void TestCameraPanels::magnifierGrabArea()
{
    QFETCH(QPoint, centre);
    QFETCH(QRect, screen);
    QFETCH(QRect, grabbed);
    QCOMPARE(IMagnifierFrame::grabRect(centre, screen), grabbed);
}

// Where the screen cannot be read (here offscreen, elsewhere Wayland) the magnifier says so once
// and stays empty; the pixels it shows on X11 are checked by the window test.
void TestCameraPanels::magnifierWithoutAReadableScreen()
{
    auto* app = static_cast<IApplication*>(qApp);
    IMagnifierFrame magnifier(app, &host_);
    QCOMPARE(magnifier.pictureLabel()->size(), QSize(500, 300));
    magnifier.showPanel(true);
    emit app->sgGMouseMoveEvent(QPoint(400, 300));
    QVERIFY(ITimeMsgBox::instance()->isVisible());
    ITimeMsgBox::instance()->hide();
    emit app->sgGMouseMoveEvent(QPoint(5, 5));
    QVERIFY(!ITimeMsgBox::instance()->isVisible());
    QVERIFY(magnifier.pictureLabel()->pixmap(Qt::ReturnByValue).isNull());
    // Closed by its own close button.
    emit magnifier.sgClose();
    QVERIFY(!magnifier.isVisible());
}

void TestCameraPanels::colourSlidersReachTheCamera()
{
    IParameterFrame panel(static_cast<IApplication*>(qApp), &host_);
    panel.initDefaultValues();
    panel.setSliderValue(IParameterFrame::Brightness, 20);
    const double dark = meanGrey();
    QCOMPARE(deviceValue(0, VideoControl::Brightness), -38);
    // A user's move is applied at once.
    panel.slider(IParameterFrame::Brightness)->slider()->setValue(80);
    QCOMPARE(deviceValue(0, VideoControl::Brightness), 38);
    const double bright = meanGrey();
    QVERIFY2(bright > dark + 20, qPrintable(QStringLiteral("%1 / %2").arg(dark).arg(bright)));

    // Default restores and applies every default, also where a slider already shows it.
    panel.setSliderValue(IParameterFrame::Contrast, 50);
    camera()->setContrast(10);
    panel.findChild<IIToolButton*>()->click();
    QCOMPARE(panel.slider(IParameterFrame::Brightness)->value(), 50);
    QCOMPARE(deviceValue(0, VideoControl::Brightness), 0);
    QCOMPARE(deviceValue(0, VideoControl::Contrast), 32);
    QCOMPARE(deviceValue(0, VideoControl::Saturation), 64);
}

void TestCameraPanels::savedFocusFollowsASwitchedCamera()
{
    IFocusFrame panel(static_cast<IApplication*>(qApp), &host_);
    config()->setFocusValue(30);
    config()->setExposure(60);
    panel.initDefaultValues();
    QCOMPARE(deviceValue(0, VideoControl::Focus), 75);
    // The second camera: the sliders already show the saved values, which reach it all the same.
    QSignalSpy statuses(camera(), &ICamera::sgError);
    camera()->switchCamera(config()->cameraList.at(1));
    QVERIFY(statuses.wait(10000));
    panel.initDefaultValues();
    QCOMPARE(deviceValue(1, VideoControl::Focus), 75);
    QCOMPARE(deviceValue(1, VideoControl::Exposure), 3 + int(0.6f * 2044));
}

bool TestCameraPanels::openFakeCamera(const std::function<void(FakeV4l2Node&)>& setUp)
{
    camera()->closeCurrent();
    IVirtualCameraHub::instance()->setCount(0);
    sysfs_ = std::make_unique<FakeSysfs>();
    io_ = std::make_shared<FakeV4l2Io>();
    IVideoSystem::instance()->setV4l2(io_, sysfs_->root(), sysfs_->devRoot());
    sysfs_->addUsbNode(0, "1-1", "2b7e", "c8a1", "Desk Camera");
    auto node = io_->addNode(sysfs_->devicePath(0));
    node->formats = {{V4L2_PIX_FMT_MJPEG, {{640, 480}}}};
    setUp(*node);
    return camera()->initData() && openCurrent();
}

void TestCameraPanels::focusChoices_data()
{
    QTest::addColumn<int>("saved");
    QTest::addColumn<bool>("hasFocus");
    QTest::addColumn<bool>("automatic");  // the box is checked
    QTest::addColumn<int>("shown");
    QTest::addColumn<QVariantList>("written");  // focus writes: (id, value) pairs flattened
    QTest::newRow("automatic") << -1 << true << true << 16 << QVariantList{V4L2_CID_FOCUS_AUTO, 1};
    QTest::newRow("manual") << 40 << true << false << 40
                            << QVariantList{V4L2_CID_FOCUS_AUTO, 0, V4L2_CID_FOCUS_ABSOLUTE, 100};
    QTest::newRow("stored out of range")
        << 250 << true << false << 100
        << QVariantList{V4L2_CID_FOCUS_AUTO, 0, V4L2_CID_FOCUS_ABSOLUTE, 250};
    QTest::newRow("camera without focus") << 40 << false << false << 0 << QVariantList{};
}

void TestCameraPanels::focusChoices()
{
    QFETCH(int, saved);
    QFETCH(bool, hasFocus);
    QFETCH(bool, automatic);
    QFETCH(int, shown);
    QFETCH(QVariantList, written);
    QVERIFY(openFakeCamera([hasFocus](FakeV4l2Node& node) {
        if (hasFocus) {
            node.addControl(V4L2_CID_FOCUS_ABSOLUTE, 0, 250, 0, 40);
            node.addControl(V4L2_CID_FOCUS_AUTO, 0, 1, 1, 0);
        }
        node.addControl(V4L2_CID_EXPOSURE_ABSOLUTE, 3, 2047, 250, 250);
    }));
    config()->setFocusValue(saved);
    IFocusFrame panel(static_cast<IApplication*>(qApp), &host_);
    panel.initDefaultValues();
    ICustomSlider* focus = panel.slider(IFocusFrame::Focus);
    QCOMPARE(focus->isChecked(), automatic);
    QCOMPARE(focus->value(), shown);
    QCOMPARE(focus->isEnabled(), hasFocus);
    QCOMPARE(focus->slider()->isEnabled(), hasFocus && !automatic);
    QVariantList focusWrites;
    for (const auto& write : io_->controlWrites()) {
        if (write.first == V4L2_CID_FOCUS_AUTO || write.first == V4L2_CID_FOCUS_ABSOLUTE) {
            focusWrites << write.first << write.second;
        }
    }
    QCOMPARE(focusWrites, written);
    if (automatic) {
        // Clearing the box applies the slider's value and keeps it.
        focus->findChild<QCheckBox*>()->click();
        QCOMPARE(config()->focusValue(), shown);
        QCOMPARE(io_->controlWrites().last(), qMakePair(quint32(V4L2_CID_FOCUS_ABSOLUTE), 40));
    }
    QCOMPARE(config()->focusValue(), automatic ? shown : saved);
}

int main(int argc, char** argv)
{
    IApplication app(QStringLiteral("OrvellaCameraPanelsTest"), argc, argv);
    TestCameraPanels test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_camerapanels.moc"
