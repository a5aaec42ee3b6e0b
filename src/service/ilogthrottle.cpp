#include "ilogthrottle.h"

ILogThrottle::ILogThrottle(quint64 every) : every_(qMax<quint64>(every, 1)) {}

bool ILogThrottle::pass()
{
    ++count_;
    return count_ == 1 || count_ % every_ == 0;
}
