#include "ilivepathprobe.h"

#include <atomic>

namespace {

std::atomic<ILivePathProbe*> listener{nullptr};

}  // namespace

void ILivePathProbe::install(ILivePathProbe* probe)
{
    listener.store(probe);
}

ILivePathProbe* ILivePathProbe::installed()
{
    return listener.load(std::memory_order_acquire);
}
