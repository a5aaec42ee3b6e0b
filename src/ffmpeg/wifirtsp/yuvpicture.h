#ifndef YUVPICTURE_H
#define YUVPICTURE_H

struct AVFrame;
class QImage;

// Converts a decoded picture in one of the usual planar or semi-planar YUV layouts (4:2:0 and
// 4:2:2, limited or full range, BT.601 or BT.709) into `out`, a Format_RGB32 picture of the
// picture's size, with libyuv: several times faster than swscale for the same result. False for
// any other layout, which is then swscale's job.
bool convertYuvPicture(const AVFrame& frame, QImage* out);

#endif  // YUVPICTURE_H
