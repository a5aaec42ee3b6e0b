#include "iconfigureservice.h"

#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QMutexLocker>
#include <QSettings>

#include "appdata.h"
#include "board/iboard.h"
#include "service/iboardservice.h"
#include "service/ilog.h"
#include "service/isettingsguard.h"

namespace {

const char* const kBuildStamp = "2024/05/10 11:34:03";
const QColor kDefaultPencilColor(Qt::red);

QString versionText()
{
    const QString date = QString::fromLatin1(kBuildStamp).split(' ').first().replace('/', '.');
    return QStringLiteral("V%1_%2").arg(QLatin1String(ORVELLA_VERSION), date);
}

// A colour from its stored form: a colour value or its name text. Unparsable gives red.
QColor colorFromSetting(const QVariant& stored)
{
    const QColor color(stored.toString());
    if (!color.isValid()) {
        qDebug() << "invalid pencil color in settings, using red:" << stored.toString();
        return kDefaultPencilColor;
    }
    return color;
}

// An empty, relative or missing folder is unusable (QDir("") is the working folder).
bool usableFolder(const QString& path)
{
    return !path.isEmpty() && QDir::isAbsolutePath(path) && QFileInfo(path).isDir();
}

// The cameras' orientations as stored: one "<flags> <camera key>" text per turned camera.
QStringList orientationsSetting(const QMap<QString, int>& orientations)
{
    QStringList stored;
    for (auto it = orientations.cbegin(); it != orientations.cend(); ++it) {
        stored << QStringLiteral("%1 %2").arg(it.value()).arg(it.key());
    }
    return stored;
}

// Entries that do not parse are dropped with a log line.
QMap<QString, int> orientationsFromSetting(const QStringList& stored)
{
    QMap<QString, int> orientations;
    for (const QString& entry : stored) {
        const int space = entry.indexOf(QLatin1Char(' '));
        bool number = false;
        const int flags = entry.left(space).toInt(&number);
        if (space <= 0 || !number || space + 1 >= entry.size()) {
            qDebug() << "camera orientation ignored:" << entry;
            continue;
        }
        orientations.insert(entry.mid(space + 1), flags);
    }
    return orientations;
}

}  // namespace

IConfigureService* IConfigureService::instance()
{
    static IConfigureService service;
    return &service;
}

IConfigureService::IConfigureService()
{
    setFixedValues();
}

QString IConfigureService::settingsFile()
{
    return appDataDir(QStringLiteral("ini/")) + QStringLiteral("application.ini");
}

void IConfigureService::setFixedValues()
{
    productName = tr("Orvella");
    company = tr("Kestrima Technology Co., Ltd.");
    logoFile = QStringLiteral("cur_use_logo.png");
    pencilColor_ = Qt::black;
    pencilThickness_ = 5;
    pencilTransparent_ = 200;
    eraseSize_ = 100;
    shapeFilled_ = true;
    cameraResolution_ = QSize(1920, 1080);
#ifdef Q_OS_MACOS
    osVersion = QSysInfo::productVersion();
#endif
    wifiMode = false;
    wifi = WifiEndpoint::fromEnvironment();
    wifiRtspUrl = wifi.rtspUrl();
}

void IConfigureService::readConfigure()
{
    setFixedValues();
    version = versionText();
    qDebug() << "current software version: " << version;

    ISettingsGuard::repair(settingsFile());
    QSettings s(settingsFile(), QSettings::IniFormat);
    setPhotoFormatUnsaved(s.value("format/photo", "jpeg").toString());
    videoFormat_ = s.value("format/video", "mp4").toString();
    pencilColor_ = colorFromSetting(s.value("pencil/color", kDefaultPencilColor.name()));
    pencilTransparent_ = s.value("pencil/transparent", 200).toInt();
    photoPath_ = s.value("path/photo", appDataDir("photo/")).toString();
    videoPath_ = s.value("path/video", appDataDir("video/")).toString();
    pencilThickness_ = s.value("pencil/thickness", 5).toInt();
    eraseSize_ = s.value("erase/size", 100).toInt();
    const int height = s.value("cameraresolution/height", 1080).toInt();
    const int width = s.value("cameraresolution/width", 1920).toInt();
    cameraResolution_ = QSize(width, height);
    setFileDialogPath(s.value("other/filedialog", QString()).toString());
    freeCaptureRect =
        QRect(s.value("other/freecapture_x", 0).toInt(), s.value("other/freecapture_y", 0).toInt(),
              s.value("other/freecapture_w", 0).toInt(), s.value("other/freecapture_h", 0).toInt());
    exposure_ = s.value("other/exposure", -1).toInt();
    focusValue_ = s.value("other/focus", -1).toInt();
    ocrLangs = s.value("OCR/lang", QStringList{QStringLiteral("English")}).toStringList();
    photoSound = s.value("photo/sound", false).toBool();
    frameRate = s.value("screenRecording/frameRate", 20).toInt();
    shapeFilled_ = s.value("figure/filled", true).toBool();
    cameraOrientations_ = orientationsFromSetting(s.value("camera/orientation").toStringList());
    currentCamera.audioInput =
        s.value("screenRecording/audioInput", QLatin1String(kDefaultAudioInput)).toString();
    recordingCountdown = s.value("screenRecording/countdown", true).toBool();

    // Both defaults are computed (and so created) whatever is configured.
    const QString defaultPhoto = appDataDir("photo/");
    const QString defaultVideo = appDataDir("video/");
    if (!usableFolder(photoPath_)) {
        qDebug() << "photo folder unusable, reset to default:" << photoPath_;
        setPhotoPath(defaultPhoto);
    }
    if (!usableFolder(videoPath_)) {
        qDebug() << "video folder unusable, reset to default:" << videoPath_;
        setVideoPath(defaultVideo);
    }
}

void IConfigureService::setAudioInput(const QString& name)
{
    currentCamera.audioInput = name;
    setValue(QStringLiteral("screenRecording/audioInput"), name);
}

void IConfigureService::writeConfigure()
{
    QSettings s(settingsFile(), QSettings::IniFormat);
    s.setValue("lang/langid", langId_);
    s.setValue("path/photo", photoPath_);
    s.setValue("path/video", videoPath_);
    s.setValue("format/photo", photoFormat());
    s.setValue("format/video", videoFormat_);
    s.setValue("pencil/color", pencilColor_.name());
    s.setValue("pencil/thickness", pencilThickness_);
    s.setValue("pencil/transparent", pencilTransparent_);
    s.setValue("erase/size", eraseSize_);
    s.setValue("cameraresolution/width", cameraResolution_.width());
    s.setValue("cameraresolution/height", cameraResolution_.height());
    s.setValue("other/filedialog", fileDialogPath());
    s.setValue("other/freecapture_x", freeCaptureRect.x());
    s.setValue("other/freecapture_y", freeCaptureRect.y());
    s.setValue("other/freecapture_w", freeCaptureRect.width());
    s.setValue("other/freecapture_h", freeCaptureRect.height());
    s.setValue("other/exposure", exposure_);
    s.setValue("other/focus", focusValue_);
    s.setValue("OCR/lang", ocrLangs);
    s.setValue("photo/sound", photoSound);
    s.setValue("screenRecording/frameRate", frameRate);
    s.setValue("figure/filled", shapeFilled_);
    s.setValue("camera/orientation", orientationsSetting(cameraOrientations_));
    s.setValue("screenRecording/audioInput", currentCamera.audioInput);
    s.setValue("screenRecording/countdown", recordingCountdown);
    s.sync();
}

QString IConfigureService::langId() const
{
    return langId_;
}

void IConfigureService::setLangId(const QString& id)
{
    langId_ = id;
    setValue("lang/langid", id);
}

QString IConfigureService::photoPath() const
{
    return photoPath_;
}

void IConfigureService::setPhotoPath(const QString& path)
{
    photoPath_ = path;
    setValue("path/photo", path);
}

QString IConfigureService::photoFormat() const
{
    std::lock_guard<std::mutex> lock(sharedMutex_);
    return photoFormat_;
}

void IConfigureService::setPhotoFormatUnsaved(const QString& format)
{
    std::lock_guard<std::mutex> lock(sharedMutex_);
    photoFormat_ = format;
}

void IConfigureService::setPhotoFormat(const QString& format)
{
    setPhotoFormatUnsaved(format);
    setValue("format/photo", format);
}

QString IConfigureService::videoPath() const
{
    return videoPath_;
}

void IConfigureService::setVideoPath(const QString& path)
{
    videoPath_ = path;
    setValue("path/video", path);
}

QString IConfigureService::videoFormat() const
{
    return videoFormat_;
}

void IConfigureService::setVideoFormat(const QString& format)
{
    videoFormat_ = format;
    setValue("format/video", format);
}

QColor IConfigureService::pencilColor() const
{
    return pencilColor_;
}

void IConfigureService::setPencilColor(const QColor& color)
{
    IBoardService::instance()->setInkColor(color);
    pencilColor_ = color;
    setValue("pencil/color", color);
}

int IConfigureService::pencilThickness() const
{
    return pencilThickness_;
}

void IConfigureService::setPencilThickness(const int& thickness)
{
    IBoardService::instance()->setInkThickness(thickness);
    pencilThickness_ = thickness;
    setValue("pencil/thickness", thickness);
}

int IConfigureService::pencilTransparent() const
{
    return pencilTransparent_;
}

void IConfigureService::setPencilTransparent(const int& alpha)
{
    IBoardService::instance()->setInkOpacity(alpha);
    pencilTransparent_ = alpha;
    setValue("pencil/transparent", alpha);
}

int IConfigureService::eraseSize() const
{
    return eraseSize_;
}

void IConfigureService::setEraseSize(const int& size)
{
    IBoardService::instance()->setEraserSize(size);
    eraseSize_ = size;
    setValue("erase/size", size);
}

bool IConfigureService::shapeFilled() const
{
    return shapeFilled_;
}

void IConfigureService::setShapeFilled(bool filled)
{
    IBoardService::instance()->setShapeFilled(filled);
    shapeFilled_ = filled;
    setValue("figure/filled", filled);
}

QSize IConfigureService::cameraResolution() const
{
    return cameraResolution_;
}

void IConfigureService::setCameraResolution(const QSize& size)
{
    if (IBoard* view = board()) {
        view->setPictureSize(QSizeF(size));
    }
    cameraResolution_ = size;
    setValue("cameraresolution/width", size.width());
    setValue("cameraresolution/height", size.height());
}

int IConfigureService::exposure() const
{
    return exposure_;
}

void IConfigureService::setExposure(const int& value)
{
    exposure_ = value;
    setValue("other/exposure", value);
}

int IConfigureService::focusValue() const
{
    return focusValue_;
}

void IConfigureService::setFocusValue(const int& value)
{
    focusValue_ = value;
    setValue("other/focus", value);
}

void IConfigureService::setValue(const QString& key, const QVariant& value)
{
    QSettings s(settingsFile(), QSettings::IniFormat);
    s.setValue(key, value);
}

QVariant IConfigureService::value(const QString& key)
{
    QSettings s(settingsFile(), QSettings::IniFormat);
    return s.value(key, QStringLiteral("null"));
}

void IConfigureService::writeLog(const QString& text)
{
    qDebug() << "custom log info: " << text;
    static QMutex mutex;
    QMutexLocker lock(&mutex);
    const QDateTime now = QDateTime::currentDateTime();
    appendLogLine(logFilePath(now.date()), logTimeText(now) + " " + text);
}

QString IConfigureService::fileDialogPath() const
{
    std::lock_guard<std::mutex> lock(sharedMutex_);
    return fileDialogPath_;
}

void IConfigureService::setFileDialogPath(const QString& path)
{
    std::lock_guard<std::mutex> lock(sharedMutex_);
    fileDialogPath_ = path;
}

Qt::Orientations IConfigureService::cameraOrientation(const QString& camera) const
{
    return Qt::Orientations(cameraOrientations_.value(camera, 0) & (Qt::Horizontal | Qt::Vertical));
}

void IConfigureService::setCameraOrientation(const QString& camera, Qt::Orientations orientation)
{
    if (orientation) {
        cameraOrientations_.insert(camera, int(orientation));
    } else {
        cameraOrientations_.remove(camera);
    }
    setValue("camera/orientation", orientationsSetting(cameraOrientations_));
}
