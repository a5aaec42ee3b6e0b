#include "iwifirtspthread.h"

#include <QDebug>
#include <QTime>
#include <algorithm>
#include <climits>
#include <mutex>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/error.h>
#include <libswscale/swscale.h>
}

#include "ffmpeg/wifirtsp/itcpsocket.h"
#include "ffmpeg/wifirtsp/wifipacketbuilder.h"
#include "ffmpeg/wifirtsp/wifireply.h"
#include "ffmpeg/wifirtsp/wifiresolutiontable.h"
#include "ffmpeg/wifirtsp/yuvpicture.h"
#include "opencv/iopencvapi.h"
#include "platform/thread/workerjoin.h"
#include "service/iconfigureservice.h"
#include "service/ilog.h"

namespace {

// Parameter records and their places among the eight quality bytes.
enum Record { ContrastRecord, SaturationRecord, BrightnessRecord, ExposureRecord, FocusRecord };
enum QualityByte { BrightnessByte, SaturationByte, ContrastByte, ExposureByte = 5, FocusByte = 6 };
const int kQualityBytes = 8;
const int kAutomatic = -999;
const int kCurrent = 3;  // {minimum, maximum, default, current}
const int kDefault = 2;
const int kWallLampSteps = 4;
const int kLastVideoStreamMode = 2;
const qint64 kFailureLogIntervalMs = 1000;
const int kPauseSliceMs = 20;

std::mutex g_sharedMutex;  // guards the two process-wide values below
QString g_rtspUrl;
bool g_rtspUrlSet = false;
QSize g_lastWifiResolution(-1, -1);

// Makes `size` the last known wireless resolution; false when it already was.
bool updateLastWifiResolution(const QSize& size, QSize* previous = nullptr)
{
    std::lock_guard<std::mutex> locker(g_sharedMutex);
    if (previous) {
        *previous = g_lastWifiResolution;
    }
    if (g_lastWifiResolution == size) {
        return false;
    }
    g_lastWifiResolution = size;
    return true;
}

QString errorText(int code)
{
    char text[AV_ERROR_MAX_STRING_SIZE] = {};
    av_strerror(code, text, sizeof(text));
    return QString::fromUtf8(text);
}

// The first words of the log line of a routine reply.
const char* replyLabel(quint16 index)
{
    switch (index) {
        case WifiReply::AutoFocusDone:
            return "autofocus state: ";
        case WifiReply::TopLampDone:
            return "top lamp state: ";
        case WifiReply::WallLampDone:
            return "wall lamp state: ";
        case WifiReply::LampState:
            return "lamp state: ";
        case WifiReply::EncodingSet:
        case WifiReply::EncodingState:
            return "image encod state: ";
        default:
            return "image quality state: ";
    }
}

QString clockText()
{
    return QTime::currentTime().toString(QStringLiteral("hh:mm:ss"));
}

}  // namespace

IWifiRtspThread::IWifiRtspThread(QObject* parent) : QThread(parent)
{
    for (int i = 0; i < 5; ++i) {
        parameters_.append({0, 100, 0.0, 0.0});
    }
    for (int i = 0; i < kQualityBytes; ++i) {
        pendingQuality_.append(QByteArray());
    }
    reconnectDelayMs_ = timings_.reconnectFirstMs;
    captureTimer_.setSingleShot(true);
    connect(&captureTimer_, &QTimer::timeout, this, &IWifiRtspThread::onCaptureTimeout);
    reconnectTimer_.setSingleShot(true);
    connect(&reconnectTimer_, &QTimer::timeout, this, &IWifiRtspThread::initSocket);
    connect(&grabber_, &IStillCaptureImageGrabber::sgFrame, this, &IWifiRtspThread::sgCameraFrame);
}

IWifiRtspThread::~IWifiRtspThread()
{
    {
        std::lock_guard<std::mutex> locker(mutex_);
        stopFlag_ = true;  // a bind answer arriving now must not start the video loop
    }
    reconnectTimer_.stop();
    captureTimer_.stop();
    ITcpSocket* socket = nullptr;
    {
        std::lock_guard<std::mutex> locker(protocolMutex_);
        std::swap(socket, tcpSocket_);
    }
    delete socket;  // waits for the control connection's thread
    delete flushTimer_;
    requestInterruption();
    quit();
    joinWorker(*this, mutex_);
}

void IWifiRtspThread::setTimings(const WifiTimings& timings)
{
    timings_ = timings;
    reconnectDelayMs_ = timings.reconnectFirstMs;
}

// ---------------------------------------------------------------------------------------------
// Process-wide values

QString IWifiRtspThread::rtspUrl() const
{
    std::lock_guard<std::mutex> locker(g_sharedMutex);
    if (!g_rtspUrlSet) {
        g_rtspUrl = IConfigureService::instance()->wifiRtspUrl;
        g_rtspUrlSet = true;
    }
    return g_rtspUrl;
}

void IWifiRtspThread::setRtspUrl(const QString& url)
{
    std::lock_guard<std::mutex> locker(g_sharedMutex);
    g_rtspUrl = url;
    g_rtspUrlSet = true;
}

QSize IWifiRtspThread::lastWifiResolution()
{
    std::lock_guard<std::mutex> locker(g_sharedMutex);
    return g_lastWifiResolution;
}

void IWifiRtspThread::resetLastWifiResolution()
{
    std::lock_guard<std::mutex> locker(g_sharedMutex);
    g_lastWifiResolution = QSize(-1, -1);
}

// ---------------------------------------------------------------------------------------------
// Control link

void IWifiRtspThread::startControl()
{
    rtspUrl();  // takes the configured address in the owning thread
    initSocket();
    if (!flushTimer_) {
        flushTimer_ = new QTimer;
        connect(flushTimer_, &QTimer::timeout, this, &IWifiRtspThread::slTimeOut);
        flushTimer_->start(timings_.flushIntervalMs);
    }
}

void IWifiRtspThread::initSocket()
{
    ITcpSocket* previous = nullptr;
    {
        std::lock_guard<std::mutex> locker(protocolMutex_);
        std::swap(previous, tcpSocket_);
        clientId_.clear();
        awaitingBind_ = true;
        rtspOverTcp_ = false;
    }
    if (previous) {
        disconnect(previous, nullptr, this, nullptr);
        delete previous;  // waits for its thread
    }
    {
        std::lock_guard<std::mutex> locker(replyMutex_);
        replies_.clear();  // an unfinished reply of the old connection is never completed
    }
    const WifiEndpoint endpoint = IConfigureService::instance()->wifi;
    if (endpoint.host.isEmpty()) {
        qDebug() << "wifi camera host is empty, no control connection.";
        return;
    }
    auto* socket = new ITcpSocket(endpoint.host, endpoint.controlPort, timings_);
    connect(socket, &ITcpSocket::sgError, this, &IWifiRtspThread::slTcpError);
    connect(socket, &ITcpSocket::sgDisconnect, this, &IWifiRtspThread::slTcpDisconnect);
    connect(socket, &ITcpSocket::sgReceivePacket, this, &IWifiRtspThread::slTcpReceivePacket,
            Qt::DirectConnection);
    {
        std::lock_guard<std::mutex> locker(protocolMutex_);
        tcpSocket_ = socket;
    }
    socket->start();
}

void IWifiRtspThread::slTcpError(const QString& text)
{
    qDebug().noquote() << "wifi tcp socket error: " << text;
}

void IWifiRtspThread::slTcpDisconnect()
{
    // Reports of a connection that was replaced meanwhile are stale.
    if (tcpSocket_ && tcpSocket_->connectionLost()) {
        reconnectLater();
    }
}

void IWifiRtspThread::reconnectLater()
{
    if (reconnectTimer_.isActive()) {
        return;
    }
    if (resetReconnectDelay_.exchange(false)) {
        reconnectDelayMs_ = timings_.reconnectFirstMs;
    }
    const int delay = reconnectDelayMs_;
    reconnectDelayMs_ = qMin(2 * delay, timings_.reconnectMaxMs);
    qDebug() << "wifi control link lost, reconnecting in " << delay << " ms";
    reconnectTimer_.start(delay);
}

void IWifiRtspThread::slTcpReceivePacket(const QByteArray& message)
{
    Unpacket(message);
}

bool IWifiRtspThread::isBoundLocked() const
{
    return tcpSocket_ && !awaitingBind_;
}

bool IWifiRtspThread::sendCommand(int command, const QByteArray& payload)
{
    std::lock_guard<std::mutex> locker(protocolMutex_);
    if (!isBoundLocked()) {
        return false;
    }
    tcpSocket_->queueMessage(WifiPacketBuilder::build(clientId_, command, payload));
    return true;
}

QByteArray IWifiRtspThread::buildPacket(int command, const QVariant& payload)
{
    std::lock_guard<std::mutex> locker(protocolMutex_);
    return WifiPacketBuilder::build(clientId_, command, payload.toByteArray());
}

QByteArray IWifiRtspThread::Unpacket(const QByteArray& message)
{
    // A chunk that a replaced connection delivered late belongs to no current link.
    if (auto* from = qobject_cast<ITcpSocket*>(QThread::currentThread())) {
        std::lock_guard<std::mutex> locker(protocolMutex_);
        if (from != tcpSocket_) {
            return message;
        }
    }
    if (!takeBindAnswer(message)) {
        std::lock_guard<std::mutex> locker(replyMutex_);
        replies_.append(message);
        WifiReply reply;
        while (replies_.next(&reply)) {
            dispatchReply(reply);
        }
    }
    return message;
}

bool IWifiRtspThread::takeBindAnswer(const QByteArray& message)
{
    bool tcp = false;
    {
        std::lock_guard<std::mutex> locker(protocolMutex_);
        if (!awaitingBind_) {
            return false;
        }
        awaitingBind_ = false;
        if (message.size() != 2) {
            qDebug() << "bind port error.";
            return true;
        }
        clientId_ = message;
        rtspOverTcp_ = quint8(message.at(1)) == 0x80;
        tcp = rtspOverTcp_;
    }
    qDebug().noquote() << "bind port success: " << message.toHex();
    qDebug() << (tcp ? "rtsp TCP---->" : "rtsp UDP---->");
    resetReconnectDelay_ = true;
    if (!stopRequested()) {
        start();
    }
    if (capturePending_) {
        qDebug() << "拍照超时：重连成功，发送拍照命令!";
        sendCommand(WifiPacketBuilder::TakePicture);
    } else {
        sendCommand(WifiPacketBuilder::QueryEncoding);
        sendCommand(WifiPacketBuilder::QueryDefaultQuality);
    }
    return true;
}

bool IWifiRtspThread::logPass(int kind, quint64* count)
{
    // A camera repeats a few replies in normal use; only a flood is thinned out.
    ILogThrottle& throttle = logThrottles_.try_emplace(kind, 100, 10).first->second;
    const bool pass = throttle.pass();
    *count = throttle.count();
    return pass;
}

// Logs a line a peer can repeat at will: the first ten of its kind, then every hundredth with
// the count, and at most a few hundred bytes of `bytes`.
void IWifiRtspThread::logRepeatable(int kind, const QString& text, const QByteArray& bytes)
{
    quint64 count = 0;
    if (logPass(kind, &count)) {
        qDebug().noquote() << text << logHexDump(bytes)
                           << (count > 1 ? QStringLiteral("(%1 so far)").arg(count) : QString());
    }
}

// Interprets one whole reply taken from the received stream (runs under replyMutex_).
void IWifiRtspThread::dispatchReply(const WifiReply& reply)
{
    const quint16 index = reply.index();
    if (reply.isNotification()) {
        if (index == WifiReply::ResolutionNotice) {
            onResolutionNotice(reply.resIndex());
        }
        return;
    }
    QByteArray id;
    {
        std::lock_guard<std::mutex> locker(protocolMutex_);
        id = clientId_;
    }
    if (reply.clientId() != id) {
        // Without a length field the bytes after a foreign reply cannot be trusted either.
        logRepeatable(ForeignClientLog,
                      QStringLiteral("invalid tcp packet. clientid: %1")
                          .arg(QString::fromLatin1(reply.clientId().toHex())),
                      reply.message());
        replies_.clear();
        return;
    }
    if (!reply.isComplete() || index == WifiReply::ResolutionNotice) {
        logRepeatable(UnknownIndexLog,
                      QStringLiteral("invalid tcp packet. cmdindex: %1").arg(index),
                      reply.message());
        return;
    }
    if (index == WifiReply::PictureHeader) {
        onPictureHeader(reply.pictureSize(), reply.state());
        return;
    }
    const bool logged = logReplyState(reply);
    if (index == WifiReply::EncodingState) {
        onEncodingState(reply.body(), reply.resIndex(), logged);
    } else if (index == WifiReply::QualityState) {
        onQualityState(reply.message(), reply.body(), logged);
    }
}

bool IWifiRtspThread::logReplyState(const WifiReply& reply)
{
    quint64 count = 0;
    if (!logPass(reply.index(), &count)) {
        return false;
    }
    QDebug line = qDebug().noquote();
    line << replyLabel(reply.index()) << QString::number(reply.state(), 16);
    if (reply.index() == WifiReply::LampState) {
        line << "top lamp: " << reply.body().toHex();
    }
    if (count > 1) {
        line << QStringLiteral("(%1 so far)").arg(count);
    }
    return true;
}

void IWifiRtspThread::onEncodingState(const QByteArray& body, int resIndex, bool verbose)
{
    const QSize size = resIndexToSize(resIndex);
    if (updateLastWifiResolution(size)) {
        postSignal("sgChangeResolutionFromOtherApp", Q_ARG(QSize, size));
        qDebug() << "start app sync resolution: " << size;
    }
    if (verbose) {
        qDebug().noquote() << "RateCtrl: " << body.mid(0, 1).toHex()
                           << "IDR: " << body.mid(1, 1).toHex()
                           << "FrameRate: " << body.mid(2, 1).toHex()
                           << "ResIndex: " << body.mid(3, 1).toHex()
                           << "BitRate: " << body.mid(4, 4).toHex();
    }
    QByteArray payload;
    {
        std::lock_guard<std::mutex> locker(protocolMutex_);
        if (!bitRate_.isEmpty()) {
            return;
        }
        rateCtrl_ = body.mid(0, 1);
        idr_ = body.mid(1, 1);
        frameRate_ = QByteArray(1, char(0x1E));
        const int requested =
            requestedResolution_.isNull() ? 0 : sizeToResIndex(requestedResolution_.toSizeF());
        resIndex_ = QByteArray(1, char(requested));
        bitRate_ = QByteArray(4, char(0xFF));
        if (resolutionPending_) {
            resolutionPending_ = false;
            payload = encodingPayloadLocked();
        }
    }
    if (!payload.isEmpty()) {
        sendCommand(WifiPacketBuilder::SetEncoding, payload);
    }
}

void IWifiRtspThread::onResolutionNotice(int resIndex)
{
    const QSize size = resIndexToSize(resIndex);
    QSize previous;
    if (updateLastWifiResolution(size, &previous)) {
        qDebug() << "other app chaneg resolution: " << previous << size;
        postSignal("sgChangeResolutionFromOtherApp", Q_ARG(QSize, size));
    }
}

void IWifiRtspThread::onQualityState(const QByteArray& message, const QByteArray& body,
                                     bool verbose)
{
    const auto value = [&body](int i) { return int(quint8(body.at(i))); };
    if (verbose) {
        qDebug() << "brightness: " << value(0) << "saturation: " << value(1)
                 << "contrast: " << value(2) << "definition: " << value(3)
                 << "antiflash: " << value(4) << "exposure: " << value(5) << "focus: " << value(6)
                 << "reserve: " << value(7);
    }
    const int field[] = {value(ContrastByte), value(SaturationByte), value(BrightnessByte),
                         value(ExposureByte), value(FocusByte)};
    bool queryCurrent = false;
    QByteArray payload;
    {
        std::lock_guard<std::mutex> locker(protocolMutex_);
        if (quality_.isEmpty()) {
            bool overridden = false;
            for (int i = 0; i < kQualityBytes; ++i) {
                quality_.append(pendingQuality_[i].isEmpty() ? body.mid(i, 1) : pendingQuality_[i]);
                overridden = overridden || !pendingQuality_[i].isEmpty();
                pendingQuality_[i].clear();
            }
            for (int record = ContrastRecord; record <= FocusRecord; ++record) {
                parameters_[record][kDefault] = field[record];
            }
            queryCurrent = true;
            payload = overridden ? qualityPayloadLocked() : QByteArray();
            qDebug().noquote() << "获取摄像头默认参数: " << message.toHex() << field[0] << field[1]
                               << field[2] << field[3] << field[4];
        } else if (std::all_of(parameters_.cbegin(), parameters_.cend(),
                               [](const auto& r) { return r[kCurrent].toDouble() == 0.0; })) {
            for (int record = ContrastRecord; record <= FocusRecord; ++record) {
                parameters_[record][kCurrent] = field[record];
            }
            qDebug().noquote() << "获取摄像头当前参数: " << message.toHex() << field[0] << field[1]
                               << field[2] << field[3] << field[4];
        }
    }
    if (queryCurrent) {
        sendCommand(WifiPacketBuilder::QueryCurrentQuality);
    }
    if (!payload.isEmpty()) {
        sendCommand(WifiPacketBuilder::SetQuality, payload);
    }
}

// Reads the picture that follows its header: the bytes already received, then the rest from the
// connection (runs under replyMutex_).
void IWifiRtspThread::onPictureHeader(quint32 size, quint8 state)
{
    auto* socket = qobject_cast<ITcpSocket*>(QThread::currentThread());
    const int byteCount = int(qMin<quint32>(size, INT_MAX));
    const QByteArray received = replies_.take(byteCount);
    QImage image;
    if (socket) {
        image = socket->readPicture(byteCount, received);
    }
    if (!image.isNull()) {
        if (!capturePending_.exchange(false)) {
            qDebug() << "picture without a pending capture, dropped.";
            return;
        }
        qDebug() << "picture state: " << state << "data size: " << size;
        const cv::Mat frame = IOpencvApi::image2Mat(image.convertToFormat(QImage::Format_RGB32));
        postSignal("sgCaptureImage", Q_ARG(QImage, convertImage(frame, captureType())));
    } else if (capturePending_) {
        sendCommand(WifiPacketBuilder::TakePicture);
        logRepeatable(PictureRetryLog,
                      QStringLiteral("拍照超时：TCP接收数据包不全，重新发送拍照命令!"),
                      QByteArray());
    }
}

// ---------------------------------------------------------------------------------------------
// Commands

QByteArray IWifiRtspThread::qualityPayloadLocked() const
{
    return quality_.join();
}

QByteArray IWifiRtspThread::encodingPayloadLocked() const
{
    return rateCtrl_ + idr_ + frameRate_ + resIndex_ + bitRate_;
}

void IWifiRtspThread::setQualityValue(int record, int byteIndex, const QVariant& value)
{
    QByteArray payload;
    {
        std::lock_guard<std::mutex> locker(protocolMutex_);
        if (!isBoundLocked()) {
            qDebug() << "wifi control link not bound, value not sent: " << value;
            return;
        }
        parameters_[record][kCurrent] = value;
        const QByteArray byte = WifiPacketBuilder::qualityByte(value);
        if (quality_.isEmpty()) {
            // Sent together with the camera's other values once they are known.
            pendingQuality_[byteIndex] = byte;
            return;
        }
        quality_[byteIndex] = byte;
        payload = qualityPayloadLocked();
    }
    sendCommand(WifiPacketBuilder::SetQuality, payload);
}

void IWifiRtspThread::setContrast(const QVariant& value)
{
    setQualityValue(ContrastRecord, ContrastByte, value);
}

void IWifiRtspThread::setSaturation(const QVariant& value)
{
    setQualityValue(SaturationRecord, SaturationByte, value);
}

void IWifiRtspThread::setBrightness(const QVariant& value)
{
    setQualityValue(BrightnessRecord, BrightnessByte, value);
}

void IWifiRtspThread::setAutoExposureFlag(const QVariant& value)
{
    qDebug() << "exposure-->" << value;
    if (value.toInt() != kAutomatic) {
        setQualityValue(ExposureRecord, ExposureByte, value);
    }
}

void IWifiRtspThread::setAutoFocusFlag(const QVariant& value)
{
    qDebug() << "focus-->" << value;
    if (value.toInt() != kAutomatic) {
        setQualityValue(FocusRecord, FocusByte, value);
        return;
    }
    {
        std::lock_guard<std::mutex> locker(protocolMutex_);
        if (!isBoundLocked()) {
            return;
        }
        const QByteArray automatic(1, char(0xFF));
        if (quality_.isEmpty()) {
            pendingQuality_[FocusByte] = automatic;
        } else {
            quality_[FocusByte] = automatic;
        }
    }
    sendCommand(WifiPacketBuilder::AutoFocus);
}

bool IWifiRtspThread::setResolution(const QVariant& size)
{
    QByteArray payload;
    {
        std::lock_guard<std::mutex> locker(protocolMutex_);
        const bool first = requestedResolution_.isNull();
        if (!isBoundLocked()) {
            if (first) {
                requestedResolution_ = size;
            }
            return first;
        }
        requestedResolution_ = size;
        if (bitRate_.isEmpty()) {
            resolutionPending_ = true;  // sent once the camera's encoding is known
            return true;
        }
        resIndex_ = QByteArray(1, char(sizeToResIndex(size.toSizeF())));
        payload = encodingPayloadLocked();
    }
    return sendCommand(WifiPacketBuilder::SetEncoding, payload);
}

int IWifiRtspThread::switchLamp()
{
    int step = 0;
    {
        std::lock_guard<std::mutex> locker(protocolMutex_);
        if (!isBoundLocked()) {
            return -1;
        }
        wallLampStep_ = (wallLampStep_ + 1) % kWallLampSteps;
        step = wallLampStep_;
    }
    sendCommand(WifiPacketBuilder::SetWallLamp, QByteArray(1, char(step)));
    return step;
}

bool IWifiRtspThread::setCaptureFalg(ImageType type)
{
    if (capturePending_) {
        qDebug() << "上次拍照还未结束，不处理。。。";
        return false;
    }
    {
        std::lock_guard<std::mutex> locker(mutex_);
        captureType_ = type;
    }
    {
        std::lock_guard<std::mutex> locker(protocolMutex_);
        if (!isBoundLocked()) {
            return false;
        }
    }
    qDebug() << "tcp socket take image request.";
    capturePending_ = true;
    if (!sendCommand(WifiPacketBuilder::TakePicture)) {
        capturePending_ = false;
        return false;
    }
    captureTimer_.start(timings_.captureTimeoutMs);
    return true;
}

void IWifiRtspThread::onCaptureTimeout()
{
    qDebug() << "10秒定时器---------------->" << capturePending_.load();
    if (capturePending_.exchange(false)) {
        qDebug() << "一次拍照失败，提示!";
        emit sgCaptureImage(QImage());
    }
    captureTimer_.stop();
}

ImageType IWifiRtspThread::captureType() const
{
    std::lock_guard<std::mutex> locker(mutex_);
    return captureType_;
}

// ---------------------------------------------------------------------------------------------
// Getters and small setters

QImage IWifiRtspThread::currentImage(ImageType type)
{
    // The video thread replaces, never rewrites, a stored picture.
    return grabber_.latestImage(type);
}

QImage IWifiRtspThread::convertImage(const cv::Mat& frame, ImageType type) const
{
    return IOpencvApi::applyImageType(frame, type);
}

QVariant IWifiRtspThread::contrast() const
{
    std::lock_guard<std::mutex> locker(protocolMutex_);
    return parameters_[ContrastRecord][kCurrent];
}

QVariant IWifiRtspThread::saturation() const
{
    std::lock_guard<std::mutex> locker(protocolMutex_);
    return parameters_[SaturationRecord][kCurrent];
}

QVariant IWifiRtspThread::brightness() const
{
    std::lock_guard<std::mutex> locker(protocolMutex_);
    return parameters_[BrightnessRecord][kCurrent];
}

QVariant IWifiRtspThread::currentResolution() const
{
    std::lock_guard<std::mutex> locker(protocolMutex_);
    return requestedResolution_;
}

IWifiRtspThread::ParameterRecords IWifiRtspThread::parameterData() const
{
    std::lock_guard<std::mutex> locker(protocolMutex_);
    return parameters_;
}

QList<QSize> IWifiRtspThread::resolutionList() const
{
    return WifiResolutionTable::sizes();
}

int IWifiRtspThread::sizeToResIndex(const QSizeF& size) const
{
    return WifiResolutionTable::sizeToResIndex(size);
}

QSize IWifiRtspThread::resIndexToSize(int index) const
{
    return WifiResolutionTable::resIndexToSize(index);
}

EdgeResult IWifiRtspThread::documentEdge() const
{
    return grabber_.edgeResult();
}

void IWifiRtspThread::setVideoStreamFilter(ImageType type)
{
    std::lock_guard<std::mutex> locker(mutex_);
    videoStreamFilter_ = type;
}

void IWifiRtspThread::setVideoStreamMode(int mode)
{
    std::lock_guard<std::mutex> locker(mutex_);
    videoStreamMode_ = mode;
}

void IWifiRtspThread::nextVideoStreamMode()
{
    std::lock_guard<std::mutex> locker(mutex_);
    videoStreamMode_ = videoStreamMode_ >= kLastVideoStreamMode ? 0 : videoStreamMode_ + 1;
}

void IWifiRtspThread::setPlaying(bool playing)
{
    std::lock_guard<std::mutex> locker(mutex_);
    playing_ = playing;
}

bool IWifiRtspThread::isPlaying() const
{
    std::lock_guard<std::mutex> locker(mutex_);
    return playing_;
}

void IWifiRtspThread::setEdgeDetection(bool on)
{
    std::lock_guard<std::mutex> locker(mutex_);
    edgeDetection_ = on;
}

void IWifiRtspThread::slTimeOut()
{
    std::lock_guard<std::mutex> locker(mutex_);
    flushRequested_ = true;
}

void IWifiRtspThread::stopThread()
{
    {
        std::lock_guard<std::mutex> locker(mutex_);
        if (stopFlag_) {
            return;
        }
        stopFlag_ = true;
    }
    requestInterruption();
    quit();
    joinWorker(*this, mutex_);
}

// ---------------------------------------------------------------------------------------------
// Video thread

int IWifiRtspThread::interruptCallback(void* self)
{
    return static_cast<IWifiRtspThread*>(self)->stopRequested() ? 1 : 0;
}

int IWifiRtspThread::initrtsp()
{
    static std::once_flag networkReady;
    std::call_once(networkReady, [] { avformat_network_init(); });
    const QString url = rtspUrl();
    if (url.isEmpty()) {
        qDebug() << "wifi rtsp url is null.";
        return -1;
    }
    formatContext_ = avformat_alloc_context();
    formatContext_->interrupt_callback = {&IWifiRtspThread::interruptCallback, this};
    bool tcp = false;
    {
        std::lock_guard<std::mutex> locker(protocolMutex_);
        tcp = rtspOverTcp_;
    }
    AVDictionary* options = nullptr;
    av_dict_set(&options, "buffer_size", "1024000", 0);
    av_dict_set(&options, "rtsp_transport", tcp ? "tcp" : "udp", 0);
    av_dict_set_int(&options, "timeout", qint64(timings_.socketTimeoutMs) * 1000, 0);
    av_dict_set(&options, "max_delay", "500000", 0);
    const int opened =
        avformat_open_input(&formatContext_, url.toUtf8().constData(), nullptr, &options);
    av_dict_free(&options);
    if (opened < 0) {
        qDebug().noquote() << "can't open the rtsp url." << errorText(opened);
        return -1;
    }
    if (avformat_find_stream_info(formatContext_, nullptr) < 0) {
        qDebug() << "Could't find stream infomation.";
        return -1;
    }
    videoStreamIndex_ = -1;
    for (unsigned i = 0; i < formatContext_->nb_streams; ++i) {
        if (formatContext_->streams[i]->codecpar->codec_type == AVMEDIA_TYPE_VIDEO) {
            videoStreamIndex_ = int(i);
        }
    }
    if (videoStreamIndex_ < 0) {
        qDebug() << "can not find a video stream.";
        return -1;
    }
    const AVCodecParameters* parameters = formatContext_->streams[videoStreamIndex_]->codecpar;
    const AVCodec* codec = avcodec_find_decoder(parameters->codec_id);
    if (!codec) {
        qDebug() << "Codec not found.";
        return -1;
    }
    codecContext_ = avcodec_alloc_context3(codec);
    if (!codecContext_ || avcodec_parameters_to_context(codecContext_, parameters) < 0) {
        qDebug() << "Could not open codec.";
        return -1;
    }
    codecContext_->bit_rate = 0;
    codecContext_->time_base = AVRational{1, 10};
    codecContext_->flags |= AV_CODEC_FLAG_LOW_DELAY;
    if (avcodec_open2(codecContext_, codec, nullptr) < 0) {
        qDebug() << "Could not open codec.";
        return -1;
    }
    lossMonitor_.watch(formatContext_, codecContext_);
    return 0;
}

void IWifiRtspThread::closeStream()
{
    lossMonitor_.unwatch();
    avcodec_free_context(&codecContext_);
    avformat_close_input(&formatContext_);
    videoStreamIndex_ = -1;
}

bool IWifiRtspThread::prepareScaler(int width, int height, int format)
{
    freeScaler();
    scalerSize_ = QSize(width, height);
    scalerFormat_ = format;
    if (width <= 0 || height <= 0 || format < 0) {
        return false;
    }
    scaler_ = sws_getContext(width, height, AVPixelFormat(format), width, height, AV_PIX_FMT_BGRA,
                             SWS_BICUBIC, nullptr, nullptr, nullptr);
    if (!scaler_) {
        qDebug() << "picture converter unavailable for " << scalerSize_ << format;
        return false;
    }
    return true;
}

void IWifiRtspThread::freeScaler()
{
    sws_freeContext(scaler_);
    scaler_ = nullptr;
    scalerSize_ = QSize();
    scalerFormat_ = -1;
}

bool IWifiRtspThread::reopenrtsp()
{
    lossMonitor_.clear();
    closeStream();
    if (initrtsp() != 0) {
        qDebug() << "reopen rtsp error,exit application";
        closeStream();
        return false;
    }
    freeScaler();  // rebuilt for the first picture of the new stream
    qDebug().noquote() << "reopen rtsp " << clockText();
    return true;
}

void IWifiRtspThread::scheduleRunningStatus()
{
    const int generation = ++streamGeneration_;
    streamAlive_ = true;
    // This thread has no event loop: the owning thread times the report.
    postSignal("startStatusTimer", Q_ARG(int, generation));
}

void IWifiRtspThread::startStatusTimer(int generation)
{
    QTimer::singleShot(timings_.statusDelayMs, this, [this, generation] {
        if (generation == streamGeneration_ && streamAlive_ && !stopRequested()) {
            emit sgError(0);
        }
    });
}

// By name, so that the call event and the copy of the argument are made and freed by Qt alone
// (as IDShowThread::postCall).
void IWifiRtspThread::postSignal(const char* signal, QGenericArgument argument)
{
    QMetaObject::invokeMethod(this, signal, Qt::QueuedConnection, argument);
}

void IWifiRtspThread::run()
{
    {
        // A restarted thread takes the lock the previous run released last: the sanitizer then
        // sees that run's work ordered before this one's.
        std::lock_guard<std::mutex> first(mutex_);
    }
    runStream();
    workerFinished(mutex_);
}

void IWifiRtspThread::runStream()
{
    if (initrtsp() != 0) {
        closeStream();
        if (!stopRequested()) {
            postSignal("sgError", Q_ARG(int, 1));
        }
        return;
    }
    scheduleRunningStatus();
    frame_ = av_frame_alloc();
    AVPacket* packet = av_packet_alloc();
    lossMonitor_.clear();
    readFailure_.invalidate();
    lossReport_.start();
    countedPackets_ = 0;
    lostPictures_ = 0;
    while (!stopRequested()) {
        reportLossRate();
        const int read = av_read_frame(formatContext_, packet);
        // Errors first, also while paused, so that a dead stream is reopened.
        if (read < 0) {
            av_packet_unref(packet);
            if (!handleReadFailure(read)) {
                break;
            }
            continue;
        }
        readFailure_.invalidate();
        packetArrival_ = std::chrono::steady_clock::now();
        if (isPlaying()) {
            if (packet->stream_index == videoStreamIndex_) {
                handleVideoPacket(packet);
            } else {
                qDebug() << "packet->stream_index not video stream";
            }
            flushIfRequested(packet->flags & AV_PKT_FLAG_KEY);
        }
        av_packet_unref(packet);
    }
    streamAlive_ = false;
    av_packet_free(&packet);
    av_frame_free(&frame_);
    freeScaler();
    closeStream();
    qDebug() << "exit rtsp stream";
}

bool IWifiRtspThread::handleReadFailure(int error)
{
    if (stopRequested()) {
        return false;
    }
    if (!readFailure_.isValid()) {
        readFailure_.start();
        failureLog_.invalidate();
        failedReads_ = 0;
    }
    ++failedReads_;
    countPackets(1, 1);
    const qint64 elapsed = readFailure_.elapsed();
    if (!failureLog_.isValid() || failureLog_.elapsed() >= kFailureLogIntervalMs) {
        qDebug().noquote() << "av_read_frame: " << error << errorText(error) << elapsed
                           << "ms, failed reads:" << failedReads_;
        failureLog_.start();
    }
    if (elapsed > timings_.reopenAfterMs && !reopenrtsp()) {
        qDebug() << "failed reads:" << failedReads_ << "in" << readFailure_.elapsed() << "ms";
        if (!stopRequested()) {
            postSignal("sgError", Q_ARG(int, 1));
        }
        return false;
    }
    pause(timings_.readRetryMs);
    return true;
}

void IWifiRtspThread::pause(int ms) const
{
    QElapsedTimer waited;
    waited.start();
    while (!stopRequested() && waited.elapsed() < ms) {
        QThread::msleep(qMin<qint64>(kPauseSliceMs, ms - waited.elapsed()));
    }
}

void IWifiRtspThread::handleVideoPacket(AVPacket* packet)
{
    const bool keyFrame = packet->flags & AV_PKT_FLAG_KEY;
    const int damageBefore = lossMonitor_.decodeDamageCount();
    countPackets(1, 0);
    const int sent = avcodec_send_packet(codecContext_, packet);
    if (sent < 0 && sent != AVERROR(EAGAIN)) {
        lossMonitor_.noteDecodeDamage();
        countPackets(0, 1);
        qDebug() << "decode error.\n";
        return;
    }
    bool gotPicture = false;
    int received = 0;
    while ((received = avcodec_receive_frame(codecContext_, frame_)) == 0) {
        gotPicture = true;
        if (frame_->decode_error_flags) {
            lossMonitor_.noteDecodeDamage();
        }
        handlePicture(frame_, keyFrame, lossMonitor_.decodeDamageCount() != damageBefore);
        av_frame_unref(frame_);
    }
    if (received != AVERROR(EAGAIN) && received != AVERROR_EOF) {
        lossMonitor_.noteDecodeDamage();
        qDebug() << "decode error.\n";
    }
    if (!gotPicture) {
        countPackets(0, 1);
        qDebug() << "got_picture < 0 " << 0;
    }
}

// Pictures decoded after lost data stay hidden until a clean key frame arrives.
bool IWifiRtspThread::hideAfterLoss(bool keyFrame, bool damagedByThisDecode)
{
    const bool network = lossMonitor_.networkLoss();
    const bool decode = lossMonitor_.decodeDamage();
    if (!network && !decode) {
        return false;
    }
    if (!keyFrame) {
        qDebug() << "ffmpeg源码 <====> 丢包或者编码失败 不显示图片";
        return true;
    }
    if (damagedByThisDecode) {
        qDebug() << "damaged key frame not shown";
        return true;
    }
    lossMonitor_.clear();
    qDebug() << "ffmpeg源码 <====> 丢包或者编码失败 到达下一个I帧 开始显示图片" << network
             << decode;
    avformat_flush(formatContext_);
    qDebug().noquote() << "I frame avformat_flush cache." << clockText();
    return false;
}

void IWifiRtspThread::handlePicture(AVFrame* frame, bool keyFrame, bool damagedByThisDecode)
{
    if (hideAfterLoss(keyFrame, damagedByThisDecode)) {
        countPackets(0, 1);
        return;
    }
    const QSize size(frame->width, frame->height);
    if (size != QSize(codecContext_->width, codecContext_->height)) {
        qDebug() << "切换分辨率之后 frame大小还是原来分辨率大小,跳过该帧." << size
                 << QSize(codecContext_->width, codecContext_->height);
        return;
    }
    if (!scaler_ || size != scalerSize_ || frame->format != scalerFormat_) {
        const bool resized = scalerSize_.isValid() && size != scalerSize_;
        if (resized) {
            qDebug() << "rtsp resolution change before size: " << scalerSize_;
        }
        prepareScaler(size.width(), size.height(), frame->format);
        if (resized) {
            qDebug() << "rtsp resolution change after size: " << size;
            return;
        }
    }
    if (scaler_) {
        showPicture(frame);
    }
}

void IWifiRtspThread::showPicture(AVFrame* frame)
{
    // A new picture each time: the one handed to the mailbox is never written again.
    QImage picture(frame->width, frame->height, QImage::Format_RGB32);  // B, G, R, A in memory
    if (picture.isNull()) {
        qDebug() << "no memory for a picture of " << scalerSize_;
        return;
    }
    if (!convertYuvPicture(*frame, &picture)) {
        uint8_t* target[4] = {picture.bits(), nullptr, nullptr, nullptr};
        const int targetStride[4] = {int(picture.bytesPerLine()), 0, 0, 0};
        sws_scale(scaler_, frame->data, frame->linesize, 0, frame->height, target, targetStride);
    }
    bool detect = false;
    {
        std::lock_guard<std::mutex> locker(mutex_);
        detect = edgeDetection_;
    }
    if (!detect) {
        grabber_.storeFrame(picture, grabber_.session(), std::nullopt, packetArrival_);
        return;
    }
    // The outline is drawn into a copy for the screen (bits() detaches it from `still`).
    const QImage still = picture;
    const cv::Mat pixels(picture.height(), picture.width(), CV_8UC4, picture.bits(),
                         size_t(picture.bytesPerLine()));
    grabber_.storeSearchedFrame(picture, still, grabber_.session(),
                                IOpencvApi::detectDocumentEdge(pixels), packetArrival_);
}

void IWifiRtspThread::flushIfRequested(bool keyFrame)
{
    if (!keyFrame) {
        return;
    }
    {
        std::lock_guard<std::mutex> locker(mutex_);
        if (!flushRequested_) {
            return;
        }
        flushRequested_ = false;
    }
    avformat_flush(formatContext_);
    qDebug().noquote() << "I frame avformat_flush cache." << clockText();
}

void IWifiRtspThread::countPackets(int counted, int lost)
{
    countedPackets_ += counted;
    lostPictures_ += lost;
}

void IWifiRtspThread::reportLossRate()
{
    if (lossReport_.elapsed() < timings_.lossReportMs) {
        return;
    }
    const double rate = countedPackets_ > 0 ? 100.0 * lostPictures_ / countedPackets_ : 0.0;
    postSignal("sgFrameLossRate",
               Q_ARG(QString, QString::number(qMin(rate, 100.0), 'f', 2) + QLatin1Char('%')));
    countedPackets_ = 0;
    lostPictures_ = 0;
    lossReport_.restart();
}
