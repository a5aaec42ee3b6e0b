#include "iscreengrabber.h"

#include <QByteArray>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavdevice/avdevice.h>
#include <libavformat/avformat.h>
#include <libavutil/dict.h>
}

#include "ffmpeg/h264settings.h"

namespace {

const AVInputFormat* x11grab()
{
    static const bool registered = [] {
        avdevice_register_all();
        return true;
    }();
    Q_UNUSED(registered);
    return av_find_input_format("x11grab");
}

}  // namespace

IScreenGrabber::IScreenGrabber() = default;

IScreenGrabber::~IScreenGrabber()
{
    close();
}

QString IScreenGrabber::displayName()
{
    return qEnvironmentVariable("DISPLAY");
}

QSize IScreenGrabber::screenSize(QString* error)
{
    const AVInputFormat* format = x11grab();
    if (!format || displayName().isEmpty()) {
        *error = format ? QStringLiteral("no X display (DISPLAY is empty)")
                        : QStringLiteral("x11grab is not available");
        return {};
    }
    // Without a size x11grab takes the whole screen.
    AVFormatContext* probe = nullptr;
    const int result =
        avformat_open_input(&probe, displayName().toLocal8Bit().constData(), format, nullptr);
    if (result < 0) {
        *error =
            QStringLiteral("cannot grab display %1: %2").arg(displayName(), avErrorText(result));
        return {};
    }
    QSize size;
    if (probe->nb_streams > 0) {
        size = QSize(probe->streams[0]->codecpar->width, probe->streams[0]->codecpar->height);
    }
    avformat_close_input(&probe);
    if (size.isEmpty()) {
        *error = QStringLiteral("display %1 has no picture").arg(displayName());
    }
    return size;
}

bool IScreenGrabber::open(const QRect& area, int frameRate, QString* error)
{
    const QByteArray url =
        QStringLiteral("%1+%2,%3").arg(displayName()).arg(area.x()).arg(area.y()).toLocal8Bit();
    AVDictionary* options = nullptr;
    const QByteArray size =
        QByteArray::number(area.width()) + 'x' + QByteArray::number(area.height());
    av_dict_set(&options, "video_size", size.constData(), 0);
    av_dict_set(&options, "framerate", QByteArray::number(frameRate).constData(), 0);
    av_dict_set(&options, "draw_mouse", "1", 0);
    const int result = avformat_open_input(&input_, url.constData(), x11grab(), &options);
    av_dict_free(&options);
    if (result < 0) {
        *error = QStringLiteral("cannot grab %1: %2")
                     .arg(QString::fromLocal8Bit(url), avErrorText(result));
        return false;
    }
    if (input_->nb_streams < 1) {
        *error = QStringLiteral("the grab has no video stream");
        return false;
    }
    packet_ = av_packet_alloc();
    return packet_ && openDecoder(error);
}

bool IScreenGrabber::openDecoder(QString* error)
{
    const AVCodecParameters* parameters = input_->streams[0]->codecpar;
    const AVCodec* codec = avcodec_find_decoder(parameters->codec_id);
    decoder_ = codec ? avcodec_alloc_context3(codec) : nullptr;
    if (!decoder_) {
        *error = QStringLiteral("no decoder for the grabbed pictures");
        return false;
    }
    int result = avcodec_parameters_to_context(decoder_, parameters);
    if (result >= 0) {
        result = avcodec_open2(decoder_, codec, nullptr);
    }
    if (result < 0) {
        *error = QStringLiteral("cannot open the picture decoder: %1").arg(avErrorText(result));
        return false;
    }
    return true;
}

bool IScreenGrabber::grab(AVFrame* picture, qint64* microseconds, QString* error)
{
    for (;;) {
        int result = avcodec_receive_frame(decoder_, picture);
        if (result >= 0) {
            *microseconds = av_rescale_q(picture->best_effort_timestamp,
                                         input_->streams[0]->time_base, AV_TIME_BASE_Q);
            return true;
        }
        if (result != AVERROR(EAGAIN)) {
            *error =
                QStringLiteral("decoding a grabbed picture failed: %1").arg(avErrorText(result));
            return false;
        }
        result = av_read_frame(input_, packet_);
        if (result < 0) {
            *error = QStringLiteral("grabbing the screen failed: %1").arg(avErrorText(result));
            return false;
        }
        result = avcodec_send_packet(decoder_, packet_);
        av_packet_unref(packet_);
        if (result < 0) {
            *error =
                QStringLiteral("decoding a grabbed picture failed: %1").arg(avErrorText(result));
            return false;
        }
    }
}

void IScreenGrabber::close()
{
    avcodec_free_context(&decoder_);
    av_packet_free(&packet_);
    avformat_close_input(&input_);
}
