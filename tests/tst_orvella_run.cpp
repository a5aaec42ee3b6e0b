#include <QtTest>

#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>
#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
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
    QRect geometry(const QString& name) const;
    QStringList locate(const QString& point, QString& name) const;
    static QImage shot(const QString& name);
    static int countPixels(const QImage& image, const QRect& area, bool (*match)(QRgb));
    static int patience(int ms);
    static bool waitDialogs(qint64 pid, int count, int timeoutMs = 10000);
    static QString probe(const QString& file, const QString& entry);
    int logCount(const QString& text) const;
    bool waitLog(const QString& text, int count = 1) const;
    QList<qint64> instances() const;
    qint64 switchLanguage(qint64 pid, const QString& keys, const QString& langId);

    QTemporaryDir geometryDir_;
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
    // Every copy of the program tells where its named widgets are.
    qputenv("ORVELLA_TEST_GEOMETRY", geometryDir_.filePath("geometry").toLocal8Bit());
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
    // Title bar along the top, toolbars along the bottom and the right, once frames arrived
    // and the view is fitted: the page between.
    const QString shotName = artifactsDir() + "/orvella_virtual_camera.png";
    QVERIFY(QTest::qWaitFor(
        [&]() {
            screenshot(QFileInfo(shotName).fileName());
            const QImage shot(shotName);
            return shot.size() == QSize(1920, 1080) && qGray(shot.pixel(960, 20)) < 60 &&
                   qGray(shot.pixel(960, 1060)) < 110 &&
                   countPixels(shot, geometry("board.view"),
                               [](QRgb c) { return qGray(c) > 200; }) > 40000;
        },
        patience(15000)));

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
    act("c title.close");
    QTRY_COMPARE_WITH_TIMEOUT(orvella.state(), QProcess::NotRunning, patience(15000));
    QCOMPARE(orvella.exitStatus(), QProcess::NormalExit);
    QCOMPARE(orvella.exitCode(), 0);
    // The photo has the size the camera negotiated, which the program kept as its resolution.
    QSettings settings(dataDir_ + "/ini/application.ini", QSettings::IniFormat);
    const QSize negotiated(settings.value("cameraresolution/width").toInt(),
                           settings.value("cameraresolution/height").toInt());
    QVERIFY(!negotiated.isEmpty());
    QCOMPARE(photo.size(), negotiated);

    // The next start lists the photo in the gallery again.
    orvella.start(program_, QStringList());
    QVERIFY(orvella.waitForStarted() && !windowOf(orvella.processId()).isEmpty());
    QVERIFY(QTest::qWaitFor([&]() { return !geometry("gallery.entry." + name).isEmpty(); },
                            patience(15000)));
    act("c title.close");
    QTRY_COMPARE_WITH_TIMEOUT(orvella.state(), QProcess::NotRunning, patience(15000));
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
    env.insert("ORVELLA_SUPPORTED_CAMERAS_ONLY",
               "1");  // a real camera on the machine must not count
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
    act("c msgbox.ok");
    QTRY_COMPARE_WITH_TIMEOUT(orvella.state(), QProcess::NotRunning, patience(15000));
    QCOMPARE(orvella.exitStatus(), QProcess::NormalExit);
    QCOMPARE(orvella.exitCode(), 0);
}

// The global rectangle of the visible widget of that object name, as the program last wrote it;
// empty while there is none.
QRect TestOrvellaRun::geometry(const QString& name) const
{
    QFile file(qEnvironmentVariable("ORVELLA_TEST_GEOMETRY"));
    if (!file.open(QIODevice::ReadOnly)) {
        return QRect();
    }
    for (const QByteArray& line : file.readAll().split('\n')) {
        const QList<QByteArray> fields = line.split(' ');
        if (fields.size() == 5 && fields[0] == name.toUtf8()) {
            return QRect(fields[1].toInt(), fields[2].toInt(), fields[3].toInt(),
                         fields[4].toInt());
        }
    }
    return QRect();
}

// A point of a widget as xdotool's X and Y: "NAME" its centre, "NAME+X,Y" that point from its
// top-left corner, "+X,Y" the same from the widget named before. Waits for the widget to show.
QStringList TestOrvellaRun::locate(const QString& point, QString& name) const
{
    const int plus = point.indexOf('+');
    name = plus == 0 ? name : point.left(plus);
    QRect box;
    if (!QTest::qWaitFor([&]() { return !(box = geometry(name)).isEmpty(); }, patience(15000))) {
        QTest::qFail(qPrintable("no widget shown as " + name), __FILE__, __LINE__);
    }
    const QStringList offset = point.mid(plus + 1).split(',');
    const QPoint at =
        plus < 0 ? box.center()
                 : box.topLeft() + QPoint(offset.value(0).toInt(), offset.value(1).toInt());
    return {QString::number(at.x()), QString::number(at.y())};
}

// A user's actions: "c WIDGET" clicks, "d WIDGET+X,Y +X,Y ..." drags through the points (see
// locate), "k KEY" presses a key and "t TEXT" types the rest; then, when `logLine` is given,
// waits until the log holds it `count` times. Each xdotool command is given time to take effect;
// no --sync, which waits forever for a motion when the pointer is already in place.
bool TestOrvellaRun::act(const QString& actions, const QString& logLine, int count) const
{
    const auto xdo = [](const QStringList& commands) {
        run("xdotool", commands);
        QTest::qWait(300);
    };
    const QStringList words = actions.split(' ');
    QString name;
    for (int i = 0; i < words.size(); ++i) {
        const auto point = [&]() { return locate(words.value(++i), name); };
        if (words[i] == "t") {
            xdo({"type", words.mid(i + 1).join(' ')});
            break;
        }
        if (words[i] == "c") {
            xdo(QStringList{"mousemove"} + point() + QStringList{"sleep", "0.1", "click", "1"});
        } else if (words[i] == "k") {
            xdo({"key", words.value(++i)});
        } else if (words[i] == "d") {
            QStringList drag = QStringList{"mousemove"} + point() + QStringList{"mousedown", "1"};
            while (words.value(i + 1).startsWith('+')) {
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
    act("c title.settings");
    if (!waitDialogs(pid, 1) ||
        (act("c settings.language " + keys + " k Return"), !waitDialogs(pid, 2))) {
        return 0;  // the restart question
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
    QVERIFY(QTest::qWaitFor(
        [&]() { return countPixels(shot("01_start"), geometry("board.view"), white) > 40000; },
        patience(10000)));
    const QRect board = geometry("board.view");

    // In blue (board, Color, blue, Pencil): a stroke; (Shape, rectangle) a rectangle; (Text) a
    // text box, which stops editing when Move is chosen.
    act("c right.board c board.color c color.0000ff c board.pencil d board.view+950,520 +990,550 "
        "+1030,520 +1070,550 +1110,520 +1130,550 c board.shape c shape.rectangle "
        "d board.view+950,290 +1040,360 +1130,440");
    act("c board.text c board.view+500,650 t QUAY");
    act("c board.move");
    const QRect drawn(board.topLeft() + QPoint(940, 280), QSize(200, 280));
    QVERIFY(QTest::qWaitFor([&]() { return countPixels(shot("02_annotated"), drawn, blue) > 3000; },
                            patience(10000)));

    // Automatic edging (the red outline on the page), then Space: the sheet alone, straightened.
    act("c camera.autoedge");
    QVERIFY(QTest::qWaitFor([&]() { return countPixels(shot("03_edging"), board, red) > 400; },
                            patience(10000)));
    QVERIFY(act("k space", "photo saved:"));
    const QDir photos(dataDir_ + "/photo", "*.jpeg", QDir::Name);
    const QImage photo(photos.filePath(photos.entryList().value(0)));
    QVERIFY2(qAbs(double(photo.width()) / photo.height() - 1.4) < 0.07,  // the sheet's, not 16:9
             qPrintable(QString("%1x%2").arg(photo.width()).arg(photo.height())));
    QVERIFY(white(photo.pixel(4, 4)) && white(photo.pixel(photo.width() - 5, 4)));
    QVERIFY(countPixels(photo, photo.rect(), blue) > 2000);
    act("c camera.autoedge");  // edging off

    // The capture modes are chosen in the panel above the arrow beside Snap.
    const auto mode = [](const QString& which) {
        return QString("c camera.photomode c capturemode.%1 c camera.photomode ").arg(which);
    };
    // Partial: the area made smaller by its top left handle, then Select.
    QVERIFY(
        act(mode("partial") + "k space d panel.partial.zone+1,1 +100,90 +200,180 c partial.select",
            "photo saved:", 2));
    shot("04_partial");
    act(mode("timing") + "k space c timing.interval t 1");  // timing: every second, two pages
    act("c timing.pages t 2");
    shot("05_timing");
    QVERIFY(act("c timing.confirm", "photo saved:", 4));
    // Time-lapse every second, stopped once a third shot is in; the video holds every picture
    // queued until then, however many more came in before the stop.
    QVERIFY(act(mode("timelapse") + "k space c timelapse.interval c timelapse.1s c timelapse.start",
                "time-lapse picture 3 queued"));
    shot("06_timelapse");
    QVERIFY(act("c timelapse.start", "video times:"));
    act("c recordbox.closebox");  // the offer of the video
    int queued = 3;
    while (logCount(QString("time-lapse picture %1 queued").arg(queued + 1)) > 0) {
        ++queued;
    }
    const QDir videos(dataDir_ + "/video", "*.mp4", QDir::Time);
    QCOMPARE(probe(videos.filePath(videos.entryList().value(0)), "stream=nb_read_frames"),
             QString::number(queued));
    act(mode("default"));

    // The gallery's four entries, all checked (Select All), become a four-page PDF.
    act("c gallery.selectall");
    const auto allChecked = [&]() {
        const QImage gallery = shot("07_gallery");
        for (int i = 0; i < 5; ++i) {
            const QRgb badge = gallery.pixel(49, 168 + 110 * i);  // an entry's check mark
            if ((qRed(badge) > 200 && qBlue(badge) < 90) != (i < 4)) {
                return false;
            }
        }
        return true;
    };
    QVERIFY(QTest::qWaitFor(allChecked, patience(10000)));
    act("c camera.pdf");
    QVERIFY(waitDialogs(first, 1));
    act("t " + exports + "/session");
    QVERIFY(act("k Return", "files saved:"));
    QVERIFY(run("pdfinfo", {exports + "/session.pdf"}).contains(QRegularExpression("Pages: +4")));

    // OCR of the checked photos to plain text (TEXT, OCR Recognizing) finds the sheet's words.
    act("c camera.ocr");
    QVERIFY(waitDialogs(first, 1));
    act("c ocr.text");
    shot("08_ocr");
    act("c ocr.recognize");
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

    // Three seconds of the screen from the Start button in the middle of the area, stopped on
    // the control bar; the offer of the file is closed. The video lasts about as long as the
    // recording ran, however slowly the clicks came through.
    QVERIFY(act("c camera.videorecording c recording.start", "ScreenRecord: \"recording"));
    QElapsedTimer recording;
    recording.start();
    QTest::qWait(3000);
    shot("10_recording");
    QVERIFY(act("c recording.stop", "recording finished:") && waitDialogs(first, 1));
    const double ran = recording.elapsed() / 1000.0;
    shot("11_recorded");
    act("c recordbox.closebox");
    videos.refresh();
    const double seconds =
        probe(videos.filePath(videos.entryList().value(0)), "format=duration").toDouble();
    QVERIFY2(seconds > 1 && seconds < ran + 3,
             qPrintable(QString("%1 of %2").arg(seconds).arg(ran)));

    // Compare with the last checked photo; the second camera in picture-in-picture.
    const QRgb before = shot("12_before_compare").pixel(300, 150);
    act("c camera.splitscreen");
    QVERIFY(QTest::qWaitFor([&]() { return shot("12_compare").pixel(300, 150) != before; },
                            patience(10000)));
    QVERIFY(act("c camera.pictureinpicture", "open small camera success--> \"virtual:1\""));
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
    act("c title.close");
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
    act("c title.settings");
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
