#include "rtsplossmonitor.h"

#include <QHash>
#include <cstdarg>
#include <cstring>
#include <mutex>

extern "C" {
#include <libavutil/log.h>
}

// The process-wide FFmpeg log callback and the table of watched contexts. Every line still
// reaches FFmpeg's default output.
class RtspLossLogRouter {
public:
    static RtspLossLogRouter& instance()
    {
        static RtspLossLogRouter router;
        return router;
    }

    void add(const void* context, RtspLossMonitor* monitor)
    {
        std::call_once(installed_, [] { av_log_set_callback(&RtspLossLogRouter::onLog); });
        std::lock_guard<std::mutex> locker(mutex_);
        monitors_.insert(context, monitor);
    }

    void remove(const void* context)
    {
        std::lock_guard<std::mutex> locker(mutex_);
        monitors_.remove(context);
    }

private:
    static void onLog(void* context, int level, const char* format, va_list arguments)
    {
        instance().route(context, level, format);
        av_log_default_callback(context, level, format, arguments);
    }

    void route(const void* context, int level, const char* format)
    {
        if (!context || !format) {
            return;
        }
        std::lock_guard<std::mutex> locker(mutex_);
        RtspLossMonitor* monitor = monitors_.value(context);
        if (!monitor) {
            return;
        }
        if (context == monitor->demuxer_) {
            if (std::strstr(format, "RTP: missed") || std::strstr(format, "max delay reached")) {
                monitor->noteNetworkLoss();
            }
        } else if (level <= AV_LOG_ERROR) {
            monitor->noteDecodeDamage();
        }
    }

    std::once_flag installed_;
    std::mutex mutex_;
    QHash<const void*, RtspLossMonitor*> monitors_;
};

RtspLossMonitor::~RtspLossMonitor()
{
    unwatch();
}

void RtspLossMonitor::watch(const AVFormatContext* demuxer, const AVCodecContext* decoder)
{
    unwatch();
    demuxer_ = demuxer;
    decoder_ = decoder;
    for (const void* context :
         {static_cast<const void*>(demuxer_), static_cast<const void*>(decoder_)}) {
        if (context) {
            RtspLossLogRouter::instance().add(context, this);
        }
    }
}

void RtspLossMonitor::unwatch()
{
    for (const void* context :
         {static_cast<const void*>(demuxer_), static_cast<const void*>(decoder_)}) {
        if (context) {
            RtspLossLogRouter::instance().remove(context);
        }
    }
    demuxer_ = nullptr;
    decoder_ = nullptr;
}

void RtspLossMonitor::noteDecodeDamage()
{
    decodeDamage_ = true;
    ++decodeDamageCount_;
}

void RtspLossMonitor::clear()
{
    networkLoss_ = false;
    decodeDamage_ = false;
}
