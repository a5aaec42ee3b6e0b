#include "ilogthrottle.h"

ILogThrottle::ILogThrottle(quint64 every, quint64 burst)
    : every_(qMax<quint64>(every, 1)), burst_(burst)
{
}

bool ILogThrottle::pass()
{
    ++count_;
    return count_ == 1 || count_ <= burst_ || count_ % every_ == 0;
}
