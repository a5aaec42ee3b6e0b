#ifndef ICONFIGURESERVICE_H
#define ICONFIGURESERVICE_H

#include <QColor>
#include <QList>
#include <QMap>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <mutex>

#include "icamerainfo.h"
#include "service/iservice.h"
#include "service/wifiendpoint.h"

// The one place where user settings live: read once from application.ini, written through by
// the setters, rewritten whole by writeConfigure at shutdown.
class IConfigureService : public IService {
    Q_OBJECT
public:
    static IConfigureService* instance();

    virtual void readConfigure();
    virtual void writeConfigure();
    virtual QString langId() const;
    virtual void setLangId(const QString& id);
    virtual QString photoPath() const;
    virtual void setPhotoPath(const QString& path);
    virtual QString photoFormat() const;
    virtual void setPhotoFormat(const QString& format);
    virtual QString videoPath() const;
    virtual void setVideoPath(const QString& path);
    virtual QString videoFormat() const;
    virtual void setVideoFormat(const QString& format);
    virtual QColor pencilColor() const;
    virtual void setPencilColor(const QColor& color);
    virtual int pencilThickness() const;
    virtual void setPencilThickness(const int& thickness);
    virtual int pencilTransparent() const;
    virtual void setPencilTransparent(const int& alpha);
    virtual int eraseSize() const;
    virtual void setEraseSize(const int& size);
    // Whether new shapes are filled ("figure/filled", true when absent).
    virtual bool shapeFilled() const;
    virtual void setShapeFilled(bool filled);
    virtual QSize cameraResolution() const;
    virtual void setCameraResolution(const QSize& size);
    virtual int exposure() const;
    virtual void setExposure(const int& value);
    virtual int focusValue() const;
    virtual void setFocusValue(const int& value);
    virtual void setValue(const QString& key, const QVariant& value);
    virtual QVariant value(const QString& key);
    virtual void writeLog(const QString& text);

    // Last folder of a file dialog; also touched by the capture-saving thread, hence guarded.
    QString fileDialogPath() const;
    void setFileDialogPath(const QString& path);

    // How a camera's picture is turned over, by the camera's key (its device path): Qt::Horizontal
    // mirrors it, Qt::Vertical flips it. Written through at once.
    Qt::Orientations cameraOrientation(const QString& camera) const;
    void setCameraOrientation(const QString& camera, Qt::Orientations orientation);

    // The sound input recorded beside the screen: the sound server's name of a source, empty
    // for none; kept in currentCamera.audioInput and written at once.
    static constexpr const char* kDefaultAudioInput = "@DEFAULT_SOURCE@";
    void setAudioInput(const QString& name);

    // The settings file, "application.ini" in the "ini/" data folder.
    static QString settingsFile();

    // Public process-wide values (GUI thread only); persisted by the next writeConfigure.
    QRect freeCaptureRect;
    QStringList ocrLangs{QStringLiteral("English")};
    bool photoSound = false;
    int frameRate = 20;
    // Count 3 seconds down before a screen recording starts.
    bool recordingCountdown = true;

    // Fixed values.
    QString productName;
    QString company;
    QString version;
    QString logoFile;
    WifiEndpoint wifi;    // where the wireless camera is reached; empty host means none
    QString wifiRtspUrl;  // the wireless stream address, empty without a host
    QString osVersion;

    // Camera state kept for the camera manager and the user interface.
    bool wifiMode = false;
    ICameraInfo currentCamera;
    QList<ICameraInfo> cameraList;

private:
    IConfigureService();
    void setFixedValues();
    void setPhotoFormatUnsaved(const QString& format);

    // Guards photoFormat_ and fileDialogPath_, which worker threads read. A standard mutex: the
    // thread sanitizer sees its locking (QMutex locks inside the uninstrumented Qt library).
    mutable std::mutex sharedMutex_;
    QString langId_{QStringLiteral("1033")};
    QString photoPath_;
    QString photoFormat_{QStringLiteral("jpeg")};
    QString videoPath_;
    QString videoFormat_{QStringLiteral("mp4")};
    QColor pencilColor_{Qt::black};
    int pencilThickness_ = 5;
    int pencilTransparent_ = 200;
    int eraseSize_ = 100;
    bool shapeFilled_ = true;
    QSize cameraResolution_{1920, 1080};
    QString fileDialogPath_;
    int exposure_ = -1;
    int focusValue_ = -1;
    QMap<QString, int> cameraOrientations_;
};

#endif  // ICONFIGURESERVICE_H
