#include "platform/screencast/ipipewirestream.h"

#include <QDebug>

#include <linux/dma-buf.h>
#include <sys/ioctl.h>
#include <sys/mman.h>
#include <unistd.h>

#include <pipewire/pipewire.h>
#include <spa/param/video/raw.h>

#include "platform/screencast/pipewireparams.h"

namespace {

void initPipeWire()
{
    static const bool done = [] {
        pw_init(nullptr, nullptr);
        return true;
    }();
    Q_UNUSED(done);
}

// Keeps the CPU's view of a dmabuf coherent while it is read.
void syncDmabuf(int fd, bool start)
{
    dma_buf_sync sync{};
    sync.flags = DMA_BUF_SYNC_READ | (start ? DMA_BUF_SYNC_START : DMA_BUF_SYNC_END);
    ::ioctl(fd, DMA_BUF_IOCTL_SYNC, &sync);
}

}  // namespace

IPipeWireStream::IPipeWireStream() = default;

IPipeWireStream::~IPipeWireStream()
{
    close();
}

bool IPipeWireStream::open(int fd, unsigned node, FormatHandler onFormat, PictureHandler onPicture,
                           EndHandler onEnd, QString* error)
{
    initPipeWire();
    onFormat_ = std::move(onFormat);
    onPicture_ = std::move(onPicture);
    onEnd_ = std::move(onEnd);
    ended_ = false;
    loop_ = pw_thread_loop_new("orvella-screencast", nullptr);
    if (!loop_ || pw_thread_loop_start(loop_) < 0) {
        ::close(fd);
        *error = QStringLiteral("cannot start PipeWire's thread");
        return false;
    }
    pw_thread_loop_lock(loop_);
    context_ = pw_context_new(pw_thread_loop_get_loop(loop_), nullptr, 0);
    core_ = context_ ? pw_context_connect_fd(context_, fd, nullptr, 0) : nullptr;
    if (!core_) {
        if (!context_) {
            ::close(fd);
        }
        pw_thread_loop_unlock(loop_);
        *error = QStringLiteral("cannot connect to PipeWire");
        return false;
    }
    static const pw_core_events coreEvents = [] {
        pw_core_events events{};
        events.version = PW_VERSION_CORE_EVENTS;
        events.error = [](void* self, uint32_t id, int seq, int res, const char* message) {
            onCoreError(self, id, seq, res, message);
        };
        return events;
    }();
    pw_core_add_listener(core_, &coreListener_, &coreEvents, this);
    stream_ = pw_stream_new(core_, "Orvella screen cast",
                            pw_properties_new(PW_KEY_MEDIA_TYPE, "Video", PW_KEY_MEDIA_CATEGORY,
                                              "Capture", PW_KEY_MEDIA_ROLE, "Screen", nullptr));
    static const pw_stream_events streamEvents = [] {
        pw_stream_events events{};
        events.version = PW_VERSION_STREAM_EVENTS;
        events.state_changed = [](void* self, pw_stream_state old, pw_stream_state state,
                                  const char* error) { onStateChanged(self, old, state, error); };
        events.param_changed = [](void* self, uint32_t id, const spa_pod* param) {
            onParamChanged(self, id, param);
        };
        events.process = onProcess;
        return events;
    }();
    pw_stream_add_listener(stream_, &streamListener_, &streamEvents, this);
    unsigned char buffer[4096];
    spa_pod_builder builder = SPA_POD_BUILDER_INIT(buffer, sizeof(buffer));
    const spa_pod* params[SCREENCAST_MAX_FORMAT_PARAMS];
    const unsigned count = screencast_format_params(&builder, params);
    const int result = pw_stream_connect(
        stream_, PW_DIRECTION_INPUT, node,
        static_cast<pw_stream_flags>(PW_STREAM_FLAG_AUTOCONNECT | PW_STREAM_FLAG_MAP_BUFFERS),
        params, count);
    pw_thread_loop_unlock(loop_);
    if (result < 0) {
        *error = QStringLiteral("cannot connect to the screen-cast stream %1").arg(node);
        return false;
    }
    return true;
}

void IPipeWireStream::close()
{
    if (!loop_) {
        return;
    }
    pw_thread_loop_stop(loop_);
    if (stream_) {
        spa_hook_remove(&streamListener_);
        pw_stream_destroy(stream_);
        stream_ = nullptr;
    }
    if (core_) {
        spa_hook_remove(&coreListener_);
        pw_core_disconnect(core_);
        core_ = nullptr;
    }
    if (context_) {
        pw_context_destroy(context_);
        context_ = nullptr;
    }
    pw_thread_loop_destroy(loop_);
    loop_ = nullptr;
    streamed_ = false;
}

void IPipeWireStream::onStateChanged(void* self, int, int state, const char* error)
{
    auto* stream = static_cast<IPipeWireStream*>(self);
    if (state == PW_STREAM_STATE_STREAMING) {
        stream->streamed_ = true;
    } else if (state == PW_STREAM_STATE_ERROR) {
        stream->end(QStringLiteral("screen-cast stream error: %1")
                        .arg(QString::fromUtf8(error ? error : "unknown")));
    } else if (state == PW_STREAM_STATE_UNCONNECTED && stream->streamed_) {
        stream->end(QStringLiteral("the screen-cast stream ended"));
    }
}

void IPipeWireStream::onCoreError(void* self, unsigned id, int, int res, const char* message)
{
    if (id == PW_ID_CORE) {
        static_cast<IPipeWireStream*>(self)->end(
            QStringLiteral("PipeWire connection lost: %1").arg(QString::fromUtf8(message)));
    }
}

void IPipeWireStream::onParamChanged(void* self, unsigned id, const spa_pod* param)
{
    auto* stream = static_cast<IPipeWireStream*>(self);
    unsigned format = 0;
    unsigned width = 0;
    unsigned height = 0;
    int dmabuf = 0;
    if (id != SPA_PARAM_Format ||
        !screencast_parse_format(param, &format, &width, &height, &dmabuf)) {
        return;
    }
    stream->format_ = format;
    stream->size_ = QSize(static_cast<int>(width), static_cast<int>(height));
    qDebug() << "screen-cast format" << format << stream->size_ << (dmabuf ? "dmabuf" : "memory");
    unsigned char buffer[1024];
    spa_pod_builder builder = SPA_POD_BUILDER_INIT(buffer, sizeof(buffer));
    const spa_pod* params[] = {screencast_buffer_param(&builder, dmabuf)};
    pw_stream_update_params(stream->stream_, params, 1);
    if (stream->onFormat_) {
        stream->onFormat_(stream->size_);
    }
}

void IPipeWireStream::onProcess(void* self)
{
    auto* stream = static_cast<IPipeWireStream*>(self);
    pw_buffer* newest = nullptr;
    while (pw_buffer* buffer = pw_stream_dequeue_buffer(stream->stream_)) {
        if (newest) {
            pw_stream_queue_buffer(stream->stream_, newest);
        }
        newest = buffer;
    }
    if (!newest) {
        return;
    }
    stream->deliver(newest->buffer);
    pw_stream_queue_buffer(stream->stream_, newest);
}

void IPipeWireStream::deliver(spa_buffer* buffer)
{
    if (buffer->n_datas < 1 || size_.isEmpty()) {
        return;
    }
    const spa_data& data = buffer->datas[0];
    if (!data.chunk || data.chunk->size == 0 || (data.chunk->flags & SPA_CHUNK_FLAG_CORRUPTED)) {
        return;
    }
    IScreenCastPicture picture;
    picture.size = size_;
    picture.stride = data.chunk->stride > 0 ? data.chunk->stride : size_.width() * 4;
    picture.rgbOrder = format_ == SPA_VIDEO_FORMAT_RGBx || format_ == SPA_VIDEO_FORMAT_RGBA;
    if (static_cast<qint64>(picture.stride) * size_.height() >
        static_cast<qint64>(data.maxsize) - data.chunk->offset) {
        return;  // not a whole picture
    }
    if (data.type == SPA_DATA_DmaBuf && !data.data) {
        const size_t length = data.maxsize + data.mapoffset;
        void* mapped = ::mmap(nullptr, length, PROT_READ, MAP_SHARED, static_cast<int>(data.fd), 0);
        if (mapped == MAP_FAILED) {
            return;
        }
        syncDmabuf(static_cast<int>(data.fd), true);
        picture.data =
            static_cast<const unsigned char*>(mapped) + data.mapoffset + data.chunk->offset;
        onPicture_(picture);
        syncDmabuf(static_cast<int>(data.fd), false);
        ::munmap(mapped, length);
        return;
    }
    if (!data.data) {
        return;
    }
    picture.data = static_cast<const unsigned char*>(data.data) + data.chunk->offset;
    onPicture_(picture);
}

void IPipeWireStream::end(const QString& reason)
{
    if (!ended_.exchange(true)) {
        qDebug() << reason;
        if (onEnd_) {
            onEnd_(reason);
        }
    }
}
