#include <QtTest>

#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>
#include <QDir>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSettings>
#include <QStandardPaths>
#include <csignal>

#include "testpaths.h"

// The program itself under Xvfb (1920x1080, openbox), driven from outside with xdotool as a
// presenter would: on the virtual camera a press of Space saves a photo; without a camera the
// program says so and ends with status 0 once the message is answered, by mouse or keyboard.
// ORVELLA_INSTALLED_TREE runs the copy installed there instead (bin/orvella), in Chinese, and
// checks that it maps nothing from the build folder. A whole presenter's session (annotations, the
// capture modes, exports, OCR, recording, the panels and two language switches with their
// restarts) runs on two virtual cameras, a screenshot kept at every step. The window with its
// settings dialog open is kept as a screenshot in each interface language, and the twelve are
// tiled into one contact sheet to look at.
class TestOrvellaRun : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void spaceSavesPhotoOfNegotiatedSize();
    void noCameraTellsAndEnds_data();
    void noCameraTellsAndEnds();
    void presenterSession();
    void settingsInEachLanguage_data();
    void settingsInEachLanguage();
    void languagesContactSheet();

private:
    static QString run(const QString& program, const QStringList& arguments, int timeoutMs = 15000);
    static QString windowOf(qint64 pid);
    static void screenshot(const QString& name);
    static QStringList mappedFiles(qint64 pid);
    bool act(const QString& actions, const QString& logLine = QString(), int count = 1) const;
    static QImage shot(const QString& name);
    static int countPixels(const QImage& image, const QRect& area, bool (*match)(QRgb));
    static int patience(int ms);
    static bool waitDialogs(qint64 pid, int count, int timeoutMs = 10000);
    static QString probe(const QString& file, const QString& entry);
    int logCount(const QString& text) const;
    bool waitLog(const QString& text, int count = 1) const;
    QList<qint64> instances() const;
    qint64 switchLanguage(qint64 pid, const QString& keys, const QString& langId);

    QString dataDir_;
    QString program_;
    QString installedTree_;
    QStringList languageShots_;
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
    // A copy the program starts of itself is adopted by this process, which can then wait for it.
    QCOMPARE(prctl(PR_SET_CHILD_SUBREAPER, 1), 0);
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
    // In the terminal's language.
    QProcess help;
    QProcessEnvironment german = childEnvironment();
    german.insert("LANG", "de_DE.UTF-8");
    help.setProcessEnvironment(german);
    help.start(program_, {"--help"});
    QVERIFY(help.waitForFinished(10000));
    QVERIFY(QString::fromUtf8(help.readAllStandardOutput()).contains("Dokumentenkamera"));
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

// A user's actions: "c X,Y" clicks, "d X,Y X,Y ..." drags through the points, "k KEY" presses a
// key, "w MS" waits and "t TEXT" types the rest; then, when `logLine` is given, waits until the
// log holds it `count` times. Each xdotool command is given time to take effect; no --sync, which
// waits forever for a motion when the pointer is already in place.
bool TestOrvellaRun::act(const QString& actions, const QString& logLine, int count) const
{
    const auto xdo = [](const QStringList& commands) {
        run("xdotool", commands);
        QTest::qWait(300);
    };
    const QStringList words = actions.split(' ');
    for (int i = 0; i < words.size(); ++i) {
        const auto point = [&]() { return words.value(++i).split(','); };
        if (words[i] == "t") {
            xdo({"type", words.mid(i + 1).join(' ')});
            break;
        }
        if (words[i] == "c") {
            xdo(QStringList{"mousemove"} + point() + QStringList{"sleep", "0.1", "click", "1"});
        } else if (words[i] == "k") {
            xdo({"key", words.value(++i)});
        } else if (words[i] == "w") {
            QTest::qWait(words.value(++i).toInt());
        } else if (words[i] == "d") {
            QStringList drag = QStringList{"mousemove"} + point() + QStringList{"mousedown", "1"};
            while (words.value(i + 1).contains(',')) {
                drag += QStringList{"sleep", "0.05", "mousemove"} + point();
            }
            xdo(drag + QStringList{"mouseup", "1"});
        }
    }
    return logLine.isEmpty() || waitLog(logLine, count);
}

QImage TestOrvellaRun::shot(const QString& name)
{
    screenshot("session_" + name + ".png");
    return QImage(artifactsDir() + "/session_" + name + ".png");
}

int TestOrvellaRun::countPixels(const QImage& image, const QRect& area, bool (*match)(QRgb))
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); y += 2) {
        for (int x = area.left(); x <= area.right(); x += 2) {
            count += image.valid(x, y) && match(image.pixel(x, y));
        }
    }
    return count;
}

// Sanitizer builds run slower: their waits are longer.
int TestOrvellaRun::patience(int ms)
{
    return ms * qMax(1, qEnvironmentVariableIntValue("QTEST_FUNCTION_TIMEOUT") / 300000);
}

// Waits until the process shows `count` dialogs (message boxes, file, settings and OCR dialogs).
bool TestOrvellaRun::waitDialogs(qint64 pid, int count, int timeoutMs)
{
    const auto dialog = [](const QString& window) {
        return run("xprop", {"-id", window, "_NET_WM_WINDOW_TYPE"}).contains("DIALOG");
    };
    return QTest::qWaitFor(
        [&]() {
            const QStringList windows =
                run("xdotool", {"search", "--onlyvisible", "--pid", QString::number(pid)})
                    .split('\n', Qt::SkipEmptyParts);
            return std::count_if(windows.begin(), windows.end(), dialog) == count;
        },
        patience(timeoutMs));
}

QString TestOrvellaRun::probe(const QString& file, const QString& entry)
{
    return run("ffprobe", {"-v", "error", "-count_frames", "-select_streams", "v:0",
                           "-show_entries", entry, "-of", "default=nw=1:nk=1", file});
}

int TestOrvellaRun::logCount(const QString& text) const
{
    int count = 0;
    for (const QFileInfo& file : QDir(dataDir_ + "/other").entryInfoList({"log_*.txt"})) {
        QFile log(file.filePath());
        count += log.open(QIODevice::ReadOnly) ? QString::fromUtf8(log.readAll()).count(text) : 0;
    }
    return count;
}

bool TestOrvellaRun::waitLog(const QString& text, int count) const
{
    return QTest::qWaitFor([&]() { return logCount(text) >= count; }, patience(30000));
}

// This test's running copies of the program: its child and any copy a restart left to it.
QList<qint64> TestOrvellaRun::instances() const
{
    const QString program = QFileInfo(program_).canonicalFilePath();
    QList<qint64> pids;
    for (const QString& entry : QDir("/proc").entryList(QDir::Dirs)) {
        QFile stat("/proc/" + entry + "/stat");
        if (entry.toLongLong() > 0 && stat.open(QIODevice::ReadOnly) &&
            QFile::symLinkTarget("/proc/" + entry + "/exe") == program &&
            stat.readAll().split(')').last().split(' ').value(2).toLongLong() == getpid()) {
            pids << entry.toLongLong();
        }
    }
    return pids;
}

// Picks a language in the settings dialog (`keys` in the opened list) and confirms the restart;
// answers the copy that replaced `pid`, or 0.
qint64 TestOrvellaRun::switchLanguage(qint64 pid, const QString& keys, const QString& langId)
{
    const int starts = logCount("camera status: 0");
    act("c 1776,20");  // Settings, left of Minimize, Restore and Close (40 wide, 1 apart)
    if (!waitDialogs(pid, 1) || (act("c 1032,427 " + keys + " k Return"), !waitDialogs(pid, 2))) {
        return 0;  // the language box on the About page; the restart question
    }
    shot("restart_question_" + langId);
    act("k Return");
    const bool replaced = QTest::qWaitFor(
        [&]() { return instances().size() == 1 && instances().value(0) != pid; }, patience(15000));
    const qint64 next = replaced ? instances().value(0) : 0;
    if (!next || windowOf(next).isEmpty() || !waitLog("camera status: 0", starts + 1) ||
        !waitLog(QString("language id: \"%1\"").arg(langId))) {
        return 0;
    }
    QTest::qWait(1000);  // maximised and fitted
    shot("language_" + langId);
    return next;
}

void TestOrvellaRun::presenterSession()
{
    QDir(dataDir_).removeRecursively();
    const QString exports = dataDir_ + "/exports";
    QVERIFY(QDir().mkpath(exports));
    // A sheet with three known words, turned on a dark desk as a camera would see it.
    const QString page = exports + "/page.png";
    run("convert",
        QString("-size;1400x1000;xc:white;-font;Liberation-Sans-Bold;-pointsize;130;-draw;"
                "text 120,300 'HARBOUR' text 120,520 'LANTERN' text 120,740 'MEADOW';"
                "-bordercolor;#383838;-border;260;-background;#383838;-rotate;7")
                .split(';')
            << page);
    QProcessEnvironment env = childEnvironment();
    env.insert("ORVELLA_VIRTUAL_CAMERA", "2");
    env.insert("ORVELLA_VIRTUAL_CAMERA_IMAGE", page);
    QProcess orvella;
    orvella.setProcessEnvironment(env);
    orvella.setProcessChannelMode(QProcess::ForwardedChannels);
    orvella.start(program_, QStringList());
    QVERIFY(QFile::exists(page) && orvella.waitForStarted());
    const qint64 first = orvella.processId();
    // Whatever fails, no copy outlives the test (a restarted one is no child of QProcess).
    const auto cleanup = qScopeGuard([this]() {
        for (qint64 pid : instances()) {
            ::kill(pid, SIGKILL);
            waitpid(pid, nullptr, 0);
        }
    });
    QVERIFY(!windowOf(first).isEmpty() && waitLog("camera status: 0"));
    const auto white = [](QRgb c) { return qGray(c) > 235; };
    const auto blue = [](QRgb c) { return qBlue(c) > 180 && qRed(c) < 110 && qGreen(c) < 110; };
    const auto red = [](QRgb c) { return qRed(c) > 200 && qGreen(c) < 60 && qBlue(c) < 60; };
    const QRect board(250, 60, 1550, 920);
    QVERIFY(QTest::qWaitFor([&]() { return countPixels(shot("01_start"), board, white) > 40000; },
                            patience(10000)));

    // In blue (board, Color, blue, Pencil): a stroke; (Shape, rectangle) a rectangle; (Text) a
    // text box, which stops editing when Move is chosen.
    act("c 1884,384 c 1884,356 c 1817,274 c 1884,244 d 1150,560 1190,590 1230,560 1270,590 "
        "1310,560 1330,590 c 1884,524 c 1820,574 d 1150,330 1240,400 1330,480");
    act("c 1884,468 c 700,690 t QUAY");
    act("c 1884,188");
    QVERIFY(countPixels(shot("02_annotated"), QRect(1140, 320, 200, 280), blue) > 3000);

    // Automatic edging (the red outline on the page), then Space: the sheet alone, straightened.
    act("c 605,1043");
    QVERIFY(QTest::qWaitFor([&]() { return countPixels(shot("03_edging"), board, red) > 400; },
                            patience(10000)));
    QVERIFY(act("k space", "photo saved:"));
    const QDir photos(dataDir_ + "/photo", "*.jpeg", QDir::Name);
    const QImage photo(photos.filePath(photos.entryList().value(0)));
    QVERIFY2(qAbs(double(photo.width()) / photo.height() - 1.4) < 0.07,  // the sheet's, not 16:9
             qPrintable(QString("%1x%2").arg(photo.width()).arg(photo.height())));
    QVERIFY(white(photo.pixel(4, 4)) && white(photo.pixel(photo.width() - 5, 4)));
    QVERIFY(countPixels(photo, photo.rect(), blue) > 2000);
    act("c 605,1043");  // edging off

    // The capture modes are chosen in the panel above the arrow beside Snap.
    const auto mode = [](int which) {
        return QString("c 1217,1043 c 1112,%1 c 1217,1043 k space w 500 ").arg(771 + 28 * which);
    };
    // Partial: the area made smaller by its top left handle, then Select.
    QVERIFY(act(mode(2) + "d 625,224 725,314 825,404 c 1401,800", "photo saved:", 2));
    shot("04_partial");
    act(mode(3) + "c 1029,472 t 1");  // timing: every second, two pages
    act("c 1029,527 t 2");
    shot("05_timing");
    QVERIFY(act("c 899,604", "photo saved:", 4));
    // Time-lapse every second ("1 sec" above the interval), stopped after the third shot.
    QVERIFY(act(mode(4) + "c 1060,955 c 932,890 c 1114,955", "time-lapse picture 3 queued"));
    shot("06_timelapse");
    QVERIFY(act("c 1114,955", "video times:"));
    const QDir videos(dataDir_ + "/video", "*.mp4", QDir::Time);
    QCOMPARE(probe(videos.filePath(videos.entryList().value(0)), "stream=nb_read_frames"),
             QString("3"));
    act("c 1217,1043 c 1112,771 c 1217,1043");  // back to the default mode

    // The gallery's four entries, all checked (Select All), become a four-page PDF.
    act("c 90,907");
    const QImage gallery = shot("07_gallery");
    for (int i = 0; i < 5; ++i) {
        const QRgb badge = gallery.pixel(49, 168 + 110 * i);  // an entry's check mark
        QCOMPARE(qRed(badge) > 200 && qBlue(badge) < 90, i < 4);
    }
    act("c 1675,1043");
    QVERIFY(waitDialogs(first, 1));
    act("t " + exports + "/session");
    QVERIFY(act("k Return", "files saved:"));
    QVERIFY(run("pdfinfo", {exports + "/session.pdf"}).contains(QRegularExpression("Pages: +4")));

    // OCR of the checked photos to plain text (TEXT, OCR Recognizing) finds the sheet's words.
    act("c 1584,1043");
    QVERIFY(waitDialogs(first, 1));
    act("c 1166,749");
    shot("08_ocr");
    act("c 1221,782");
    QVERIFY(waitDialogs(first, 2));
    act("t " + exports + "/words.txt");
    QVERIFY(act("k Return", "ocr document written"));
    const QString text = run("cat", {exports + "/words.txt"});
    QVERIFY2(text.contains("HARBOUR") && text.contains("LANTERN") && text.contains("MEADOW"),
             qPrintable(text));
    QVERIFY(waitDialogs(first, 1));
    shot("09_ocr_done");
    // The progress dialog gives way to the message: Return until no box is left.
    QVERIFY(QTest::qWaitFor([&]() { return act("k Return"), waitDialogs(first, 0, 500); },
                            patience(15000)));

    // Three seconds of the screen from the middle of the area, stopped on the control bar; the
    // offer of the file is closed.
    QVERIFY(act("c 1493,1043 w 500 c 1023,522", "ScreenRecord: \"recording"));
    QTest::qWait(3000);
    shot("10_recording");
    QVERIFY(act("c 1669,919", "recording finished:") && waitDialogs(first, 1));
    shot("11_recorded");
    act("c 1119,555");
    videos.refresh();
    const double seconds =
        probe(videos.filePath(videos.entryList().value(0)), "format=duration").toDouble();
    QVERIFY2(seconds > 2.5 && seconds < 6, qPrintable(QString::number(seconds)));

    // Compare with the last checked photo; the second camera in picture-in-picture.
    const QRgb before = shot("12_before_compare").pixel(300, 150);
    act("c 787,1043 w 500");
    QVERIFY(shot("12_compare").pixel(300, 150) != before);
    QVERIFY(act("c 696,1043", "open small camera success--> \"virtual:1\""));
    QTest::qWait(800);
    shot("13_picture_in_picture");

    // Chinese and back: each time the program starts once more, and one copy runs.
    const qint64 chinese = switchLanguage(first, "k Home", "2052");
    QVERIFY(chinese);
    QTRY_COMPARE_WITH_TIMEOUT(orvella.state(), QProcess::NotRunning, patience(10000));
    QCOMPARE(orvella.exitCode(), 0);
    const qint64 last =
        switchLanguage(chinese, "k Home k Down k Down k Down k Down k Down", "1031");
    QVERIFY(last);
    QCOMPARE(logCount("started: true"), 2);
    act("c 1900,20");  // Close
    int status = -1;
    QVERIFY(QTest::qWaitFor([&]() { return waitpid(last, &status, WNOHANG) == last; },
                            patience(15000)));
    QVERIFY(WIFEXITED(status) && WEXITSTATUS(status) == 0 && instances().isEmpty());

    const QSettings ini(dataDir_ + "/ini/application.ini", QSettings::IniFormat);
    QCOMPARE(ini.value("lang/langid").toString(), QString("1031"));
    QCOMPARE(logCount("1031.qm\" loaded: true"), 1);
    QCOMPARE(ini.value("pencil/color").toString(), QString("#0000ff"));
    QCOMPARE(ini.value("other/filedialog").toString(), exports);
    // The partial photo has the shape of the stored area.
    photos.refresh();
    const QImage partial(photos.filePath(photos.entryList().value(1)));
    const double area =
        ini.value("other/freecapture_w").toDouble() / ini.value("other/freecapture_h").toDouble();
    QVERIFY(qAbs(double(partial.width()) / partial.height() - area) < 0.02);
    QCOMPARE(logCount("is not available yet"), 0);
}

void TestOrvellaRun::settingsInEachLanguage_data()
{
    QTest::addColumn<QString>("langId");
    for (const char* id : {"2052", "1028", "1033", "1049", "1034", "1031", "1041", "1042", "1036",
                           "1040", "1043", "1055"}) {
        QTest::newRow(id) << QString(id);
    }
}

void TestOrvellaRun::settingsInEachLanguage()
{
    QFETCH(QString, langId);
    QDir(dataDir_).removeRecursively();
    QSettings(dataDir_ + "/ini/application.ini", QSettings::IniFormat)
        .setValue("lang/langid", langId);
    QProcessEnvironment env = childEnvironment();
    env.insert("ORVELLA_VIRTUAL_CAMERA", "1");
    QProcess orvella;
    orvella.setProcessEnvironment(env);
    orvella.setProcessChannelMode(QProcess::ForwardedChannels);
    orvella.start(program_, QStringList());
    QVERIFY(orvella.waitForStarted() && !windowOf(orvella.processId()).isEmpty());
    QVERIFY(waitLog("camera status: 0"));
    QCOMPARE(logCount(langId + ".qm\" loaded: true"), 1);
    QTest::qWait(1000);  // maximised and fitted
    act("c 1776,20");    // Settings
    QVERIFY(waitDialogs(orvella.processId(), 1));
    QTest::qWait(500);
    const QString shot = QString("%1/languages_%2.png").arg(artifactsDir(), langId);
    screenshot(QFileInfo(shot).fileName());
    QCOMPARE(QImage(shot).size(), QSize(1920, 1080));
    languageShots_ << shot;
    // A termination signal closes the window in order, the open dialog first.
    orvella.terminate();
    QVERIFY(orvella.waitForFinished(patience(15000)));
    QCOMPARE(orvella.exitStatus(), QProcess::NormalExit);
    QCOMPARE(orvella.exitCode(), 0);
}

void TestOrvellaRun::languagesContactSheet()
{
    QCOMPARE(languageShots_.size(), 12);
    const QString sheet = artifactsDir() + "/languages_contactsheet.png";
    QFile::remove(sheet);
    QProcess tool;
    tool.setProcessEnvironment(childEnvironment());
    tool.start(binDir() + "/orvella-contactsheet", QStringList{"--tile", sheet} + languageShots_);
    QVERIFY(tool.waitForFinished(patience(60000)));
    QCOMPARE(tool.exitCode(), 0);
    QVERIFY(QImage(sheet).height() > 4 * 343);  // four rows of three
}

QTEST_GUILESS_MAIN(TestOrvellaRun)
#include "tst_orvella_run.moc"
