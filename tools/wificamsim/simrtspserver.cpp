#include "simrtspserver.h"

#include <QDateTime>
#include <cstdio>
#include <cstring>

#include <gst/app/gstappsrc.h>

namespace {

const char* const kRole = "camera";
const char* const kUser = "k2vqz";
const char* const kPassword = "k2vqz";
const char* const kPath = "/stream/main";

qint64 nowMs()
{
    return QDateTime::currentMSecsSinceEpoch();
}

GstCaps* rawCaps(const QSize& size, int framesPerSecond)
{
    return gst_caps_new_simple("video/x-raw", "format", G_TYPE_STRING, "BGRx", "width", G_TYPE_INT,
                               size.width(), "height", G_TYPE_INT, size.height(), "framerate",
                               GST_TYPE_FRACTION, framesPerSecond, 1, nullptr);
}

// An RTP packet carrying neither the first nor the last fragment (FU-A) of a key frame.
bool isMiddleOfKeyFrame(GstBuffer* packet)
{
    GstMapInfo map;
    if (!gst_buffer_map(packet, &map, GST_MAP_READ)) {
        return false;
    }
    bool middle = false;
    gsize offset = 12 + 4 * (map.data[0] & 0x0F);          // fixed header and CSRC list
    if ((map.data[0] & 0x10) && map.size >= offset + 4) {  // header extension
        offset += 4 + 4 * ((map.data[offset + 2] << 8) | map.data[offset + 3]);
    }
    if (map.size >= offset + 2) {
        const guint8 indicator = map.data[offset];
        const guint8 header = map.data[offset + 1];
        middle = (indicator & 0x1F) == 28 && (header & 0x1F) == 5 && !(header & 0xC0);
    }
    gst_buffer_unmap(packet, &map);
    return middle;
}

GstRTSPFilterResult removeEveryClient(GstRTSPServer*, GstRTSPClient*, gpointer)
{
    return GST_RTSP_FILTER_REMOVE;
}

}  // namespace

SimRtspServer::SimRtspServer(const QSize& size, int framesPerSecond, int keyFrameInterval)
    : framesPerSecond_(qMax(1, framesPerSecond)),
      keyFrameInterval_(qMax(1, keyFrameInterval)),
      size_(size)
{
    gst_init(nullptr, nullptr);
    context_ = g_main_context_new();
    loop_ = g_main_loop_new(context_, FALSE);
}

SimRtspServer::~SimRtspServer()
{
    if (loopThread_.joinable()) {
        // Quit from inside the loop: a quit before the loop runs would be lost.
        GSource* quit = g_idle_source_new();
        g_source_set_callback(
            quit,
            [](gpointer loop) {
                g_main_loop_quit(static_cast<GMainLoop*>(loop));
                return gboolean(G_SOURCE_REMOVE);
            },
            loop_, nullptr);
        g_source_attach(quit, context_);
        g_source_unref(quit);
        loopThread_.join();
    }
    if (frameTimer_) {
        g_source_destroy(frameTimer_);
        g_source_unref(frameTimer_);
    }
    {
        std::lock_guard<std::mutex> lock(mutex_);
        for (Stream& stream : streams_) {
            gst_object_unref(stream.source);
        }
        streams_.clear();
    }
    if (server_) {
        g_object_unref(server_);
    }
    g_main_loop_unref(loop_);
    g_main_context_unref(context_);
}

QString SimRtspServer::launchLine() const
{
    return QStringLiteral(
               "( appsrc name=src is-live=true format=time do-timestamp=true "
               "max-buffers=2 leaky-type=downstream "
               "! videoconvert ! video/x-raw,format=I420 "
               "! x264enc tune=zerolatency speed-preset=ultrafast bframes=0 threads=1 "
               "key-int-max=%1 "
               "! rtph264pay name=pay0 pt=96 config-interval=-1 )")
        .arg(keyFrameInterval_);
}

int SimRtspServer::start(int port)
{
    server_ = gst_rtsp_server_new();
    gst_rtsp_server_set_address(server_, "127.0.0.1");
    gst_rtsp_server_set_service(server_, QByteArray::number(port).constData());

    GstRTSPMediaFactory* factory = gst_rtsp_media_factory_new();
    gst_rtsp_media_factory_set_launch(factory, launchLine().toUtf8().constData());
    gst_rtsp_media_factory_set_shared(factory, FALSE);
    gst_rtsp_media_factory_add_role(factory, kRole, GST_RTSP_PERM_MEDIA_FACTORY_ACCESS,
                                    G_TYPE_BOOLEAN, TRUE, GST_RTSP_PERM_MEDIA_FACTORY_CONSTRUCT,
                                    G_TYPE_BOOLEAN, TRUE, nullptr);
    g_signal_connect(factory, "media-configure", G_CALLBACK(onMediaConfigure), this);

    GstRTSPMountPoints* mounts = gst_rtsp_server_get_mount_points(server_);
    gst_rtsp_mount_points_add_factory(mounts, kPath, factory);
    g_object_unref(mounts);

    GstRTSPAuth* auth = gst_rtsp_auth_new();
    GstRTSPToken* token =
        gst_rtsp_token_new(GST_RTSP_TOKEN_MEDIA_FACTORY_ROLE, G_TYPE_STRING, kRole, nullptr);
    gchar* basic = gst_rtsp_auth_make_basic(kUser, kPassword);
    gst_rtsp_auth_add_basic(auth, basic, token);
    g_free(basic);
    gst_rtsp_token_unref(token);
    gst_rtsp_server_set_auth(server_, auth);
    g_object_unref(auth);

    if (gst_rtsp_server_attach(server_, context_) == 0) {
        std::fprintf(stderr, "sim: cannot listen for RTSP on port %d\n", port);
        return -1;
    }
    frameTimer_ = g_timeout_source_new(1000 / framesPerSecond_);
    g_source_set_callback(frameTimer_, onFrameTick, this, nullptr);
    g_source_attach(frameTimer_, context_);
    loopThread_ = std::thread([this] {
        g_main_context_push_thread_default(context_);
        g_main_loop_run(loop_);
        g_main_context_pop_thread_default(context_);
    });
    return gst_rtsp_server_get_bound_port(server_);
}

QSize SimRtspServer::resolution() const
{
    std::lock_guard<std::mutex> lock(mutex_);
    return size_;
}

void SimRtspServer::setResolution(const QSize& size)
{
    std::lock_guard<std::mutex> lock(mutex_);
    size_ = size;
}

void SimRtspServer::dropPackets(int count)
{
    dropRemaining_ = qMax(0, count);
}

void SimRtspServer::stall(int ms)
{
    std::lock_guard<std::mutex> lock(mutex_);
    for (Stream& stream : streams_) {
        stream.stalledUntilMs = nowMs() + qMax(0, ms);
    }
}

void SimRtspServer::disconnectClients()
{
    g_main_context_invoke(context_, onDisconnectClients, this);
}

gboolean SimRtspServer::onDisconnectClients(gpointer self)
{
    auto* server = static_cast<SimRtspServer*>(self);
    gst_rtsp_server_client_filter(server->server_, removeEveryClient, nullptr);
    return G_SOURCE_REMOVE;
}

void SimRtspServer::onMediaConfigure(GstRTSPMediaFactory*, GstRTSPMedia* media, gpointer self)
{
    static_cast<SimRtspServer*>(self)->addStream(media);
}

void SimRtspServer::onMediaUnprepared(GstRTSPMedia* media, gpointer self)
{
    static_cast<SimRtspServer*>(self)->removeStream(media);
}

void SimRtspServer::addStream(GstRTSPMedia* media)
{
    GstElement* bin = gst_rtsp_media_get_element(media);
    GstElement* source = gst_bin_get_by_name_recurse_up(GST_BIN(bin), "src");
    GstElement* payloader = gst_bin_get_by_name_recurse_up(GST_BIN(bin), "pay0");
    gst_object_unref(bin);
    if (!source || !payloader) {
        std::fprintf(stderr, "sim: stream without source or payloader\n");
        return;
    }
    GstPad* pad = gst_element_get_static_pad(payloader, "src");
    gst_pad_add_probe(pad,
                      GstPadProbeType(GST_PAD_PROBE_TYPE_BUFFER | GST_PAD_PROBE_TYPE_BUFFER_LIST),
                      onPayloaderOutput, this, nullptr);
    gst_object_unref(pad);
    gst_object_unref(payloader);
    g_signal_connect(media, "unprepared", G_CALLBACK(onMediaUnprepared), this);

    std::lock_guard<std::mutex> lock(mutex_);
    GstCaps* caps = rawCaps(size_, framesPerSecond_);
    g_object_set(source, "caps", caps, nullptr);
    gst_caps_unref(caps);
    streams_.push_back({media, source, size_});
    std::fprintf(stderr, "sim: RTSP stream started at %dx%d\n", size_.width(), size_.height());
}

void SimRtspServer::removeStream(GstRTSPMedia* media)
{
    std::lock_guard<std::mutex> lock(mutex_);
    for (auto it = streams_.begin(); it != streams_.end(); ++it) {
        if (it->media == media) {
            gst_object_unref(it->source);
            streams_.erase(it);
            std::fprintf(stderr, "sim: RTSP stream ended\n");
            return;
        }
    }
}

bool SimRtspServer::dropNext(guint packets)
{
    int remaining = dropRemaining_.load();
    while (remaining > 0) {
        if (dropRemaining_.compare_exchange_weak(remaining, remaining - int(packets))) {
            return true;
        }
    }
    return false;
}

void SimRtspServer::damageKeyFrame()
{
    damageKeyFrame_ = true;
}

GstPadProbeReturn SimRtspServer::onPayloaderOutput(GstPad*, GstPadProbeInfo* info, gpointer self)
{
    return static_cast<SimRtspServer*>(self)->filterPackets(info);
}

GstPadProbeReturn SimRtspServer::filterPackets(GstPadProbeInfo* info)
{
    const bool list = info->type & GST_PAD_PROBE_TYPE_BUFFER_LIST;
    if (dropNext(list ? gst_buffer_list_length(GST_PAD_PROBE_INFO_BUFFER_LIST(info)) : 1)) {
        return GST_PAD_PROBE_DROP;
    }
    if (!damageKeyFrame_) {
        return GST_PAD_PROBE_OK;
    }
    if (!list) {
        return isMiddleOfKeyFrame(GST_PAD_PROBE_INFO_BUFFER(info)) &&
                       damageKeyFrame_.exchange(false)
                   ? GST_PAD_PROBE_DROP
                   : GST_PAD_PROBE_OK;
    }
    GstBufferList* packets = gst_buffer_list_make_writable(GST_PAD_PROBE_INFO_BUFFER_LIST(info));
    GST_PAD_PROBE_INFO_DATA(info) = packets;
    for (guint i = 0; i < gst_buffer_list_length(packets); ++i) {
        if (isMiddleOfKeyFrame(gst_buffer_list_get(packets, i)) &&
            damageKeyFrame_.exchange(false)) {
            gst_buffer_list_remove(packets, i, 1);
            break;
        }
    }
    return GST_PAD_PROBE_OK;
}

gboolean SimRtspServer::onFrameTick(gpointer self)
{
    static_cast<SimRtspServer*>(self)->pushFrame();
    return G_SOURCE_CONTINUE;
}

void SimRtspServer::pushFrame()
{
    std::lock_guard<std::mutex> lock(mutex_);
    if (streams_.empty()) {
        return;
    }
    const QImage picture = picture_.frame(size_, ++frameNumber_);
    const qint64 now = nowMs();
    for (Stream& stream : streams_) {
        if (now < stream.stalledUntilMs) {
            continue;
        }
        if (stream.size != size_) {
            GstCaps* caps = rawCaps(size_, framesPerSecond_);
            g_object_set(stream.source, "caps", caps, nullptr);
            gst_caps_unref(caps);
            stream.size = size_;
        }
        const gsize bytes = gsize(picture.sizeInBytes());
        GstBuffer* buffer = gst_buffer_new_allocate(nullptr, bytes, nullptr);
        gst_buffer_fill(buffer, 0, picture.constBits(), bytes);
        gst_app_src_push_buffer(GST_APP_SRC(stream.source), buffer);
    }
}
