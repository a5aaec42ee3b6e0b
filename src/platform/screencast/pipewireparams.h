#ifndef PIPEWIREPARAMS_H
#define PIPEWIREPARAMS_H

// The stream parameters of a screen-cast consumer, built in C: the SPA pod macros rely on C
// compound literals.
#include <spa/pod/builder.h>

#ifdef __cplusplus
extern "C" {
#endif

enum { SCREENCAST_MAX_FORMAT_PARAMS = 2 };

// The formats we read: 32-bit BGRx, BGRA, RGBx, RGBA in any size, once as linear dmabuf (only
// chosen where the producer offers GPU buffers) and once as plain memory. Returns the count.
unsigned screencast_format_params(struct spa_pod_builder* builder, const struct spa_pod** params);

// The buffer types accepted for the negotiated format: memory, and dmabuf when `dmabuf`.
const struct spa_pod* screencast_buffer_param(struct spa_pod_builder* builder, int dmabuf);

// The negotiated raw video format; 0 when `param` is not one.
int screencast_parse_format(const struct spa_pod* param, unsigned* format, unsigned* width,
                            unsigned* height, int* dmabuf);

#ifdef __cplusplus
}
#endif

#endif  // PIPEWIREPARAMS_H
