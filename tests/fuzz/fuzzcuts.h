#ifndef FUZZCUTS_H
#define FUZZCUTS_H

#include <QByteArray>

// Hands `bytes` to `feed` in reads of pseudo-random lengths from 1 to 1 + `seed` (a harness's
// first input byte), as a network connection might deliver them.
template <typename Feed>
void feedInCuts(const QByteArray& bytes, quint8 seed, Feed feed)
{
    quint32 cut = seed;
    for (int pos = 0, length = 0; pos < bytes.size(); pos += length) {
        cut = cut * 1103515245u + 12345u;
        length = 1 + int((cut >> 16) % (1u + seed));
        feed(bytes.mid(pos, length));
    }
}

#endif  // FUZZCUTS_H
