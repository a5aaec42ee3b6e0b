// IWifiRtspThread's control link: the TCP control protocol, its replies and commands.
#include "iwifirtspthread.h"

#include <QDebug>
#include <algorithm>
#include <climits>
#include <mutex>

#include "ffmpeg/wifirtsp/itcpsocket.h"
#include "ffmpeg/wifirtsp/wifipacketbuilder.h"
#include "ffmpeg/wifirtsp/wifireply.h"
#include "opencv/iopencvapi.h"
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

}  // namespace

void IWifiRtspThread::initProtocolRecords()
{
    for (int i = 0; i < 5; ++i) {
        parameters_.append({0, 100, 0.0, 0.0});
    }
    for (int i = 0; i < kQualityBytes; ++i) {
        pendingQuality_.append(QByteArray());
    }
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
// Parameter getters

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
