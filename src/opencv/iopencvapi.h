#ifndef IOPENCVAPI_H
#define IOPENCVAPI_H

#include <QImage>
#include <QPolygonF>
#include <QSize>
#include <opencv2/core.hpp>

#include "imagetype.h"
#include "opencv/edgeresult.h"

// The program's image algorithms over OpenCV matrices. Every function is stateless and
// reentrant: any thread may call any of them at any time. Unsupported input (empty, two
// channels, other depths or formats) gives a null/empty result and a log line.
//
// Matrices hold 8-bit channels in the order B, G, R (, A): CV_8UC1 grey, CV_8UC3, CV_8UC4.
class IOpencvApi {
public:
    IOpencvApi() = delete;

    // Deep copy of the matrix: CV_8UC1 as Indexed8 with a grey table, CV_8UC3 as BGR888,
    // CV_8UC4 as RGB32. The picture never refers to the matrix's memory.
    static QImage cvMat2Image(const cv::Mat& mat);
    // Deep copy of the picture: Indexed8/Grayscale8 as CV_8UC1, RGB888/BGR888 as CV_8UC3 in
    // B, G, R order, RGB32/ARGB32/ARGB32_Premultiplied as CV_8UC4.
    static cv::Mat image2Mat(const QImage& image);

    // Grey matrix (CV_8UC1) of a one-, three- or four-channel matrix.
    static cv::Mat toGray(const cv::Mat& mat);
    // toGray, then 0 where a pixel is clearly darker than its neighbourhood (a window of about a
    // fiftieth of the picture's shorter side) and 255 elsewhere: text stays black under uneven
    // light, paper and uniform areas become white.
    static cv::Mat toBlackWhite(const cv::Mat& mat);
    // The frame filtered for a still: the picture itself, grey or black and white.
    static QImage applyImageType(const cv::Mat& frame, ImageType type);

    // Finds the document outline in a live frame and draws it in red into the frame's pixels
    // (the caller owns the frame). A frame without any contour gives angle 0 and the whole
    // frame as polygon and is left unchanged.
    // Frames above about a megapixel are searched on a reduced copy and the outline's sides are
    // then placed on the full-size frame's edges.
    static EdgeResult detectDocumentEdge(cv::Mat frame);
    // An outline found on a copy `coarseScale` times smaller than `frame`, mapped to the frame's
    // pixels, with its sides placed on the frame's own edges; the angle stays. Without an
    // outline (angle -1) or when nothing was reduced it comes back as it was.
    static EdgeResult refineDocumentEdge(const cv::Mat& frame, const EdgeResult& coarse,
                                         double coarseScale);

    // Cuts the detected document out of a picture and turns it upright, without a 6-pixel
    // margin on each side. A picture whose outline cannot be cut comes back unchanged.
    static QImage straighten(const QImage& picture, const EdgeResult& edge);
    // The straightened document as a matrix; empty when the outline does not give an area
    // inside the turned picture. Points are scaled by (sx, sy) into the matrix's pixels.
    static cv::Mat cropDocument(const cv::Mat& mat, double angle, const QPolygonF& polygon,
                                const QSize& size, double sx, double sy);
    // The matrix turned clockwise by `angle` degrees about its centre onto a canvas that holds
    // the whole turned picture; uncovered corners are 0 in every channel.
    static cv::Mat rotateExpanded(const cv::Mat& mat, double angle);
};

#endif  // IOPENCVAPI_H
