#ifndef IJPEGMARKERS_H
#define IJPEGMARKERS_H

#include <QByteArray>
#include <QVector>

// The marker structure of a JPEG frame up to its first scan. USB cameras send MJPEG frames
// without Huffman tables (DHT) and rely on the standard ones of the JPEG standard, annex K.3,
// which libjpeg-turbo falls back to by itself.
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
    // Whether any of the segments is a Huffman table segment (DHT).
    static bool carriesHuffmanTables(const QVector<Segment>& segments);
    // Whether the frame ends with the end-of-image marker (zero padding after it allowed).
    static bool hasEndMarker(const uchar* data, int length);
    // The frame without its DHT segments, as a camera would send it; empty when malformed.
    static QByteArray withoutHuffmanTables(const QByteArray& jpeg);
};

#endif  // IJPEGMARKERS_H
