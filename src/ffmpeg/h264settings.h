// H.264 encoder settings and FFmpeg error text shared by the screen recorder and the time-lapse
// writer.
#ifndef H264SETTINGS_H
#define H264SETTINGS_H

#include <QSize>
#include <QString>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/dict.h>
#include <libavutil/error.h>
}

// The text of an FFmpeg error code.
inline QString avErrorText(int code)
{
    char text[AV_ERROR_MAX_STRING_SIZE] = {};
    av_strerror(code, text, sizeof(text));
    return QString::fromLocal8Bit(text);
}

namespace h264settings {

// The picture stream both writers encode: 4:2:0 pictures of `size` at `frameRate` frames a second,
// no B-frames, as many threads as the encoder finds useful, and the stream headers kept apart where
// `container` wants them so.
inline void setStreamLayout(AVCodecContext* encoder, const AVOutputFormat* container,
                            const QSize& size, int frameRate)
{
    encoder->pix_fmt = AV_PIX_FMT_YUV420P;
    encoder->width = size.width();
    encoder->height = size.height();
    encoder->time_base = AVRational{1, frameRate};
    encoder->framerate = AVRational{frameRate, 1};
    encoder->max_b_frames = 0;
    encoder->thread_count = 0;
    if (container->flags & AVFMT_GLOBALHEADER) {
        encoder->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
    }
}

// The x264 options for quick encoding without delay, in the High profile.
inline void setLowLatencyOptions(AVDictionary** options)
{
    av_dict_set(options, "preset", "superfast", 0);
    av_dict_set(options, "tune", "zerolatency", 0);
    av_dict_set(options, "profile", "high", 0);
}

}  // namespace h264settings

#endif  // H264SETTINGS_H
