#include "customui/viewer/ismallcameraframe.h"

#include <QComboBox>
#include <QDebug>
#include <QHBoxLayout>
#include <QLabel>
#include <QListView>
#include <QPointer>
#include <QTimer>
#include <QVBoxLayout>

#include "customui/kit/iappfont.h"
#include "customui/kit/iitoolbutton.h"
#include "customui/shell/imaintitlewidget.h"
#include "customui/kit/imsgbox.h"
#include "directshow/idirectshowapi.h"
#include "icamera.h"
#include "icapturebackend.h"
#include "service/iconfigureservice.h"
#include "customui/kit/uiscale.h"

namespace {

int scaled(int pixels)
{
    return static_cast<int>(pixels * uiScale);
}

bool samePath(const QString& a, const QString& b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

}  // namespace

ISmallCameraFrame::ISmallCameraFrame(QWidget* parent)
    : ICustomWidget(tr("Picture-in-picture"), true, parent)
{
    CreateUI();
    setMovable(true);
    setRoundedBackground(true);
}

// Stops the camera's worker before the widgets it draws into go.
ISmallCameraFrame::~ISmallCameraFrame() = default;

void ISmallCameraFrame::CreateUI()
{
    label_ = new QLabel(this);
    label_->setScaledContents(true);
    const QSize picture = QSize(640, 480).scaled(scaled(400), scaled(400), Qt::KeepAspectRatio);
    label_->setFixedSize(picture);
    setFixedSize(picture.width() + scaled(20), picture.height() + scaled(20) + scaled(30));

    cameraButton_ =
        new IIToolButton(0, tr("Cameras"), 30, 30, QStringLiteral(":/title/title/tcameraclick.svg"),
                         QStringLiteral(":/title/title/tcameranormal.svg"), this);
    cameraButton_->setFocusPolicy(Qt::NoFocus);
    auto* row = new QHBoxLayout;
    row->setContentsMargins(0, 0, 0, 0);
    row->addStretch();
    row->addWidget(cameraButton_);
    row->addSpacing(scaled(20));
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(scaled(10), 0, scaled(10), scaled(10));
    column->setSpacing(0);
    column->addLayout(row);
    column->addSpacing(scaled(3));
    column->addWidget(label_);

    list_ = new QComboBox(this);
    list_->setView(new QListView(list_));
    list_->setStyleSheet(IMainTitleWidget::cameraChooserStyle());
    list_->setFont(appFont(8, 50));
    list_->view()->setFont(appFont(8, 50));
    list_->setFixedSize(scaled(160), scaled(28));
    list_->setFocusPolicy(Qt::NoFocus);
    list_->hide();
    connect(list_, SIGNAL(currentIndexChanged(int)), this, SLOT(changeCameraIndex(int)));
    connect(this, &ICustomWidget::sgClose, this, &ISmallCameraFrame::closeCamera);
    connect(cameraButton_, &IIToolButton::sgButtonClick, this,
            &ISmallCameraFrame::toggleCameraList);
}

QSize ISmallCameraFrame::captureSize(const QList<QSizeF>& sizes)
{
    for (const QSizeF& size : sizes) {
        if (size.width() >= 400) {
            return size.toSize();
        }
    }
    return QSize(640, 480);
}

bool ISmallCameraFrame::isMainCamera(const ICameraInfo& info)
{
    const QString main = IConfigureService::instance()->currentCamera.devicePath;
    return !main.isEmpty() && samePath(info.devicePath, main);
}

ICameraInfo ISmallCameraFrame::firstOtherCamera()
{
    for (const ICameraInfo& info : ICamera::instance()->cameraList()) {
        if (!isMainCamera(info)) {
            return info;
        }
    }
    return ICameraInfo();
}

bool ISmallCameraFrame::showPanel(bool show)
{
    if (!show) {
        closeCamera();
        hide();
        return false;
    }
    if (isVisible()) {
        updatePosition();
        return true;
    }
    const ICameraInfo other = firstOtherCamera();
    if (other.devicePath.isEmpty()) {
        IMsgBox::information(tr("No camera device available"), parentWidget());
        return false;
    }
    openCamera(other);
    updatePosition();
    this->show();
    raise();
    return true;
}

bool ISmallCameraFrame::openCamera(const ICameraInfo& info)
{
    closeCamera();
    qDebug() << "small camera: " << info.friendlyName << info.devicePath;
    emit sgCameraOpen(true);
    capture_.reset(ICamera::instance()->createCaptureObject());
    QList<QSizeF> sizes;
    IDirectShowApi::dxCameraSupportResolution(info.index, sizes);
    capture_->setResolution(QSizeF(captureSize(sizes)));
    connect(capture_.get(), &ICaptureBackend::sgCameraFrame, this, &ISmallCameraFrame::showFrame);
    connect(capture_.get(), &ICaptureBackend::sgError, this, &ISmallCameraFrame::onCaptureStatus);
    capture_->open(info.devicePath);
    camera_ = info;
    qDebug() << "small camera: " << info.index << info.pid << info.vid << info.friendlyName
             << info.devicePath;
    return true;
}

void ISmallCameraFrame::closeCamera()
{
    if (capture_) {
        // Deleting the back end stops its worker, also one still opening the device.
        capture_.reset();
        camera_ = ICameraInfo();
    }
    label_->clear();
    emit sgCameraOpen(false);
}

void ISmallCameraFrame::closeCameraWithTip(const QString& tip)
{
    showPanel(false);
    emit sgTip(tip);
}

void ISmallCameraFrame::onCaptureStatus(int code)
{
    if (code == 0) {
        qDebug() << "open small camera success-->" << camera_.devicePath;
        return;
    }
    qDebug() << "open small camera error-->" << code << camera_.devicePath;
    // A camera that cannot be opened leaves no dead panel behind. The back end is reporting right
    // now, so it is deleted once its report is over, unless another camera came first.
    const QPointer<ICaptureBackend> failed(capture_.get());
    QTimer::singleShot(0, this, [this, failed]() {
        if (failed && failed == capture_.get()) {
            closeCameraWithTip(tr("The picture-in-picture camera could not be opened."));
        }
    });
}

void ISmallCameraFrame::showFrame(const QImage& frame)
{
    // Frames arrive one at a time, the newest first; the label scales the picture into itself.
    label_->setPixmap(QPixmap::fromImage(frame));
}

void ISmallCameraFrame::updatePosition()
{
    if (!parentWidget()) {
        return;
    }
    move(parentWidget()->width() - width() - scaled(60) - scaled(20), scaled(40) + scaled(20));
}

void ISmallCameraFrame::toggleCameraList()
{
    if (list_->isHidden()) {
        emit sgCameraListOpening();
        list_->blockSignals(true);
        list_->clear();
        for (const ICameraInfo& info : ICamera::instance()->cameraList()) {
            if (!isMainCamera(info)) {
                list_->addItem(info.friendlyName, QVariant::fromValue(info));
            }
        }
        list_->setCurrentIndex(list_->findText(camera_.friendlyName));
        list_->move(width() - list_->width(), scaled(30));
        list_->raise();
        list_->blockSignals(false);
    }
    list_->setVisible(list_->isHidden());
}

void ISmallCameraFrame::hideCameraList()
{
    list_->hide();
}

void ISmallCameraFrame::changeCameraIndex(int index)
{
    hideCameraList();
    if (index < 0) {
        return;
    }
    openCamera(list_->itemData(index).value<ICameraInfo>());
    updatePosition();
}

QString ISmallCameraFrame::cameraDevicePath() const
{
    return camera_.devicePath;
}
