// IWifiRtspThread's video thread: the RTSP/H.264 loop, decoding, reopening, flushing, loss rate.
#include "iwifirtspthread.h"

#include <QDebug>
#include <QTime>
#include <QTransform>
#include <mutex>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libswscale/swscale.h>
}

#include "ffmpeg/h264settings.h"
#include "ffmpeg/wifirtsp/yuvpicture.h"
#include "opencv/iopencvapi.h"
#include "platform/thread/workerjoin.h"
#include "platform/video/iframedecoder.h"
#include "platform/video/iviewscale.h"

namespace {

const int kLastVideoStreamMode = 2;
const qint64 kFailureLogIntervalMs = 1000;
const int kPauseSliceMs = 20;

QString clockText()
{
    return QTime::currentTime().toString(QStringLiteral("hh:mm:ss"));
}

}  // namespace

// ---------------------------------------------------------------------------------------------
// Video settings, set from the owning thread

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

void IWifiRtspThread::setViewSize(const QSize& shown)
{
    std::lock_guard<std::mutex> locker(mutex_);
    viewSize_ = shown;
}

void IWifiRtspThread::slTimeOut()
{
    std::lock_guard<std::mutex> locker(mutex_);
    flushRequested_ = true;
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
        qDebug().noquote() << "can't open the rtsp url." << avErrorText(opened);
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
        qDebug().noquote() << "av_read_frame: " << error << avErrorText(error) << elapsed
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
    QSize shown;
    {
        std::lock_guard<std::mutex> locker(mutex_);
        detect = edgeDetection_;
        shown = viewSize_;
    }
    const QSize target = IViewScale::target(picture.size(), shown);
    if (target != picture.size()) {
        showScaledPicture(picture, target, detect);
        return;
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

// Scaled once here, so the GUI thread draws it one to one; photos get the full picture.
void IWifiRtspThread::showScaledPicture(const QImage& picture, const QSize& target, bool detect)
{
    QImage shown = IFrameDecoder::scaled(picture, target);
    if (shown.isNull()) {
        qDebug() << "no memory for a picture of " << target;
        return;
    }
    IViewScale::markFullSize(&shown, picture.size());
    std::optional<EdgeResult> edge;
    if (detect) {
        const cv::Mat pixels(shown.height(), shown.width(), CV_8UC4, shown.bits(),
                             size_t(shown.bytesPerLine()));
        edge = IOpencvApi::detectDocumentEdge(pixels);
        edge->polygon = QTransform::fromScale(double(picture.width()) / shown.width(),
                                              double(picture.height()) / shown.height())
                            .map(edge->polygon);
    }
    grabber_.storeViewFrame(
        shown, [picture] { return picture; }, grabber_.session(), edge, packetArrival_);
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
