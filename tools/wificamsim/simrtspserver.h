#ifndef SIMRTSPSERVER_H
#define SIMRTSPSERVER_H

#include <QSize>
#include <QString>
#include <atomic>
#include <mutex>
#include <thread>
#include <vector>

#include <gst/gst.h>
#include <gst/rtsp-server/rtsp-server.h>

#include "simdocumentpicture.h"

// The camera's video side: H.264 over RTSP at "/stream/main" (user and password "k2vqz"), served
// on 127.0.0.1 by the GStreamer RTSP server from a live picture of a document. Every client gets
// its own encoder, which starts with a key frame. The server runs its own GLib main loop thread;
// the hooks may be called from any thread.
class SimRtspServer {
public:
    SimRtspServer(const QSize& size, int framesPerSecond, int keyFrameInterval);
    ~SimRtspServer();
    SimRtspServer(const SimRtspServer&) = delete;
    SimRtspServer& operator=(const SimRtspServer&) = delete;

    // Listens on `port` (0: any free port); returns the bound port, or -1.
    int start(int port);

    QSize resolution() const;
    // The picture size of every running stream; the encoders restart with a key frame.
    void setResolution(const QSize& size);
    // Drops the next `count` RTP packets (whole packet groups at a time).
    void dropPackets(int count);
    // Drops one packet from the middle of the next key frame, so that the frame is damaged.
    void damageKeyFrame();
    // The running streams send no pictures for `ms` milliseconds; their RTSP sessions stay up
    // and new streams are served as usual.
    void stall(int ms);
    // Closes every RTSP client connection.
    void disconnectClients();

private:
    struct Stream {
        GstRTSPMedia* media = nullptr;
        GstElement* source = nullptr;
        QSize size;
        qint64 stalledUntilMs = 0;
    };

    static void onMediaConfigure(GstRTSPMediaFactory* factory, GstRTSPMedia* media, gpointer self);
    static void onMediaUnprepared(GstRTSPMedia* media, gpointer self);
    static GstPadProbeReturn onPayloaderOutput(GstPad* pad, GstPadProbeInfo* info, gpointer self);
    static gboolean onFrameTick(gpointer self);
    static gboolean onDisconnectClients(gpointer self);

    void addStream(GstRTSPMedia* media);
    void removeStream(GstRTSPMedia* media);
    bool dropNext(guint packets);
    GstPadProbeReturn filterPackets(GstPadProbeInfo* info);
    void pushFrame();
    QString launchLine() const;

    const int framesPerSecond_;
    const int keyFrameInterval_;
    GMainContext* context_ = nullptr;
    GMainLoop* loop_ = nullptr;
    GstRTSPServer* server_ = nullptr;
    GSource* frameTimer_ = nullptr;
    std::thread loopThread_;

    mutable std::mutex mutex_;  // guards streams_ and size_
    std::vector<Stream> streams_;
    QSize size_;

    std::atomic<int> dropRemaining_{0};
    std::atomic<bool> damageKeyFrame_{false};
    int frameNumber_ = 0;
    SimDocumentPicture picture_;  // used by the loop thread only
};

#endif  // SIMRTSPSERVER_H
