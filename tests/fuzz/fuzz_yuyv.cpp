// YUYV frames: width 1-64, height 1-16 and a signed stride from the first four bytes, then the
// frame, placed to end before an unreadable page (libyuv is not instrumented).
#include <sys/mman.h>

#include <cstring>

#include "platform/video/iframedecoder.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const size_t page = 4096;
    if (size < 4 || size > 16 * page) {
        return 0;
    }
    auto* area = static_cast<uint8_t*>(
        mmap(nullptr, 17 * page, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0));
    mprotect(area + 16 * page, page, PROT_NONE);
    uint8_t* frame = area + 16 * page - (size - 4);
    std::memcpy(frame, data + 4, size - 4);
    const QSize frameSize(1 + data[0] % 64, 1 + data[1] % 16);
    QImage image;
    QString error;
    IFrameDecoder().decode({VideoPixelFormat::Yuyv, frameSize, int16_t(data[2] | data[3] << 8)},
                           frame, int(size - 4), &image, &error);
    munmap(area, 17 * page);
    return 0;
}
