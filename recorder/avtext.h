#ifndef AVTEXT_H
#define AVTEXT_H

#include <QString>

extern "C" {
#include <libavutil/error.h>
}

// The text of an FFmpeg error code.
inline QString avText(int code)
{
    char text[AV_ERROR_MAX_STRING_SIZE] = {};
    av_strerror(code, text, sizeof(text));
    return QString::fromLocal8Bit(text);
}

#endif  // AVTEXT_H
