#ifndef IPIPEWIRESTREAM_H
#define IPIPEWIRESTREAM_H

#include <QSize>
#include <QString>

#include <atomic>
#include <functional>

#include <spa/utils/hook.h>

struct pw_context;
struct pw_core;
struct pw_stream;
struct pw_thread_loop;
struct spa_buffer;
struct spa_pod;

// One 32-bit picture of a screen cast, valid only during the call that hands it over.
struct IScreenCastPicture {
    const unsigned char* data = nullptr;
    int stride = 0;
    QSize size;
    bool rgbOrder = false;  // bytes R, G, B, X/A; otherwise B, G, R, X/A
};

// Reads a screen-cast stream from PipeWire directly on PipeWire's own thread: shared-memory
// buffers, and linear dmabufs where the producer offers them. Only the newest buffer of a burst
// is handed on; the handlers run on that thread.
class IPipeWireStream {
public:
    using PictureHandler = std::function<void(const IScreenCastPicture&)>;
    using EndHandler = std::function<void(const QString& reason)>;
    using FormatHandler = std::function<void(const QSize& size)>;

    IPipeWireStream();
    ~IPipeWireStream();
    IPipeWireStream(const IPipeWireStream&) = delete;
    IPipeWireStream& operator=(const IPipeWireStream&) = delete;

    // Connects to `node` through `fd` (from the portal; taken over, also on failure).
    // `onFormat` hears the picture size once it is agreed, before the first picture.
    bool open(int fd, unsigned node, FormatHandler onFormat, PictureHandler onPicture,
              EndHandler onEnd, QString* error);
    void close();

private:
    static void onStateChanged(void* self, int old, int state, const char* error);
    static void onParamChanged(void* self, unsigned id, const spa_pod* param);
    static void onProcess(void* self);
    static void onCoreError(void* self, unsigned id, int seq, int res, const char* message);
    void deliver(spa_buffer* buffer);
    void end(const QString& reason);

    pw_thread_loop* loop_ = nullptr;
    pw_context* context_ = nullptr;
    pw_core* core_ = nullptr;
    pw_stream* stream_ = nullptr;
    spa_hook streamListener_{};
    spa_hook coreListener_{};
    FormatHandler onFormat_;
    PictureHandler onPicture_;
    EndHandler onEnd_;
    // PipeWire's thread only.
    unsigned format_ = 0;
    QSize size_;
    bool streamed_ = false;
    std::atomic<bool> ended_{false};
};

#endif  // IPIPEWIRESTREAM_H
