#include "customui/shell/imaintitlewidget.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QCursor>
#include <QDebug>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QListView>
#include <QMouseEvent>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>
#include <QWindow>

#include "customui/kit/iitoolbutton.h"
#include "customui/kit/uiscale.h"
#include "customui/kit/windowplacement.h"
#include "icamera.h"
#include "service/iconfigureservice.h"

namespace {

constexpr int kChooserWidth = 160;
// The chooser's frame, padding and drop-down button, less than its width left for the name.
constexpr int kChooserChromeWidth = 44;

int scaled(double v)
{
    return static_cast<int>(v * uiScale);
}

QString real(double v)
{
    return QString::number(v, 'g', -1);
}

}  // namespace

QString IMainTitleWidget::cameraChooserStyle()
{
    return QStringLiteral(
               "QComboBox{color:white;background-color:rgb(50,50,50);border:%1px solid black;"
               "border-radius:%3px;padding:%1px %2px %1px %2px;min-width:5em;height:%5px;}"
               "QComboBox QAbstractItemView{color:white;background-color:rgb(50,50,50);"
               "border:%1px solid black;selection-background-color:rgb(80,80,80);"
               "selection-color:rgb(235,120,7);outline:0px;}"
               "QComboBox QAbstractItemView::item{height:%6px;}"
               "QComboBox::drop-down{subcontrol-origin:padding;subcontrol-position:top right;"
               "width:%4px;border-left-width:%1px;border-left-color:darkgray;"
               "border-left-style:solid;border-top-right-radius:%3px;"
               "border-bottom-right-radius:%3px;}"
               "QComboBox::down-arrow{image:url(:/ui/ui/downArrow.svg);width:%7px;height:%7px;}")
        .arg(real(uiScale), real(2 * uiScale), real(3 * uiScale), real(30 * uiScale),
             real(22 * uiScale), real(28 * uiScale), real(20 * uiScale));
}

IMainTitleWidget::IMainTitleWidget(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("title"));
    CreateUI();
}

void IMainTitleWidget::CreateUI()
{
    setFixedHeight(scaled(40));
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, QColor(30, 30, 30));
    setPalette(palette);
    setAutoFillBackground(true);

    const QSize logoSize(scaled(200), scaled(40));
    logo_ = new QLabel(this);
    logo_->setFixedSize(logoSize);
    logo_->setAlignment(Qt::AlignCenter);
    const QString logoPath = QCoreApplication::applicationDirPath() + QStringLiteral("/logo/") +
                             IConfigureService::instance()->logoFile;
    const QPixmap logo(logoPath);
    if (logo.isNull()) {
        qDebug() << "no logo at" << logoPath;
    } else {
        logo_->setPixmap(logo.scaled(logoSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    }
    logo_->hide();

    const QString t = QStringLiteral(":/title/title/");
    createButton(Cameras, tr("Cameras"), t + "tcameraclick.svg", t + "tcameranormal.svg");
    createButton(Settings, tr("Settings"), t + "tsettingclick.svg", t + "tsettingnormal.svg");
    createButton(Minimize, tr("Minimize"), t + "tminclick.svg", t + "tminnormal.svg");
    createButton(Maximize, tr("Maximize"), t + "tfullclick.svg", t + "tfullnormal.svg");
    createButton(Restore, tr("Restore"), t + "tmaxclick.svg", t + "tmaxnormal.svg");
    createButton(Close, tr("Close"), t + "tcloseclick.svg", t + "tclosenormal.svg");

    auto* row = new QHBoxLayout;
    row->setSpacing(scaled(1));
    row->addSpacing(scaled(30));
    row->addWidget(logo_);
    row->addStretch();
    for (IIToolButton* b : buttons_) {
        row->addWidget(b);
    }
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->addStretch();
    column->addLayout(row);
    column->addStretch();
    // The window starts maximised, so Restore is the one shown.
    button(Maximize)->hide();
}

IIToolButton* IMainTitleWidget::createButton(int id, const QString& toolTip,
                                             const QString& pressedIcon, const QString& normalIcon)
{
    auto* b = new IIToolButton(id, toolTip, normalIcon, pressedIcon, false, 40, 40, 8, this);
    b->setFocusPolicy(Qt::NoFocus);
    b->nameAfterId(objectName(), QMetaEnum::fromType<ButtonId>());
    connect(b, &IIToolButton::sgButtonClick, this, &IMainTitleWidget::onButtonClick);
    buttons_.append(b);
    return b;
}

IIToolButton* IMainTitleWidget::button(int id) const
{
    return buttons_.value(id, nullptr);
}

void IMainTitleWidget::onButtonClick(bool, const QVariant& id)
{
    switch (id.toInt()) {
        case Cameras:
            toggleCameraChooser();
            break;
        case Settings:
            emit sgSettingsAsked();
            break;
        case Minimize:
            window()->showMinimized();
            break;
        case Maximize:
            maximizeWindow();
            break;
        case Restore:
            restoreWindow();
            break;
        case Close:
            window()->close();
            break;
        default:
            break;
    }
}

void IMainTitleWidget::createCameraChooser()
{
    // A child of the window, not of the title bar: it opens below the bar.
    chooser_ = new QComboBox(window());
    chooser_->setView(new QListView(chooser_));
    chooser_->setFixedSize(scaled(kChooserWidth), scaled(28));
    chooser_->view()->setTextElideMode(Qt::ElideMiddle);
    chooser_->setStyleSheet(cameraChooserStyle());
    chooser_->setFocusPolicy(Qt::NoFocus);
    chooser_->hide();
    connect(chooser_, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &IMainTitleWidget::changeCameraIndex);
}

void IMainTitleWidget::toggleCameraChooser()
{
    if (!chooser_) {
        createCameraChooser();
    }
    if (!chooser_->isVisible()) {
        emit sgCameraChooserOpening();
        ICamera* camera = ICamera::instance();
        fillCameraChooser(camera->companyCameraList(), excludedCameraPath_,
                          camera->hasValidRtspUrl());
        const QPoint topLeft =
            mapTo(window(), QPoint(width() - chooser_->width() - scaled(60), height()));
        chooser_->move(topLeft);
        chooser_->raise();
    }
    chooser_->setVisible(!chooser_->isVisible());
}

void IMainTitleWidget::hideCameraChooser()
{
    if (chooser_) {
        chooser_->hide();
    }
}

void IMainTitleWidget::setExcludedCameraPath(const QString& path)
{
    excludedCameraPath_ = path;
}

void IMainTitleWidget::fillCameraChooser(const QList<ICameraInfo>& cameras,
                                         const QString& excludedPath, bool wifiReachable)
{
    if (!chooser_) {
        createCameraChooser();
    }
    const ICameraInfo& current = IConfigureService::instance()->currentCamera;
    disconnect(chooser_, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
               &IMainTitleWidget::changeCameraIndex);
    chooser_->clear();
    int currentItem = -1;
    for (const ICameraInfo& info : cameras) {
        if (!excludedPath.isEmpty() &&
            info.devicePath.compare(excludedPath, Qt::CaseInsensitive) == 0) {
            continue;
        }
        addCameraItem(info.friendlyName, info.devicePath);
        if (current.index != ICamera::kWifiIndex &&
            info.devicePath.compare(current.devicePath, Qt::CaseInsensitive) == 0) {
            currentItem = chooser_->count() - 1;
            qDebug() << "current camera: " << info.devicePath;
        }
    }
    if (wifiReachable) {
        chooser_->addItem(QLatin1String(ICamera::kWifiName), QString());
        if (current.index == ICamera::kWifiIndex) {
            currentItem = chooser_->count() - 1;
            qDebug() << "current camera: " << ICamera::kWifiName;
        }
    }
    chooser_->setCurrentIndex(currentItem);
    connect(chooser_, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &IMainTitleWidget::changeCameraIndex);
}

// Cameras of one model differ only at the end of their names ("... #1", "... #2"): a name too
// long for the chooser loses its middle, and the whole name stays in the tip.
void IMainTitleWidget::addCameraItem(const QString& name, const QString& devicePath)
{
    const int textWidth = chooser_->width() - scaled(kChooserChromeWidth);
    chooser_->addItem(chooser_->fontMetrics().elidedText(name, Qt::ElideMiddle, textWidth),
                      devicePath);
    chooser_->setItemData(chooser_->count() - 1, name, Qt::ToolTipRole);
}

void IMainTitleWidget::changeCameraIndex(int index)
{
    hideCameraChooser();
    if (!chooser_ || index < 0) {
        return;
    }
    const QString path = chooser_->itemData(index).toString();
    ICameraInfo chosen;
    if (path.isEmpty()) {
        chosen.index = ICamera::kWifiIndex;
        chosen.friendlyName = chooser_->itemText(index);
    } else {
        for (const ICameraInfo& info : ICamera::instance()->cameraList()) {
            if (info.devicePath.compare(path, Qt::CaseInsensitive) == 0) {
                chosen = info;
                break;
            }
        }
    }
    qDebug() << "chose camera: " << chosen.friendlyName << path;
    if (chosen.index < 0) {
        qDebug() << "chosen camera is gone:" << path;
        return;
    }
    emit sgCameraChosen(chosen);
}

QRect IMainTitleWidget::availableGeometryUnderCursor() const
{
    const QScreen* screen = QGuiApplication::screenAt(QCursor::pos());
    if (!screen) {
        screen = window()->screen();
    }
    return screen ? screen->availableGeometry() : QRect(0, 0, 1920, 1080);
}

QRect IMainTitleWidget::restoredGeometry(const QRect& available)
{
    const int dx = scaled(150);
    const int dy = scaled(100);
    return available.adjusted(dx, dy, -dx, -dy);
}

void IMainTitleWidget::maximizeWindow()
{
    QWidget* w = window();
    placeTopLevel(w, availableGeometryUnderCursor());
    w->showMaximized();
    button(Maximize)->hide();
    button(Restore)->show();
    reportResizeLater();
}

void IMainTitleWidget::restoreWindow()
{
    QWidget* w = window();
    button(Restore)->hide();
    button(Maximize)->show();
    const QRect reduced = restoredGeometry(availableGeometryUnderCursor());
    w->showNormal();
    placeTopLevel(w, reduced);
    reportResizeLater();
}

void IMainTitleWidget::reportResizeLater()
{
    QTimer::singleShot(100, this, &IMainTitleWidget::sgWindowResized);
}

void IMainTitleWidget::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        pressed_ = true;
        firstMove_ = true;
        pressOffset_ = event->globalPos() - window()->pos();
    }
    QWidget::mousePressEvent(event);
}

void IMainTitleWidget::mouseMoveEvent(QMouseEvent* event)
{
    if (pressed_) {
        QWidget* w = window();
        const QScreen* screen = QGuiApplication::screenAt(event->globalPos());
        if (!screen) {
            screen = w->screen();
        }
        const QRect frame = w->frameGeometry();
        const bool covering =
            w->isMaximized() || w->isFullScreen() ||
            (screen && (frame == screen->geometry() || frame == screen->availableGeometry()));
        if (covering && screen) {
            const int oldWidth = qMax(1, frame.width());
            button(Maximize)->show();
            button(Restore)->hide();
            const QRect reduced = restoredGeometry(screen->availableGeometry());
            w->showNormal();
            placeTopLevel(w, reduced);
            // The same share of the title bar stays under the cursor.
            pressOffset_.setX(pressOffset_.x() * reduced.width() / oldWidth);
        }
        // Where the compositor places windows it moves this one from here on, and keeps the
        // release to itself.
        if (compositorPlacesWindows() && w->windowHandle() &&
            w->windowHandle()->startSystemMove()) {
            pressed_ = false;
        } else {
            w->move(event->globalPos() - pressOffset_);
        }
        if (firstMove_) {
            firstMove_ = false;
            emit sgMove();
        }
    }
    QWidget::mouseMoveEvent(event);
}

void IMainTitleWidget::mouseReleaseEvent(QMouseEvent* event)
{
    pressed_ = false;
    QWidget::mouseReleaseEvent(event);
}

void IMainTitleWidget::mouseDoubleClickEvent(QMouseEvent* event)
{
    button(Maximize)->hide();
    button(Restore)->show();
    QWidget* w = window();
    placeTopLevel(w, availableGeometryUnderCursor());
    w->showMaximized();
    QWidget::mouseDoubleClickEvent(event);
}
