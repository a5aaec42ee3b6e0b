#ifndef APPDATA_H
#define APPDATA_H

#include <QString>

// The per-user data folder plus `sub`, created (with parents) when missing.
QString appDataDir(const QString& sub);

// Keeps the event loop turning for `ms` milliseconds (monotonic clock).
void waitProcessingEvents(int ms);

#endif  // APPDATA_H
