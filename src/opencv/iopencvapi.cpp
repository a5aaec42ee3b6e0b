#include "iopencvapi.h"

#include <QDebug>
#include <QVector>
#include <algorithm>
#include <array>
#include <cmath>
#include <opencv2/imgproc.hpp>

namespace {

void setUpImageAlgorithms()
{
    // Queued signals carry edge results between the capture threads and the GUI thread.
    qRegisterMetaType<EdgeResult>("EdgeResult");
    // Every call runs on its caller's thread only. The capture threads, the saving thread and
    // the GUI already share the cores; OpenCV's own pool would compete with them for about 5%
    // less time per edge detection (adaptiveThreshold's box filter runs on one thread anyway).
    cv::setNumThreads(1);
}
Q_CONSTRUCTOR_FUNCTION(setUpImageAlgorithms)

// Black and white decides each pixel against its neighbourhood, so uneven light on a page keeps
// thin and grey text. The window spans a few text lines at any camera resolution; a pixel turns
// black only when it is clearly darker than its surroundings, so plain paper and desk stay white.
constexpr int kBlackWhiteMinBlock = 15;
constexpr int kBlackWhiteBlockDivisor = 50;
constexpr double kBlackWhiteOffset = 15;
constexpr int kThresholdBlock = 27;
constexpr int kOutlineThickness = 4;
constexpr int kStraightenMargin = 6;

bool isPictureMatrix(const cv::Mat& mat)
{
    return !mat.empty() && mat.dims == 2 && mat.depth() == CV_8U &&
           (mat.channels() == 1 || mat.channels() == 3 || mat.channels() == 4);
}

QString describe(const cv::Mat& mat)
{
    return QStringLiteral("%1x%2 type %3").arg(mat.cols).arg(mat.rows).arg(mat.type());
}

// A header over the picture's pixels; only ever read, then copied.
cv::Mat wrap(const QImage& image, int type)
{
    return cv::Mat(image.height(), image.width(), type, const_cast<uchar*>(image.constBits()),
                   static_cast<size_t>(image.bytesPerLine()));
}

QImage copyOut(const cv::Mat& mat, QImage::Format format)
{
    return QImage(mat.data, mat.cols, mat.rows, static_cast<int>(mat.step), format).copy();
}

QVector<QRgb> greyTable()
{
    QVector<QRgb> table(256);
    for (int i = 0; i < 256; ++i) {
        table[i] = qRgb(i, i, i);
    }
    return table;
}

// The contour whose bounding rectangle is largest; the first one wins ties.
const std::vector<cv::Point>& largestContour(const std::vector<std::vector<cv::Point>>& contours)
{
    size_t best = 0;
    int bestArea = -1;
    for (size_t i = 0; i < contours.size(); ++i) {
        const int area = cv::boundingRect(contours[i]).area();
        if (area > bestArea) {
            bestArea = area;
            best = i;
        }
    }
    return contours[best];
}

// minAreaRect answers in (0, 90] since OpenCV 4.5.1; the straightening expects the older
// range (-90, 0], in which a page skewed by less than 45 degrees has its width along the box's
// width. Turning the box by a quarter and swapping its sides describes the same rectangle.
cv::RotatedRect normalisedBox(cv::RotatedRect box)
{
    while (box.angle > 0) {
        box.angle -= 90;
        std::swap(box.size.width, box.size.height);
    }
    while (box.angle <= -90) {
        box.angle += 90;
        std::swap(box.size.width, box.size.height);
    }
    return box;
}

// The document's rotated box in pixel-edge coordinates, (0, 0) being the outer corner of the
// top-left pixel. The contour runs through the centres of the border pixels, half a pixel
// inside the edge, and the erosion and dilation leave the shape one pixel smaller all round:
// without growing the box by both, every corner would lie 1.5 to 2.5 pixels inside the page.
cv::RotatedRect outerBox(const std::vector<cv::Point>& contour)
{
    constexpr float kInset = 0.5f + 1.0f;
    cv::RotatedRect box = normalisedBox(cv::minAreaRect(contour));
    box.center += cv::Point2f(0.5f, 0.5f);
    box.size.width += 2 * kInset;
    box.size.height += 2 * kInset;
    return box;
}

EdgeResult wholeFrame(const cv::Mat& frame)
{
    EdgeResult result;
    result.angle = 0;
    result.polygon << QPointF(0, 0) << QPointF(0, frame.rows) << QPointF(frame.cols, frame.rows)
                   << QPointF(frame.cols, 0);
    return result;
}

// Binary picture of the frame in which the document's border is a white band.
cv::Mat documentMask(const cv::Mat& frame)
{
    cv::Mat grey;
    cv::Mat work;
    if (frame.channels() == 1) {
        frame.copyTo(grey);
    } else {
        cv::cvtColor(frame, grey, cv::COLOR_BGR2GRAY);
    }
    // Alternate between two buffers so that no step has to copy its input first.
    cv::adaptiveThreshold(grey, work, 255, cv::ADAPTIVE_THRESH_MEAN_C, cv::THRESH_BINARY,
                          kThresholdBlock, 0);
    cv::medianBlur(work, grey, 3);
    cv::erode(grey, work, cv::Mat(), cv::Point(-1, -1), 2, cv::BORDER_REPLICATE);
    cv::dilate(work, grey, cv::Mat(), cv::Point(-1, -1), 1, cv::BORDER_REPLICATE);
    return grey;
}

// The whole-number factor that brings a frame down to about one megapixel for the search: the
// threshold, filters and contour search cost in proportion to the pixels, and the outline's
// accuracy is restored at full size afterwards.
int reductionOf(const cv::Mat& frame)
{
    constexpr double kSearchedPixels = 1.0e6;
    return std::max(1, int(std::lround(std::sqrt(double(frame.total()) / kSearchedPixels))));
}

QPolygonF polygonOf(const std::array<cv::Point2f, 4>& p)
{
    QPolygonF polygon;
    for (int i : {0, 1, 3, 2}) {
        polygon << QPointF(p[size_t(i)].x, p[size_t(i)].y);
    }
    return polygon;
}

// Grey value (0..255) at a point in pixel-edge coordinates, interpolated between the four
// nearest pixel centres; -1 outside the frame.
double greyAt(const cv::Mat& frame, cv::Point2f at)
{
    const float x = at.x - 0.5f;
    const float y = at.y - 0.5f;
    const int x0 = int(std::floor(x));
    const int y0 = int(std::floor(y));
    if (x0 < 0 || y0 < 0 || x0 + 1 >= frame.cols || y0 + 1 >= frame.rows) {
        return -1;
    }
    const auto grey = [&frame](int px, int py) {
        const uchar* pixel = frame.ptr<uchar>(py) + size_t(px) * frame.elemSize();
        if (frame.channels() == 1) {
            return double(pixel[0]);
        }
        return 0.114 * pixel[0] + 0.587 * pixel[1] + 0.299 * pixel[2];
    };
    const double fx = x - x0;
    const double fy = y - y0;
    const double top = grey(x0, y0) * (1 - fx) + grey(x0 + 1, y0) * fx;
    const double bottom = grey(x0, y0 + 1) * (1 - fx) + grey(x0 + 1, y0 + 1) * fx;
    return top * (1 - fy) + bottom * fy;
}

// Where, along the normal through `at`, the brightness steps most within `reach` pixels
// either way: the offset of the strongest step, to a fraction of a pixel; NaN when there is
// no clear step (or the profile leaves the frame).
double stepOffset(const cv::Mat& frame, cv::Point2f at, cv::Point2f normal, int reach)
{
    constexpr double kMinimumStep = 16;
    std::vector<double> profile;
    for (int s = -reach; s <= reach; ++s) {
        const double grey = greyAt(frame, at + normal * float(s));
        if (grey < 0) {
            return std::nan("");
        }
        profile.push_back(grey);
    }
    size_t best = 0;
    double bestStep = 0;
    for (size_t i = 0; i + 1 < profile.size(); ++i) {
        const double step = std::abs(profile[i] - profile[i + 1]);
        if (step > bestStep) {
            bestStep = step;
            best = i;
        }
    }
    if (bestStep < kMinimumStep) {
        return std::nan("");
    }
    // A parabola through the strongest step and its neighbours places the edge between samples.
    double shift = 0;
    if (best > 0 && best + 2 < profile.size()) {
        const double before = std::abs(profile[best - 1] - profile[best]);
        const double after = std::abs(profile[best + 1] - profile[best + 2]);
        const double curve = before - 2 * bestStep + after;
        if (curve < 0) {
            shift = std::clamp(0.5 * (before - after) / curve, -0.5, 0.5);
        }
    }
    return double(best) + 0.5 + shift - reach;
}

// Moves each side of the box found on a reduced copy to the brightness step nearest to it in
// the full-size frame (the median over points along the side); a side without a clear step,
// such as one cut off by the frame's border, stays where it was.
std::array<cv::Point2f, 4> refinedCorners(const cv::Mat& frame, std::array<cv::Point2f, 4> p,
                                          int reduction)
{
    constexpr int kSamples = 24;
    const int reach = 2 * reduction + 2;
    const cv::Point2f centre = (p[0] + p[1] + p[2] + p[3]) * 0.25f;
    std::array<cv::Point2f, 4> start;
    std::array<cv::Point2f, 4> direction;
    for (size_t i = 0; i < 4; ++i) {
        const cv::Point2f a = p[i];
        const cv::Point2f b = p[(i + 1) % 4];
        const float length = float(cv::norm(b - a));
        direction[i] = length > 0 ? (b - a) / length : cv::Point2f(1, 0);
        cv::Point2f normal(-direction[i].y, direction[i].x);
        if (normal.dot((a + b) * 0.5f - centre) < 0) {
            normal = -normal;
        }
        std::vector<double> offsets;
        for (int k = 1; k <= kSamples; ++k) {
            const cv::Point2f at = a + (b - a) * (0.1f + 0.8f * k / (kSamples + 1));
            const double offset = stepOffset(frame, at, normal, reach);
            if (!std::isnan(offset)) {
                offsets.push_back(offset);
            }
        }
        start[i] = a;
        if (int(offsets.size()) * 2 >= kSamples) {
            std::nth_element(offsets.begin(), offsets.begin() + offsets.size() / 2, offsets.end());
            start[i] = a + normal * float(offsets[offsets.size() / 2]);
        }
    }
    // Corner i + 1 is where side i meets side i + 1.
    std::array<cv::Point2f, 4> refined = p;
    for (size_t i = 0; i < 4; ++i) {
        const size_t j = (i + 1) % 4;
        const float cross = direction[i].x * direction[j].y - direction[i].y * direction[j].x;
        if (std::abs(cross) < 1e-3f) {
            continue;
        }
        const cv::Point2f d = start[j] - start[i];
        const float t = (d.x * direction[j].y - d.y * direction[j].x) / cross;
        refined[j] = start[i] + direction[i] * t;
    }
    return refined;
}

// Coordinates that survive the integer arithmetic of the cut.
bool isUsableCoordinate(double v)
{
    constexpr double kLimit = 1 << 20;
    return std::isfinite(v) && std::abs(v) < kLimit;
}

int clampForBox(double v, int limit)
{
    if (v <= 0) {
        return 1;
    }
    if (v >= limit) {
        return limit - 1;
    }
    return static_cast<int>(v);
}

}  // namespace

QImage IOpencvApi::cvMat2Image(const cv::Mat& mat)
{
    if (isPictureMatrix(mat)) {
        switch (mat.channels()) {
            case 1: {
                QImage image = copyOut(mat, QImage::Format_Indexed8);
                image.setColorTable(greyTable());
                return image;
            }
            case 3:
                return copyOut(mat, QImage::Format_BGR888);
            case 4:
                return copyOut(mat, QImage::Format_RGB32);
        }
    }
    qDebug() << "ERROR: Mat could not be converted to QImage.";
    return QImage();
}

cv::Mat IOpencvApi::image2Mat(const QImage& image)
{
    switch (image.format()) {
        case QImage::Format_Indexed8:
        case QImage::Format_Grayscale8:
            return wrap(image, CV_8UC1).clone();
        case QImage::Format_RGB32:
        case QImage::Format_ARGB32:
        case QImage::Format_ARGB32_Premultiplied:
            return wrap(image, CV_8UC4).clone();
        case QImage::Format_BGR888:
            return wrap(image, CV_8UC3).clone();
        case QImage::Format_RGB888: {
            cv::Mat mat;
            cv::cvtColor(wrap(image, CV_8UC3), mat, cv::COLOR_RGB2BGR);
            return mat;
        }
        default:
            qDebug() << "ERROR: QImage could not be converted to Mat." << image.format()
                     << image.size();
            return cv::Mat();
    }
}

cv::Mat IOpencvApi::toGray(const cv::Mat& mat)
{
    if (!isPictureMatrix(mat)) {
        qDebug() << "ERROR: Mat could not be converted to gray." << describe(mat);
        return cv::Mat();
    }
    if (mat.channels() == 1) {
        return mat.clone();
    }
    cv::Mat grey;
    cv::cvtColor(mat, grey, cv::COLOR_BGR2GRAY);
    return grey;
}

cv::Mat IOpencvApi::toBlackWhite(const cv::Mat& mat)
{
    cv::Mat grey = toGray(mat);
    if (grey.empty()) {
        return grey;
    }
    const int block =
        std::max(kBlackWhiteMinBlock, std::min(grey.cols, grey.rows) / kBlackWhiteBlockDivisor) | 1;
    cv::Mat bw;
    cv::adaptiveThreshold(grey, bw, 255, cv::ADAPTIVE_THRESH_GAUSSIAN_C, cv::THRESH_BINARY, block,
                          kBlackWhiteOffset);
    return bw;
}

QImage IOpencvApi::applyImageType(const cv::Mat& frame, ImageType type)
{
    cv::Mat filtered;
    switch (type) {
        case NormalImage:
            return cvMat2Image(frame);
        case GrayImage:
            filtered = toGray(frame);
            break;
        case BlackWhiteImage:
            filtered = toBlackWhite(frame);
            break;
        default:
            qDebug() << "ERROR: unknown image type" << static_cast<int>(type);
            return QImage();
    }
    // An unusable frame has been logged by the filter already.
    return filtered.empty() ? QImage() : cvMat2Image(filtered);
}

EdgeResult IOpencvApi::detectDocumentEdge(cv::Mat frame)
{
    if (!isPictureMatrix(frame)) {
        qDebug() << "ERROR: frame unsuitable for edge detection." << describe(frame);
        return EdgeResult();
    }
    const int reduction = reductionOf(frame);
    cv::Mat searched = frame;
    if (reduction > 1) {
        cv::resize(frame, searched, cv::Size(frame.cols / reduction, frame.rows / reduction), 0, 0,
                   cv::INTER_NEAREST);
    }
    std::vector<std::vector<cv::Point>> contours;
    cv::findContours(documentMask(searched), contours, cv::RETR_LIST, cv::CHAIN_APPROX_SIMPLE);
    if (contours.empty()) {
        return wholeFrame(frame);
    }

    const cv::RotatedRect box = outerBox(largestContour(contours));
    std::array<cv::Point2f, 4> p;
    box.points(p.data());
    if (reduction > 1) {
        const cv::Point2f scale(float(frame.cols) / searched.cols,
                                float(frame.rows) / searched.rows);
        for (cv::Point2f& point : p) {
            point = cv::Point2f(point.x * scale.x, point.y * scale.y);
        }
        p = refinedCorners(frame, p, reduction);
    }

    const cv::Scalar red(0, 0, 255, 255);
    for (size_t i = 0; i < p.size(); ++i) {
        cv::line(frame, p[i], p[(i + 1) % p.size()], red, kOutlineThickness, cv::LINE_8);
    }

    EdgeResult result;
    result.angle = 0.0 - box.angle;  // never -0
    result.polygon = polygonOf(p);
    return result;
}

EdgeResult IOpencvApi::refineDocumentEdge(const cv::Mat& frame, const EdgeResult& coarse,
                                          double coarseScale)
{
    if (!isPictureMatrix(frame) || coarse.angle == -1 || coarse.polygon.size() != 4 ||
        coarseScale <= 1) {
        return coarse;
    }
    // The polygon lists the box's corners 0, 1, 3, 2.
    std::array<cv::Point2f, 4> p;
    const std::array<int, 4> order = {0, 1, 3, 2};
    for (size_t i = 0; i < p.size(); ++i) {
        const QPointF point = coarse.polygon[int(i)];
        p[size_t(order[i])] = cv::Point2f(float(point.x()), float(point.y()));
    }
    EdgeResult result = coarse;
    result.polygon = polygonOf(refinedCorners(frame, p, int(std::ceil(coarseScale))));
    return result;
}

cv::Mat IOpencvApi::rotateExpanded(const cv::Mat& mat, double angle)
{
    const double phi = -angle;
    const double s = std::sin(phi * CV_PI / 180);
    const double c = std::cos(phi * CV_PI / 180);
    const int width = static_cast<int>(mat.cols * std::abs(c) + mat.rows * std::abs(s));
    const int height = static_cast<int>(mat.rows * std::abs(c) + mat.cols * std::abs(s));
    const cv::Point2f centre(static_cast<float>(mat.cols / 2), static_cast<float>(mat.rows / 2));
    cv::Mat rotation = cv::getRotationMatrix2D(centre, phi, 1.0);
    rotation.at<double>(0, 2) += (width - mat.cols) / 2;
    rotation.at<double>(1, 2) += (height - mat.rows) / 2;
    cv::Mat turned;
    cv::warpAffine(mat, turned, rotation, cv::Size(width, height), cv::INTER_LINEAR,
                   cv::BORDER_CONSTANT, cv::Scalar::all(0));
    return turned;
}

cv::Mat IOpencvApi::cropDocument(const cv::Mat& mat, double angle, const QPolygonF& polygon,
                                 const QSize& size, double sx, double sy)
{
    std::array<QPointF, 4> p;
    bool usable = !mat.empty() && polygon.size() >= 4;
    for (size_t i = 0; usable && i < p.size(); ++i) {
        p[i] = QPointF(polygon[int(i)].x() * sx, polygon[int(i)].y() * sy);
        usable = isUsableCoordinate(p[i].x()) && isUsableCoordinate(p[i].y());
    }
    if (!usable) {
        qDebug() << "ERROR: no document outline to crop." << describe(mat) << polygon;
        return cv::Mat();
    }
    std::vector<cv::Point> clamped;
    for (const QPointF& point : p) {
        clamped.emplace_back(clampForBox(point.x(), size.width()),
                             clampForBox(point.y(), size.height()));
    }
    const cv::Rect box = cv::boundingRect(clamped) & cv::Rect(0, 0, mat.cols, mat.rows);
    if (box.empty()) {
        qDebug() << "ERROR: document outline lies outside the picture." << polygon;
        return cv::Mat();
    }
    const cv::Mat part = mat(box);
    const cv::Mat turned = rotateExpanded(part, angle);

    // Where the document's top-left corner lands in the turned picture.
    const int cx = static_cast<int>((turned.cols - part.cols) / 2 - box.x + p[1].x());
    const int cy = static_cast<int>((turned.rows - part.rows) / 2 - box.y + p[1].y());
    const double theta = angle * CV_PI / 180;
    const int hx = turned.cols / 2;
    const int hy = turned.rows / 2;
    const int dx = cx - hx;
    const int dy = cy - hy;
    const int x = std::max(0, int(dx * std::cos(theta) - dy * std::sin(theta) + hx));
    const int y = std::max(0, int(dx * std::sin(theta) + dy * std::cos(theta) + hy));

    double width = std::hypot(p[2].x() - p[0].x(), p[2].y() - p[0].y());
    double height = std::hypot(p[1].x() - p[0].x(), p[1].y() - p[0].y());
    width = std::min(width, double(turned.cols - x));
    height = std::min(height, double(turned.rows - y));
    const cv::Rect cut(x, y, int(width), int(height));
    if (cut.width <= 0 || cut.height <= 0) {
        qDebug() << "ERROR: document outline gives no area to crop." << angle << polygon;
        return cv::Mat();
    }
    if (angle <= 45) {
        return turned(cut);
    }
    // A box angle above 45 degrees means the document lies on its side.
    cv::Mat upright;
    cv::rotate(turned(cut), upright, cv::ROTATE_90_COUNTERCLOCKWISE);
    return upright;
}

QImage IOpencvApi::straighten(const QImage& picture, const EdgeResult& edge)
{
    if (edge.angle == -1) {
        return picture;
    }
    const cv::Mat mat = image2Mat(picture);
    if (mat.empty()) {
        return picture;
    }
    const cv::Mat document = cropDocument(mat, edge.angle, edge.polygon, picture.size(), 1.0, 1.0);
    if (document.empty()) {
        return picture;  // logged by cropDocument
    }
    const int margin = kStraightenMargin;
    if (document.cols <= 2 * margin || document.rows <= 2 * margin) {
        qDebug() << "ERROR: document too small to straighten, picture kept." << document.cols
                 << document.rows;
        return picture;
    }
    const cv::Rect inner(margin, margin, document.cols - 2 * margin, document.rows - 2 * margin);
    return cvMat2Image(document(inner));
}
