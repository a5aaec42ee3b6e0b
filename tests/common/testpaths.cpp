#include "testpaths.h"

#include <QDir>
#include <QProcessEnvironment>

QString binDir()
{
    return QStringLiteral(ORVELLA_BIN_DIR);
}

QString sourceDir()
{
    return QStringLiteral(ORVELLA_SOURCE_DIR);
}

QString artifactsDir()
{
    QString dir = qEnvironmentVariable("ORVELLA_TEST_ARTIFACTS");
    if (dir.isEmpty()) {
        dir = QDir::currentPath() + "/artifacts";
    }
    QDir().mkpath(dir);
    return dir;
}

QProcessEnvironment childEnvironment()
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("ORVELLA_WIFI_HOST"), QStringLiteral("127.0.0.1"));
    return env;
}
