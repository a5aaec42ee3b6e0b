#include "ipicturevynthesisvideo.h"

#include <QDebug>
#include <QFile>

#include "ffmpeg/h264settings.h"
#include "platform/thread/workerjoin.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libswscale/swscale.h>
}

namespace {

// 4:2:0 chroma needs even sizes; negative sizes count as 0.
int evenDown(int value)
{
    return qMax(0, value) & ~1;
}

// QImage's 32-bit formats hold one native-endian 0xAARRGGBB word per pixel, FFmpeg's RGB32.
bool is32BitFormat(QImage::Format format)
{
    return format == QImage::Format_RGB32 || format == QImage::Format_ARGB32;
}

}  // namespace

IPictureVynthesisVideo::IPictureVynthesisVideo(const QString& path, int width, int height,
                                               int frameRate, QObject* parent)
    : QThread(parent),
      path_(path),
      width_(evenDown(width)),
      height_(evenDown(height)),
      frameRate_(frameRate > 0 ? frameRate : 1)
{
    if (width_ != width || height_ != height) {
        qDebug() << "time-lapse video size" << width << height << "rounded to" << width_ << height_;
    }
    if (frameRate_ != frameRate) {
        qDebug() << "time-lapse frame rate" << frameRate << "is invalid, using" << frameRate_;
    }
}

IPictureVynthesisVideo::~IPictureVynthesisVideo()
{
    {
        std::lock_guard<std::mutex> lock(mutex_);
        finishFlag_ = true;
        wake_.notify_all();
    }
    joinWorker(*this, mutex_);
}

void IPictureVynthesisVideo::addPicture(const QImage& picture)
{
    if (picture.isNull()) {
        qDebug() << "empty picture not added to the time-lapse video";
        return;
    }
    {
        std::lock_guard<std::mutex> lock(mutex_);
        if (finishFlag_) {
            qDebug() << "time-lapse video already finished, picture dropped";
            return;
        }
        if (firstPicture_) {
            firstPicture_ = false;
            counter_ = 0;
        }
        ++counter_;
        qDebug() << "time-lapse picture" << counter_ << "queued";
        pictures_.enqueue(picture);
        wake_.notify_all();
    }
}

QString IPictureVynthesisVideo::finish(int& seconds)
{
    {
        std::lock_guard<std::mutex> lock(mutex_);
        finishFlag_ = true;
        wake_.notify_all();
    }
    // Called saved only once the queued pictures are written and the file is closed.
    joinWorker(*this, mutex_);
    std::lock_guard<std::mutex> lock(mutex_);
    seconds = counter_ / frameRate_;
    return complete_ ? path_ : QString();
}

bool IPictureVynthesisVideo::takePicture(QImage& picture)
{
    std::unique_lock<std::mutex> lock(mutex_);
    wake_.wait(lock, [this] { return !pictures_.isEmpty() || finishFlag_; });
    if (pictures_.isEmpty()) {
        return false;
    }
    picture = pictures_.dequeue();
    return true;
}

void IPictureVynthesisVideo::run()
{
    if (!openOutputStream(path_)) {
        qDebug() << "init ffmpeg error.";
        closeOutputStream();
        workerFinished(mutex_);
        return;
    }
    frame_ = av_frame_alloc();
    packet_ = av_packet_alloc();
    frame_->format = AV_PIX_FMT_YUV420P;
    frame_->width = width_;
    frame_->height = height_;
    if (!packet_ || av_frame_get_buffer(frame_, 0) < 0) {
        qDebug() << "time-lapse video: out of memory for the frame buffers";
        av_frame_free(&frame_);
        av_packet_free(&packet_);
        closeOutputStream();
        workerFinished(mutex_);
        return;
    }

    QImage picture;
    while (takePicture(picture)) {
        encodePicture(picture);
    }
    encodeFrame(nullptr);  // drain what the encoder still holds before the trailer
    {
        std::lock_guard<std::mutex> lock(mutex_);
        qDebug() << "exit IPictureVynthesisVideo." << finishFlag_;
    }
    av_frame_free(&frame_);
    av_packet_free(&packet_);
    const bool closed = closeOutputStream();
    if (frameIndex_ == 0) {
        // An MP4 without a single frame has no video stream at all and plays nowhere.
        QFile::remove(path_);
        qDebug() << "time-lapse video without pictures removed:" << path_;
    }
    {
        std::lock_guard<std::mutex> lock(mutex_);
        complete_ = closed && frameIndex_ > 0;
    }
    workerFinished(mutex_);
}

bool IPictureVynthesisVideo::openOutputStream(const QString& path)
{
    if (width_ < 2 || height_ < 2) {
        qDebug() << "time-lapse video size is too small:" << width_ << height_;
        return false;
    }
    const QByteArray file = QFile::encodeName(path);
    int result = avformat_alloc_output_context2(&output_, nullptr, nullptr, file.constData());
    if (result < 0 || !output_) {
        qDebug() << "no container format for" << path << avErrorText(result);
        return false;
    }
    const AVCodec* codec = avcodec_find_encoder(AV_CODEC_ID_H264);
    if (!codec) {
        qDebug() << "Can not find output video encoder! (找不到输出视频编码器！)";
        return false;
    }
    encoder_ = avcodec_alloc_context3(codec);
    if (!encoder_) {
        qDebug() << "Can not find output video encoder! (找不到输出视频编码器！)";
        return false;
    }
    encoder_->codec_type = AVMEDIA_TYPE_VIDEO;
    h264settings::setStreamLayout(encoder_, output_->oformat, QSize(width_, height_), frameRate_);
    encoder_->bit_rate = 4000000;
    encoder_->gop_size = 100;
    encoder_->keyint_min = 25;
    encoder_->b_quant_factor = 1.0f;
    encoder_->refs = 3;
    encoder_->me_subpel_quality = 7;
    encoder_->qmin = 10;
    encoder_->qmax = 51;
    encoder_->trellis = 1;
    AVDictionary* options = nullptr;
    h264settings::setLowLatencyOptions(&options);
    result = avcodec_open2(encoder_, codec, &options);
    av_dict_free(&options);
    if (result < 0) {
        qDebug() << "Failed to open output video encoder! (打开输出视频编码器失败！)"
                 << avErrorText(result);
        return false;
    }
    stream_ = avformat_new_stream(output_, nullptr);
    if (!stream_ || avcodec_parameters_from_context(stream_->codecpar, encoder_) < 0) {
        qDebug() << "Failed to open output video encoder! (打开输出视频编码器失败！)";
        return false;
    }
    stream_->time_base = encoder_->time_base;
    if (!(output_->oformat->flags & AVFMT_NOFILE)) {
        result = avio_open(&output_->pb, file.constData(), AVIO_FLAG_WRITE);
        if (result < 0) {
            qDebug() << "Failed to open output file! (打开输出文件失败！)" << path
                     << avErrorText(result);
            return false;
        }
    }
    qDebug() << "time-lapse output" << path << output_->oformat->name << codec->name << width_
             << "x" << height_ << frameRate_ << "fps" << encoder_->bit_rate << "bit/s";
    result = avformat_write_header(output_, nullptr);
    if (result < 0) {
        qDebug() << "Failed to open output file! (打开输出文件失败！)" << avErrorText(result);
        return false;
    }
    headerWritten_ = true;
    return true;
}

void IPictureVynthesisVideo::encodePicture(const QImage& picture)
{
    const QImage source =
        is32BitFormat(picture.format()) ? picture : picture.convertToFormat(QImage::Format_RGB32);
    if (!scaler_ || source.size() != scalerSource_) {
        scaler_ = sws_getCachedContext(scaler_, source.width(), source.height(), AV_PIX_FMT_RGB32,
                                       width_, height_, AV_PIX_FMT_YUV420P, SWS_BICUBIC, nullptr,
                                       nullptr, nullptr);
        scalerSource_ = source.size();
        qDebug() << "init video_convert_ctx" << source.width() << source.height();
    }
    const qint64 index = frameIndex_++;  // a failed picture still takes its place in time
    if (!scaler_ || av_frame_make_writable(frame_) < 0) {
        qDebug() << "time-lapse picture skipped: no scaler or frame buffer";
        return;
    }
    const uint8_t* planes[1] = {source.constBits()};
    const int strides[1] = {static_cast<int>(source.bytesPerLine())};
    sws_scale(scaler_, planes, strides, 0, source.height(), frame_->data, frame_->linesize);
    frame_->pts = index;
    encodeFrame(frame_);
}

// Sends one frame (nullptr: end of stream) and writes every packet the encoder has ready.
void IPictureVynthesisVideo::encodeFrame(const AVFrame* frame)
{
    int result = avcodec_send_frame(encoder_, frame);
    if (result < 0) {
        qDebug() << "h264 avcodec_encode_video2 error " << result << avErrorText(result);
        return;
    }
    bool gotPicture = false;
    while ((result = avcodec_receive_packet(encoder_, packet_)) >= 0) {
        gotPicture = true;
        if (packet_->duration <= 0) {
            packet_->duration = 1;  // one frame in the encoder's time base
        }
        // The container may have chosen a finer time base than 1 / frame rate.
        av_packet_rescale_ts(packet_, encoder_->time_base, stream_->time_base);
        packet_->stream_index = stream_->index;
        const int written = av_interleaved_write_frame(output_, packet_);
        if (written < 0) {
            qDebug() << "time-lapse packet not written:" << avErrorText(written);
        }
    }
    if (result != AVERROR(EAGAIN) && result != AVERROR_EOF) {
        qDebug() << "h264 avcodec_encode_video2 error " << result << avErrorText(result);
    }
    if (frame && !gotPicture) {
        qDebug() << " video --> got_picture != 1" << gotPicture;
    }
}

bool IPictureVynthesisVideo::closeOutputStream()
{
    bool ok = true;
    if (headerWritten_) {
        const int result = av_write_trailer(output_);
        if (result < 0) {
            qDebug() << "time-lapse trailer not written:" << avErrorText(result);
            ok = false;
        }
        headerWritten_ = false;
    }
    sws_freeContext(scaler_);
    scaler_ = nullptr;
    if (output_ && !(output_->oformat->flags & AVFMT_NOFILE)) {
        avio_closep(&output_->pb);
    }
    avcodec_free_context(&encoder_);
    avformat_free_context(output_);
    output_ = nullptr;
    stream_ = nullptr;
    qDebug() << "closeOutputStream";
    return ok;
}
