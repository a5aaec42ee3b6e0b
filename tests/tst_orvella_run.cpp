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
// restarts) runs on two virtual cameras, a screenshot kept at every step.
class TestOrvellaRun : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void spaceSavesPhotoOfNegotiatedSize();
    void noCameraTellsAndEnds_data();
    void noCameraTellsAndEnds();
    void presenterSession();

private:
    static QString run(const QString& program, const QStringList& arguments, int timeoutMs = 15000);
    static QString windowOf(qint64 pid);
    static void screenshot(const QString& name);
    static QStringList mappedFiles(qint64 pid);
    static void xdo(const QStringList& arguments, int settleMs = 300);
    static void click(int x, int y, int settleMs = 300);
    static void drag(const QVector<QPoint>& path);
    static QImage shot(const QString& name);
    static int countPixels(const QImage& image, const QRect& area, bool (*match)(QRgb));
    static QStringList dialogsOf(qint64 pid);
    static bool answerBoxes(qint64 pid);
    static QString probe(const QString& file, const QString& entry);
    int logCount(const QString& text) const;
    bool waitLog(const QString& text, int count = 1, int timeoutMs = 20000) const;
    QList<qint64> instances() const;
    qint64 switchLanguage(qint64 pid, const QString& keys, const QString& langId, int step);

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
    program_ = QFileInfo(program_).canonicalFilePath();
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

// No --sync: xdotool waits forever for a motion when the pointer is already in place.
void TestOrvellaRun::xdo(const QStringList& arguments, int settleMs)
{
    run("xdotool", arguments);
    QTest::qWait(settleMs);
}

void TestOrvellaRun::click(int x, int y, int settleMs)
{
    xdo({"mousemove", QString::number(x), QString::number(y), "sleep", "0.1", "click", "1"},
        settleMs);
}

void TestOrvellaRun::drag(const QVector<QPoint>& path)
{
    QStringList arguments;
    for (const QPoint& p : path) {
        arguments << "mousemove" << QString::number(p.x()) << QString::number(p.y()) << "sleep"
                  << "0.05";
        if (arguments.size() == 5) {
            arguments << "mousedown"
                      << "1";
        }
    }
    xdo(arguments << "mouseup"
                  << "1");
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

// The process's visible dialogs (message boxes, file dialogs, the settings and OCR dialogs).
QStringList TestOrvellaRun::dialogsOf(qint64 pid)
{
    QStringList dialogs;
    for (const QString& window :
         run("xdotool", {"search", "--onlyvisible", "--pid", QString::number(pid)}).split('\n')) {
        if (!window.isEmpty() &&
            run("xprop", {"-id", window, "_NET_WM_WINDOW_TYPE"}).contains("TYPE_DIALOG")) {
            dialogs << window;
        }
    }
    return dialogs;
}

// Answers the boxes still open with Return until none is left.
bool TestOrvellaRun::answerBoxes(qint64 pid)
{
    return QTest::qWaitFor(
        [pid]() {
            const bool done = dialogsOf(pid).isEmpty();
            if (!done) {
                xdo({"key", "Return"});
            }
            return done;
        },
        15000);
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
        if (log.open(QIODevice::ReadOnly)) {
            count += QString::fromUtf8(log.readAll()).count(text);
        }
    }
    return count;
}

bool TestOrvellaRun::waitLog(const QString& text, int count, int timeoutMs) const
{
    const bool seen = QTest::qWaitFor([&]() { return logCount(text) >= count; }, timeoutMs);
    if (!seen) {
        qWarning() << "not in the log:" << text << count;
    }
    return seen;
}

// This test's running copies of the program: its child and any copy a restart left to it.
QList<qint64> TestOrvellaRun::instances() const
{
    QList<qint64> pids;
    for (const QString& entry : QDir("/proc").entryList(QDir::Dirs)) {
        QFile stat("/proc/" + entry + "/stat");
        if (entry.toLongLong() > 0 && stat.open(QIODevice::ReadOnly) &&
            QFile::symLinkTarget("/proc/" + entry + "/exe") == program_ &&
            stat.readAll().split(')').last().split(' ').value(2).toLongLong() == getpid()) {
            pids << entry.toLongLong();
        }
    }
    return pids;
}

// Picks a language in the settings dialog (keys in the opened list) and confirms the restart;
// answers the copy that replaced `pid`, or 0.
qint64 TestOrvellaRun::switchLanguage(qint64 pid, const QString& keys, const QString& langId,
                                      int step)
{
    const int restarts = logCount("started: true");
    click(1920 - 4 * 41 + 20, 20);  // Settings, left of Minimize, Restore and Close
    if (!QTest::qWaitFor([&]() { return dialogsOf(pid).size() == 1; }, 10000)) {
        return 0;
    }
    click(1032, 427);  // the language box on the About page
    xdo(QStringList{"key"} + keys.split(' ') + QStringList{"Return"});
    if (!QTest::qWaitFor([&]() { return dialogsOf(pid).size() == 2; }, 10000)) {
        return 0;
    }
    shot(QString("%1_restart_question").arg(step));
    xdo({"key", "Return"});  // Ok
    if (!waitLog("started: true", restarts + 1) ||
        !QTest::qWaitFor(
            [&]() { return instances().size() == 1 && instances() != QList<qint64>{pid}; },
            15000) ||
        !waitLog(QString("language id: \"%1\"").arg(langId))) {
        return 0;
    }
    const qint64 next = instances().value(0);
    if (windowOf(next).isEmpty() || !waitLog("camera status: 0", restarts + 2)) {
        return 0;
    }
    QTest::qWait(1000);  // maximised and fitted
    shot(QString("%1_language_%2").arg(step).arg(langId));
    return next;
}

void TestOrvellaRun::presenterSession()
{
    QDir(dataDir_).removeRecursively();
    const QString exports = dataDir_ + "/exports";
    QVERIFY(QDir().mkpath(exports));
    // A sheet with three known words, turned on a dark desk as a camera would see it.
    const QString page = exports + "/page.png";
    run("convert", {"-size",
                    "1400x1000",
                    "xc:white",
                    "-font",
                    "Liberation-Sans-Bold",
                    "-pointsize",
                    "130",
                    "-draw",
                    "text 120,300 'HARBOUR'",
                    "-draw",
                    "text 120,520 'LANTERN'",
                    "-draw",
                    "text 120,740 'MEADOW'",
                    "-bordercolor",
                    "#383838",
                    "-border",
                    "260",
                    "-background",
                    "#383838",
                    "-rotate",
                    "7",
                    page});
    QVERIFY(QFile::exists(page));
    QProcessEnvironment env = childEnvironment();
    env.insert("ORVELLA_VIRTUAL_CAMERA", "2");
    env.insert("ORVELLA_VIRTUAL_CAMERA_IMAGE", page);
    QProcess orvella;
    orvella.setProcessEnvironment(env);
    orvella.setProcessChannelMode(QProcess::ForwardedChannels);
    orvella.start(program_, QStringList());
    QVERIFY(orvella.waitForStarted());
    // Whatever fails, no copy outlives the test (a restarted one is no child of QProcess).
    const auto cleanup = qScopeGuard([this]() {
        for (qint64 pid : instances()) {
            ::kill(pid, SIGKILL);
            waitpid(pid, nullptr, 0);
        }
    });
    QVERIFY(!windowOf(orvella.processId()).isEmpty());
    QVERIFY(waitLog("camera status: 0"));
    const auto white = [](QRgb c) { return qGray(c) > 235; };
    const auto blue = [](QRgb c) { return qBlue(c) > 180 && qRed(c) < 110 && qGreen(c) < 110; };
    const auto red = [](QRgb c) { return qRed(c) > 200 && qGreen(c) < 60 && qBlue(c) < 60; };
    const QRect board(250, 60, 1550, 920);
    QVERIFY(QTest::qWaitFor([&]() { return countPixels(shot("01_start"), board, white) > 40000; },
                            10000));

    // Annotations in blue: a stroke, a rectangle and a text box, from the board toolbar.
    click(1884, 384);  // right toolbar: the board
    click(1884, 412);  // Color
    click(1817, 330);  // blue
    click(1884, 300);  // Pencil
    drag({{1150, 560}, {1190, 590}, {1230, 560}, {1270, 590}, {1310, 560}, {1330, 590}});
    click(1884, 580);  // Shape
    click(1820, 671);  // rectangle
    drag({{1150, 330}, {1240, 400}, {1330, 480}});
    click(1884, 524);  // Text
    click(700, 690);
    xdo({"type", "--delay", "30", "QUAY"});
    click(1884, 244);  // Move: the text box stops editing
    QVERIFY(countPixels(shot("02_annotated"), QRect(1140, 320, 200, 280), blue) > 3000);

    // Automatic edging (the red outline on the page) and Space: the page alone, straightened.
    click(605, 1043);
    QVERIFY(
        QTest::qWaitFor([&]() { return countPixels(shot("03_edging"), board, red) > 400; }, 10000));
    xdo({"key", "space"});
    QVERIFY(waitLog("photo saved:"));
    const QDir photos(dataDir_ + "/photo");
    const QImage photo(photos.filePath(photos.entryList(QDir::Files, QDir::Name).value(0)));
    QVERIFY2(qAbs(double(photo.width()) / photo.height() - 1.4) < 0.07,
             qPrintable(QString("%1x%2").arg(photo.width()).arg(photo.height())));
    QVERIFY(white(photo.pixel(4, 4)) && white(photo.pixel(photo.width() - 5, 4)));
    QVERIFY(countPixels(photo, photo.rect(), blue) > 2000);
    click(605, 1043);  // edging off: the outline is part of the frame

    // Capture modes are chosen in the panel above the arrow beside Snap.
    const auto mode = [](int which) {
        click(1217, 1043);
        click(1112, 771 + 28 * which);
        click(1217, 1043);
    };
    mode(2);  // partial capture: a smaller rectangle, then Select
    xdo({"key", "space"}, 800);
    drag({{625, 224}, {725, 314}, {825, 404}});
    shot("04_partial");
    click(1401, 800);
    QVERIFY(waitLog("photo saved:", 2));
    mode(3);  // timing capture: every second, two pages
    xdo({"key", "space"});
    click(1029, 472);
    xdo({"type", "1"});
    click(1029, 527);
    xdo({"type", "2"});
    shot("05_timing");
    click(899, 604);
    QVERIFY(waitLog("photo saved:", 4));
    mode(4);  // time-lapse: every second, stopped after the third shot
    xdo({"key", "space"});
    click(1060, 955);  // the interval, then "1 sec" above it
    click(932, 890);
    click(1114, 955);
    QVERIFY(waitLog("time-lapse picture 3 queued"));
    shot("06_timelapse");
    click(1114, 955);
    QVERIFY(waitLog("video times:"));
    const QString video = QDir(dataDir_ + "/video").entryInfoList({"*.mp4"}).value(0).filePath();
    QCOMPARE(probe(video, "stream=nb_read_frames"), QString("3"));
    mode(0);

    // The gallery holds the four photos; all checked, they become a four-page PDF.
    click(90, 907);  // Select All
    const QImage gallery = shot("07_gallery");
    for (int i = 0; i < 5; ++i) {
        const QRgb badge = gallery.pixel(49, 168 + 110 * i);  // the check mark of an entry
        QCOMPARE(qRed(badge) > 200 && qBlue(badge) < 90, i < 4);
    }
    click(1675, 1043);  // PDF
    QVERIFY(QTest::qWaitFor([&]() { return dialogsOf(orvella.processId()).size() == 1; }, 10000));
    xdo({"type", exports + "/session"});
    xdo({"key", "Return"});
    QVERIFY(waitLog("files saved:"));
    QVERIFY(run("pdfinfo", {exports + "/session.pdf"}).contains(QRegularExpression("Pages: +4")));

    // OCR of the checked photos to plain text finds the page's words.
    click(1584, 1043);
    QVERIFY(QTest::qWaitFor([&]() { return dialogsOf(orvella.processId()).size() == 1; }, 10000));
    click(1166, 749);  // TEXT
    shot("08_ocr");
    click(1221, 782);  // OCR Recognizing
    QVERIFY(QTest::qWaitFor([&]() { return dialogsOf(orvella.processId()).size() == 2; }, 10000));
    xdo({"type", exports + "/words.txt"});
    xdo({"key", "Return"});
    QVERIFY(waitLog("ocr document written", 1, 60000));
    QFile words(exports + "/words.txt");
    QVERIFY(words.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(words.readAll());
    for (const char* word : {"HARBOUR", "LANTERN", "MEADOW"}) {
        QVERIFY2(text.contains(word), qPrintable(text));
    }
    QVERIFY(QTest::qWaitFor([&]() { return dialogsOf(orvella.processId()).size() == 1; }, 10000));
    shot("09_ocr_done");
    QVERIFY(answerBoxes(orvella.processId()));

    // Three seconds of the screen, then the offer of the file is closed.
    click(1493, 1043, 800);
    click(1023, 522);  // start in the middle of the area
    QVERIFY(waitLog("ScreenRecord: \"recording"));
    QTest::qWait(3000);
    shot("10_recording");
    click(1669, 919);  // stop on the control bar
    QVERIFY(waitLog("recording finished:"));
    QVERIFY(QTest::qWaitFor([&]() { return dialogsOf(orvella.processId()).size() == 1; }, 10000));
    shot("11_recorded");
    click(1119, 555);  // Close
    QFileInfoList videos =
        QDir(dataDir_ + "/video").entryInfoList({"*.mp4"}, QDir::Files, QDir::Time);
    const double seconds = probe(videos.value(0).filePath(), "format=duration").toDouble();
    QVERIFY2(seconds > 2.5 && seconds < 6, qPrintable(QString::number(seconds)));

    // Compare with the last checked photo; the second camera in picture-in-picture.
    const QRgb before = shot("12_before_compare").pixel(300, 150);
    click(787, 1043, 800);
    QVERIFY(shot("12_compare").pixel(300, 150) != before);
    click(696, 1043);
    QVERIFY(waitLog("open small camera success--> \"virtual:1\""));
    QTest::qWait(800);
    shot("13_picture_in_picture");

    // Chinese and back: each time the program starts again once, and one copy runs.
    const qint64 first = orvella.processId();
    qint64 pid = switchLanguage(first, "Home", "2052", 14);
    QVERIFY(pid);
    QTRY_COMPARE_WITH_TIMEOUT(orvella.state(), QProcess::NotRunning, 10000);
    QCOMPARE(orvella.exitCode(), 0);
    pid = switchLanguage(pid, "Home Down Down", "1033", 15);
    QVERIFY(pid);
    QCOMPARE(logCount("started: true"), 2);

    click(1900, 20);  // Close
    int status = -1;
    QVERIFY(QTest::qWaitFor([&]() { return waitpid(pid, &status, WNOHANG) == pid; }, 15000));
    QVERIFY(WIFEXITED(status));
    QCOMPARE(WEXITSTATUS(status), 0);
    QVERIFY(instances().isEmpty());
    QSettings ini(dataDir_ + "/ini/application.ini", QSettings::IniFormat);
    QCOMPARE(ini.value("lang/langid").toString(), QString("1033"));
    QCOMPARE(ini.value("pencil/color").toString(), QString("#0000ff"));
    QCOMPARE(ini.value("other/filedialog").toString(), exports);
    const QSize area(ini.value("other/freecapture_w").toInt(),
                     ini.value("other/freecapture_h").toInt());
    const QImage partial(photos.filePath(photos.entryList(QDir::Files, QDir::Name).value(1)));
    QVERIFY(!area.isEmpty() && !partial.isNull());
    QVERIFY(qAbs(double(partial.width()) / partial.height() -
                 double(area.width()) / area.height()) < 0.02);
    QCOMPARE(logCount("is not available yet"), 0);
}

QTEST_GUILESS_MAIN(TestOrvellaRun)
#include "tst_orvella_run.moc"
