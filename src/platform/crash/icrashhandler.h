#ifndef ICRASHHANDLER_H
#define ICRASHHANDLER_H

#include <QString>

// On a fatal signal (SEGV, ABRT, BUS, FPE, ILL) writes a short report with the signal and a
// backtrace into `dumpDir`, then re-raises the signal with its default action.
class ICrashHandler {
public:
    static bool install(const QString& dumpDir, const QString& codeName);
};

#endif  // ICRASHHANDLER_H
