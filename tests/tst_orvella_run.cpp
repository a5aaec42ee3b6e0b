#include <QtTest>

#include <QDir>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>

#include "testpaths.h"

// The program itself under Xvfb (1920x1080, openbox), driven from outside with xdotool as a
// presenter would: on the virtual camera a press of Space saves a photo; without a camera the
// program says so and ends with status 0 once the message is answered, by mouse or keyboard.
// ORVELLA_INSTALLED_TREE runs the copy installed there instead (bin/orvella), in Chinese, and
// checks that it maps nothing from the build folder.
class TestOrvellaRun : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void spaceSavesPhotoOfNegotiatedSize();
    void noCameraTellsAndEnds_data();
    void noCameraTellsAndEnds();

private:
    static QString run(const QString& program, const QStringList& arguments, int timeoutMs = 15000);
    static QString windowOf(qint64 pid);
    static void screenshot(const QString& name);
    static QStringList mappedFiles(qint64 pid);

    QString dataDir_;
    QString program_;
    QString installedTree_;
};

QString TestOrvellaRun::run(const QString& program, const QStringList& arguments, int timeoutMs)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished();
        return QString();
    }
    return QString::fromLocal8Bit(process.readAllStandardOutput()).trimmed();
}

// The first visible window of the process, waiting for it to appear.
QString TestOrvellaRun::windowOf(qint64 pid)
{
    return run("xdotool", {"search", "--sync", "--onlyvisible", "--pid", QString::number(pid)})
        .split('\n')
        .value(0);
}

void TestOrvellaRun::screenshot(const QString& name)
{
    run("import", {"-window", "root", artifactsDir() + "/" + name});
}

void TestOrvellaRun::initTestCase()
{
    QVERIFY2(!qEnvironmentVariableIsEmpty("DISPLAY"), "needs the test runner's Xvfb");
    installedTree_ = qEnvironmentVariable("ORVELLA_INSTALLED_TREE");
    program_ = installedTree_.isEmpty() ? binDir() + "/orvella" : installedTree_ + "/bin/orvella";
    QVERIFY2(QFile::exists(program_), qPrintable(program_));
    // The program keeps its data where this process would, named after the executable.
    dataDir_ = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + "/orvella";
}

QStringList TestOrvellaRun::mappedFiles(qint64 pid)
{
    QFile maps(QStringLiteral("/proc/%1/maps").arg(pid));
    if (!maps.open(QIODevice::ReadOnly)) {
        return {};
    }
    QStringList files;
    for (const QByteArray& line : maps.readAll().split('\n')) {
        const int slash = line.indexOf('/');
        if (slash >= 0) {
            files << QString::fromLocal8Bit(line.mid(slash));
        }
    }
    files.removeDuplicates();
    return files;
}

void TestOrvellaRun::spaceSavesPhotoOfNegotiatedSize()
{
    const bool installed = !installedTree_.isEmpty();
    if (installed) {
        QSettings settings(dataDir_ + "/ini/application.ini", QSettings::IniFormat);
        settings.setValue("lang/langid", "2052");
    }
    QProcessEnvironment env = childEnvironment();
    env.insert("ORVELLA_VIRTUAL_CAMERA", "1");
    QProcess orvella;
    orvella.setProcessEnvironment(env);
    orvella.setProcessChannelMode(QProcess::ForwardedChannels);
    orvella.start(program_, QStringList());
    QVERIFY(orvella.waitForStarted());
    const QString window = windowOf(orvella.processId());
    QVERIFY2(!window.isEmpty(), "no window appeared");
    QTest::qWait(1500);  // frames arrive and the view is fitted

    const QString shotName = QStringLiteral("orvella_virtual_camera.png");
    screenshot(shotName);
    const QImage shot(artifactsDir() + "/" + shotName);
    QCOMPARE(shot.size(), QSize(1920, 1080));
    // Title bar along the top, toolbars along the bottom and the right, the picture between.
    QVERIFY(qGray(shot.pixel(960, 20)) < 60);
    QVERIFY(qGray(shot.pixel(960, 1060)) < 110);
    int bright = 0;
    for (int y = 100; y < 950; y += 10) {
        for (int x = 250; x < 1800; x += 10) {
            bright += qGray(shot.pixel(x, y)) > 200;
        }
    }
    QVERIFY2(bright > 2000, "no page on the board");

    // The desktop file's StartupWMClass names this class.
    QVERIFY(run("xprop", {"-id", window, "WM_CLASS"}).contains("\"orvella\""));
    // Answered while this instance holds the single-instance lock.
    QProcess version;
    version.start(program_, {"--version"});
    QVERIFY(version.waitForFinished(10000));
    QCOMPARE(version.exitCode(), 0);
    QVERIFY(QString::fromLocal8Bit(version.readAllStandardOutput()).startsWith("Orvella 2."));
    QVERIFY(run(program_, {"--help"}).contains("--version"));
    if (installed) {
        const QStringList mapped = mappedFiles(orvella.processId());
        QVERIFY(mapped.contains(QDir(installedTree_).filePath("lib/orvella/Lang/2052.qm")));
        const QStringList fromBuild = mapped.filter(QDir(binDir()).absolutePath());
        QVERIFY2(fromBuild.isEmpty(), qPrintable(fromBuild.join(' ')));
    }

    run("xdotool", {"windowactivate", "--sync", window});
    run("xdotool", {"key", "space"});
    const QDir photos(dataDir_ + "/photo");
    QTRY_COMPARE_WITH_TIMEOUT(photos.entryList(QDir::Files).size(), 1, 10000);
    const QString name = photos.entryList(QDir::Files).first();
    QVERIFY2(QRegularExpression("^\\d{17}\\.jpeg$").match(name).hasMatch(), qPrintable(name));
    const QImage photo(photos.filePath(name), "JPEG");
    QVERIFY(!photo.isNull());

    // The close button at the right end of the title bar ends the program normally.
    run("xdotool", {"mousemove", "--sync", "1900", "20", "click", "1"});
    QVERIFY(orvella.waitForFinished(15000));
    QCOMPARE(orvella.exitStatus(), QProcess::NormalExit);
    QCOMPARE(orvella.exitCode(), 0);
    // The photo has the size the camera negotiated, which the program kept as its resolution.
    QSettings settings(dataDir_ + "/ini/application.ini", QSettings::IniFormat);
    const QSize negotiated(settings.value("cameraresolution/width").toInt(),
                           settings.value("cameraresolution/height").toInt());
    QVERIFY(!negotiated.isEmpty());
    QCOMPARE(photo.size(), negotiated);
}

void TestOrvellaRun::noCameraTellsAndEnds_data()
{
    QTest::addColumn<bool>("byKeyboard");
    QTest::newRow("Ok clicked") << false;
    QTest::newRow("Return pressed") << true;
}

void TestOrvellaRun::noCameraTellsAndEnds()
{
    QFETCH(bool, byKeyboard);
    QProcessEnvironment env = childEnvironment();
    env.insert("ORVELLA_VIRTUAL_CAMERA", "0");
    env.remove("ORVELLA_ANY_CAMERA");
    QProcess orvella;
    orvella.setProcessEnvironment(env);
    orvella.setProcessChannelMode(QProcess::ForwardedChannels);
    orvella.start(program_, QStringList());
    QVERIFY(orvella.waitForStarted());
    const QString box = windowOf(orvella.processId());
    QVERIFY2(!box.isEmpty(), "no message appeared");
    QTest::qWait(300);
    screenshot(QStringLiteral("orvella_no_camera.png"));
    QCOMPARE(orvella.state(), QProcess::Running);  // waits for the answer
    if (byKeyboard) {
        run("xdotool", {"windowactivate", "--sync", box});
        run("xdotool", {"key", "Return"});
        QVERIFY(orvella.waitForFinished(15000));
        QCOMPARE(orvella.exitStatus(), QProcess::NormalExit);
        QCOMPARE(orvella.exitCode(), 0);
        return;
    }
    QHash<QString, int> geometry;
    for (const QString& line : run("xdotool", {"getwindowgeometry", "--shell", box}).split('\n')) {
        const QStringList pair = line.split('=');
        geometry.insert(pair.value(0), pair.value(1).toInt());
    }
    QVERIFY(geometry.value("WIDTH") >= 300);
    // "Ok" sits in the bottom right corner, 80 x 30 inside a margin of 10.
    const int x = geometry.value("X") + geometry.value("WIDTH") - 10 - 40;
    const int y = geometry.value("Y") + geometry.value("HEIGHT") - 10 - 15;
    run("xdotool", {"mousemove", "--sync", QString::number(x), QString::number(y), "click", "1"});
    QVERIFY(orvella.waitForFinished(15000));
    QCOMPARE(orvella.exitStatus(), QProcess::NormalExit);
    QCOMPARE(orvella.exitCode(), 0);
}

QTEST_GUILESS_MAIN(TestOrvellaRun)
#include "tst_orvella_run.moc"
