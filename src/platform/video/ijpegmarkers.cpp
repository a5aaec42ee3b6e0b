#include "ijpegmarkers.h"

#include <algorithm>

namespace {

const uchar kDht = 0xC4;
const uchar kSos = 0xDA;
const uchar kEoi = 0xD9;
// The end marker is looked for this far from the end (cameras pad frames with zeros).
const int kEndSearchBytes = 4096;

// Markers without a length field: TEM, RST0..RST7 and SOI.
bool isStandalone(uchar marker)
{
    return marker == 0x01 || (marker >= 0xD0 && marker <= 0xD8);
}

}  // namespace

bool IJpegMarkers::headerSegments(const uchar* data, int length, QVector<Segment>* segments)
{
    segments->clear();
    if (!data || length < 4 || data[0] != 0xFF || data[1] != 0xD8) {
        return false;
    }
    int pos = 2;
    while (pos < length) {
        if (data[pos] != 0xFF) {
            return false;
        }
        while (pos < length && data[pos] == 0xFF) {  // fill bytes before a marker
            ++pos;
        }
        if (pos + 2 >= length) {
            return false;
        }
        const uchar marker = data[pos];
        const int start = pos - 1;
        ++pos;
        if (isStandalone(marker)) {
            continue;
        }
        if (marker == 0x00 || marker == kEoi) {
            return false;
        }
        const int segmentLength = (data[pos] << 8) | data[pos + 1];
        if (segmentLength < 2 || segmentLength > length - pos) {
            return false;
        }
        segments->append({start, segmentLength + 2, marker});
        pos += segmentLength;
        if (marker == kSos) {
            return true;
        }
    }
    return false;
}

bool IJpegMarkers::carriesHuffmanTables(const QVector<Segment>& segments)
{
    return std::any_of(segments.cbegin(), segments.cend(),
                       [](const Segment& s) { return s.marker == kDht; });
}

bool IJpegMarkers::hasEndMarker(const uchar* data, int length)
{
    int end = length;
    while (end > 0 && data[end - 1] == 0x00 && length - end < kEndSearchBytes) {
        --end;
    }
    return end >= 2 && data[end - 2] == 0xFF && data[end - 1] == kEoi;
}

QByteArray IJpegMarkers::withoutHuffmanTables(const QByteArray& jpeg)
{
    const auto* data = reinterpret_cast<const uchar*>(jpeg.constData());
    QVector<Segment> segments;
    if (!headerSegments(data, jpeg.size(), &segments)) {
        return {};
    }
    QByteArray out;
    out.reserve(jpeg.size());
    int copied = 0;
    for (const Segment& segment : segments) {
        if (segment.marker == kDht) {
            out.append(jpeg.constData() + copied, segment.offset - copied);
            copied = segment.offset + segment.length;
        }
    }
    out.append(jpeg.constData() + copied, jpeg.size() - copied);
    return out;
}
