#include "platform/screencast/pipewireparams.h"

#include <spa/buffer/buffer.h>
#include <spa/param/buffers.h>
#include <spa/param/video/format-utils.h>
#include <spa/pod/builder.h>

static const struct spa_pod* format_param(struct spa_pod_builder* b, int dmabuf)
{
    struct spa_pod_frame frame;
    spa_pod_builder_push_object(b, &frame, SPA_TYPE_OBJECT_Format, SPA_PARAM_EnumFormat);
    spa_pod_builder_add(
        b, SPA_FORMAT_mediaType, SPA_POD_Id(SPA_MEDIA_TYPE_video), SPA_FORMAT_mediaSubtype,
        SPA_POD_Id(SPA_MEDIA_SUBTYPE_raw), SPA_FORMAT_VIDEO_format,
        SPA_POD_CHOICE_ENUM_Id(5, SPA_VIDEO_FORMAT_BGRx, SPA_VIDEO_FORMAT_BGRx,
                               SPA_VIDEO_FORMAT_BGRA, SPA_VIDEO_FORMAT_RGBx, SPA_VIDEO_FORMAT_RGBA),
        0);
    if (dmabuf) {
        spa_pod_builder_prop(b, SPA_FORMAT_VIDEO_modifier, SPA_POD_PROP_FLAG_MANDATORY);
        spa_pod_builder_long(b, 0); /* DRM_FORMAT_MOD_LINEAR: readable through mmap */
    }
    spa_pod_builder_add(
        b, SPA_FORMAT_VIDEO_size,
        SPA_POD_CHOICE_RANGE_Rectangle(&SPA_RECTANGLE(1920, 1080), &SPA_RECTANGLE(1, 1),
                                       &SPA_RECTANGLE(16384, 16384)),
        SPA_FORMAT_VIDEO_framerate,
        SPA_POD_CHOICE_RANGE_Fraction(&SPA_FRACTION(30, 1), &SPA_FRACTION(0, 1),
                                      &SPA_FRACTION(1000, 1)),
        0);
    return (const struct spa_pod*)spa_pod_builder_pop(b, &frame);
}

unsigned screencast_format_params(struct spa_pod_builder* builder, const struct spa_pod** params)
{
    params[0] = format_param(builder, 1);
    params[1] = format_param(builder, 0);
    return 2;
}

const struct spa_pod* screencast_buffer_param(struct spa_pod_builder* builder, int dmabuf)
{
    int types = (1 << SPA_DATA_MemPtr) | (1 << SPA_DATA_MemFd);
    if (dmabuf) {
        types = 1 << SPA_DATA_DmaBuf;
    }
    return (const struct spa_pod*)spa_pod_builder_add_object(
        builder, SPA_TYPE_OBJECT_ParamBuffers, SPA_PARAM_Buffers, SPA_PARAM_BUFFERS_dataType,
        SPA_POD_CHOICE_FLAGS_Int(types));
}

int screencast_parse_format(const struct spa_pod* param, unsigned* format, unsigned* width,
                            unsigned* height, int* dmabuf)
{
    uint32_t mediaType = 0;
    uint32_t mediaSubtype = 0;
    struct spa_video_info_raw info;
    if (!param || spa_format_parse(param, &mediaType, &mediaSubtype) < 0 ||
        mediaType != SPA_MEDIA_TYPE_video || mediaSubtype != SPA_MEDIA_SUBTYPE_raw) {
        return 0;
    }
    spa_zero(info);
    if (spa_format_video_raw_parse(param, &info) < 0) {
        return 0;
    }
    *format = info.format;
    *width = info.size.width;
    *height = info.size.height;
    *dmabuf = spa_pod_find_prop(param, NULL, SPA_FORMAT_VIDEO_modifier) != NULL;
    return 1;
}
