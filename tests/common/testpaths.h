#ifndef TESTPATHS_H
#define TESTPATHS_H

#include <QString>

// Where the built programs (build/bin) and the source tree are.
QString binDir();
QString sourceDir();
// A folder for files a person may want to look at after the run (screenshots, videos).
QString artifactsDir();
// Environment for a child process: this one's plus ORVELLA_WIFI_HOST=127.0.0.1.
class QProcessEnvironment;
QProcessEnvironment childEnvironment();

#endif  // TESTPATHS_H
