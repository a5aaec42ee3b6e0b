#ifndef IJPEGMARKERS_H
#define IJPEGMARKERS_H

#include <QByteArray>
#include <QVector>

// The marker structure of a JPEG frame up to its first scan. USB cameras send MJPEG frames
// without Huffman tables (DHT) and rely on the standard ones of the JPEG standard, annex K.3.
class IJpegMarkers {
public:
    struct Segment {
        int offset = 0;  // of the 0xFF in front of the marker code
        int length = 0;  // including the two marker bytes
        uchar marker = 0;
    };

    // The segments after the start-of-image marker up to and including the start of scan;
    // false for anything malformed (bad marker, length past the end, no scan).
    static bool headerSegments(const uchar* data, int length, QVector<Segment>* segments);
    // Whether the frame ends with the end-of-image marker (zero padding after it allowed).
    static bool hasEndMarker(const uchar* data, int length);
    // One DHT segment carrying the four standard tables.
    static const QByteArray& standardHuffmanTables();
    // The frame with the standard tables inserted in front of its scan; false when malformed.
    // *out stays empty when the frame carries its own tables.
    static bool withStandardTables(const uchar* data, int length, QByteArray* out);
    // The frame without its DHT segments, as a camera would send it; empty when malformed.
    static QByteArray withoutHuffmanTables(const QByteArray& jpeg);
};

#endif  // IJPEGMARKERS_H
