#include "ffmpeg/isoundsources.h"

#include <QDeadlineTimer>
#include <QDebug>
#include <QThread>

#include <pulse/context.h>
#include <pulse/error.h>
#include <pulse/introspect.h>
#include <pulse/mainloop.h>

namespace {

struct Query {
    ISoundSources* result;
    int pending = 2;  // server information and the source list
};

void onServerInfo(pa_context*, const pa_server_info* info, void* data)
{
    auto* query = static_cast<Query*>(data);
    if (info && info->default_source_name) {
        query->result->defaultName = QString::fromUtf8(info->default_source_name);
    }
    --query->pending;
}

void onSourceInfo(pa_context*, const pa_source_info* info, int last, void* data)
{
    auto* query = static_cast<Query*>(data);
    if (last) {
        --query->pending;
        return;
    }
    if (info) {
        query->result->sources.append(
            {QString::fromUtf8(info->name), QString::fromUtf8(info->description)});
    }
}

// Runs the loop until `done` or the deadline; false at the deadline.
template <typename Done>
bool runUntil(pa_mainloop* loop, const QDeadlineTimer& deadline, Done done)
{
    while (!done()) {
        if (deadline.hasExpired() || pa_mainloop_iterate(loop, 0, nullptr) < 0) {
            return false;
        }
        QThread::msleep(2);
    }
    return true;
}

}  // namespace

ISoundSources ISoundSources::query(int timeoutMs)
{
    ISoundSources result;
    const QDeadlineTimer deadline(timeoutMs);
    pa_mainloop* loop = pa_mainloop_new();
    pa_context* context = pa_context_new(pa_mainloop_get_api(loop), "Orvella");
    if (pa_context_connect(context, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) >= 0 &&
        runUntil(loop, deadline,
                 [context] {
                     const pa_context_state_t state = pa_context_get_state(context);
                     return state == PA_CONTEXT_READY || !PA_CONTEXT_IS_GOOD(state);
                 }) &&
        pa_context_get_state(context) == PA_CONTEXT_READY) {
        Query query{&result};
        pa_operation_unref(pa_context_get_server_info(context, onServerInfo, &query));
        pa_operation_unref(pa_context_get_source_info_list(context, onSourceInfo, &query));
        result.available = runUntil(loop, deadline, [&query] { return query.pending == 0; });
    }
    if (!result.available) {
        qDebug() << "no sound server:" << pa_strerror(pa_context_errno(context));
        result.sources.clear();
    }
    pa_context_disconnect(context);
    pa_context_unref(context);
    pa_mainloop_free(loop);
    return result;
}
