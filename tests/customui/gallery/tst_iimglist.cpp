#include <QtTest>

#include <QContextMenuEvent>
#include <QDesktopServices>
#include <QFileDialog>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProcess>

#include "customui/gallery/iimglist.h"
#include "customui/gallery/iimglistitem.h"
#include "customui/gallery/iimglistwidget.h"
#include "iimagetansformthread.h"
#include "modalanswerer.h"
#include "sanitizer.h"
#include "service/iconfigureservice.h"

// Records the URLs the list asks the desktop to open instead of starting a viewer.
class UrlRecorder : public QObject {
    Q_OBJECT
public:
    QList<QUrl> opened;
public slots:
    void open(const QUrl& url) { opened << url; }
};

// The gallery list on real files in a temporary folder: import limit and skipped files, opening
// odd names, deleting with renumbering, the click rule, Save As through the saving thread, and
// what an import keeps in memory.
class TestIImgList : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void importTakesFirstFiftyAndSkipsBadOnes();
    void opensOddNamesAsLocalFiles();
    void deleteRemovesCheckedFilesAndRenumbers();
    void singleClickTogglesDoubleClickOpensOnce();
    void rightClickChecksThenSaveAs_data();
    void rightClickChecksThenSaveAs();
    void importKeepsOnlyThumbnails();
    void reloadListsNewestPhotosLast();
    void deleteKeepsImportedOriginals();

private:
    QString writePicture(const QString& name, const QSize& size = QSize(300, 200),
                         const char* format = "png");
    QString writeBytes(const QString& name, const QByteArray& bytes);

    std::unique_ptr<QTemporaryDir> dir_;
    UrlRecorder urls_;
    QStringList tips_;
    IImgListWidget* panel_ = nullptr;
    IImgList* list_ = nullptr;
};

QString TestIImgList::writePicture(const QString& name, const QSize& size, const char* format)
{
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(QColor(40, 120, 200));
    const QString path = dir_->filePath(name);
    [&]() { QVERIFY(picture.save(path, format)); }();
    return path;
}

QString TestIImgList::writeBytes(const QString& name, const QByteArray& bytes)
{
    QFile file(dir_->filePath(name));
    [&]() { QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size()); }();
    return file.fileName();
}

void TestIImgList::init()
{
    dir_ = std::make_unique<QTemporaryDir>();
    IConfigureService::instance()->setPhotoPath(dir_->filePath("photo"));
    QDesktopServices::setUrlHandler("file", &urls_, "open");
    urls_.opened.clear();
    tips_.clear();
    panel_ = new IImgListWidget;
    panel_->resize(panel_->width(), 900);
    list_ = panel_->list();
    connect(panel_, &IImgListWidget::sgTip, this, [this](const QString& tip) { tips_ << tip; });
    panel_->show();
}

void TestIImgList::cleanup()
{
    delete panel_;
    dir_.reset();
}

void TestIImgList::importTakesFirstFiftyAndSkipsBadOnes()
{
    QFile truncated(writePicture("truncated.png", QSize(400, 300)));
    QVERIFY(truncated.resize(truncated.size() / 2));
    // A bitmap header announcing 20000 x 20000 pixels over a few bytes of data.
    QFile huge(writePicture("huge.bmp", QSize(2, 2), "BMP"));
    QVERIFY(huge.open(QIODevice::ReadWrite) && huge.seek(18));
    huge.write(QByteArray::fromHex("204e0000204e0000"));
    huge.close();
    QVERIFY(QDir(dir_->path()).mkdir("folder.png"));
    QStringList chosen{writeBytes("text.png", "not a picture"), writeBytes("empty.jpg", ""),
                       truncated.fileName(), huge.fileName(), dir_->filePath("folder.png")};
    QStringList good;
    for (int i = 0; i < 55; ++i) {
        good << writePicture(QStringLiteral("p%1.png").arg(i, 2, 10, QLatin1Char('0')));
    }
    chosen << good;

    list_->importFiles(chosen);
    QTRY_COMPARE(tips_.size(), 1);
    QCOMPARE(list_->itemPaths(false), good.mid(0, 45));
    QVERIFY2(tips_.first().startsWith("5 "), qPrintable(tips_.first()));
    QCOMPARE(IConfigureService::instance()->fileDialogPath(), dir_->path());
}

void TestIImgList::opensOddNamesAsLocalFiles()
{
    const QStringList names{"with space.png", "hash#1.png", "per%20cent.png", "what?.png",
                            QString::fromUtf8("Ünï 图片.png")};
    QStringList paths;
    for (const QString& name : names) {
        paths << writePicture(name);
        list_->addImageItem(QImage(139, 94, QImage::Format_RGB32), paths.last());
    }
    for (int row = 0; row < list_->count(); ++row) {
        list_->slItemDoubleClicked(list_->item(row));
        QCOMPARE(urls_.opened.value(row).toLocalFile(), paths[row]);
    }
}

void TestIImgList::deleteRemovesCheckedFilesAndRenumbers()
{
    IConfigureService::instance()->setPhotoPath(dir_->path());  // the program's own photos
    QStringList paths;
    for (int i = 1; i <= 5; ++i) {
        paths << writePicture(QStringLiteral("%1.png").arg(i));
    }
    // A folder stands for a file that cannot be removed.
    QVERIFY(QDir(dir_->path()).mkdir("locked.png"));
    paths << dir_->filePath("locked.png");
    for (const QString& path : paths) {
        list_->addImageItem(QImage(139, 94, QImage::Format_RGB32), path);
    }
    for (int row : {1, 3, 5}) {
        qobject_cast<IImgListItem*>(list_->itemWidget(list_->item(row)))->setChecked(true);
    }
    list_->slItemClicked(list_->item(1));  // the remembered entry goes with the delete
    list_->deleteChecked();
    QCOMPARE(list_->itemPaths(false), (QStringList{paths[0], paths[2], paths[4], paths[5]}));
    for (int row = 0; row < list_->count(); ++row) {
        QCOMPARE(qobject_cast<IImgListItem*>(list_->itemWidget(list_->item(row)))->index(),
                 row + 1);
    }
    QCOMPARE(QDir(dir_->path()).entryList({"*.png"}, QDir::Files, QDir::Name),
             (QStringList{"1.png", "3.png", "5.png"}));
    QCOMPARE(list_->currentEntry(), nullptr);
    QCOMPARE(tips_, QStringList{"Could not delete locked.png"});
    // The deleted pictures wait in the trash; the folder was left where it was.
    const QString trash =
        QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + "/Trash/files";
    QCOMPARE(QDir(trash).entryList(QDir::AllEntries | QDir::NoDotAndDotDot, QDir::Name),
             (QStringList{"2.png", "4.png"}));
}

void TestIImgList::singleClickTogglesDoubleClickOpensOnce()
{
    list_->addImageItem(QImage(139, 94, QImage::Format_RGB32), writePicture("a.png"));
    QListWidgetItem* item = list_->item(0);
    auto* entry = qobject_cast<IImgListItem*>(list_->itemWidget(item));
    const QPoint centre = list_->visualItemRect(item).center();

    QTest::mouseClick(list_->viewport(), Qt::LeftButton, {}, centre);
    QVERIFY(!entry->isChecked());
    QTRY_VERIFY(entry->isChecked());
    // Two clicks in a row open the picture once and leave the check mark.
    QTest::mouseClick(list_->viewport(), Qt::LeftButton, {}, centre);
    QTest::mouseClick(list_->viewport(), Qt::LeftButton, {}, centre);
    QTest::qWait(300);
    QCOMPARE(urls_.opened.size(), 1);
    QVERIFY(entry->isChecked());
    // A double click on an enabled entry reports click, double click, click: still one open.
    emit list_->itemClicked(item);
    emit list_->itemDoubleClicked(item);
    emit list_->itemClicked(item);
    QTest::qWait(300);
    QCOMPARE(urls_.opened.size(), 2);
    QVERIFY(entry->isChecked());
}

void TestIImgList::rightClickChecksThenSaveAs_data()
{
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QString>("written");  // typed without its suffix
    QTest::newRow("jpeg bare name")
        << QStringLiteral("JPEG File(*.jpeg)") << QStringLiteral("a.jpeg");
    QTest::newRow("pdf") << QStringLiteral("PDF File (*.pdf)") << QStringLiteral("doc.pdf");
    QTest::newRow("png") << QStringLiteral("PNG File(*.png)") << QStringLiteral("two.png");
}

void TestIImgList::rightClickChecksThenSaveAs()
{
    QFETCH(QString, filter);
    QFETCH(QString, written);
    IImageTansformThread saver(nullptr);
    saver.start();
    connect(panel_, &IImgListWidget::sgSaveFiles, &saver, &IImageTansformThread::setSaveFilesJob);
    // Counted on this thread: the saver emits from its own.
    int saved = 0;
    QObject receiver;
    connect(
        &saver, &IImageTansformThread::sgSaveFilesSuccess, &receiver, [&saved]() { ++saved; },
        Qt::QueuedConnection);
    for (const char* name : {"a.png", "b.png", "c.png"}) {
        list_->addImageItem(QImage(139, 94, QImage::Format_RGB32), writePicture(name));
    }
    const QDir out(dir_->filePath("out"));
    QVERIFY(QDir().mkpath(out.path()));
    IConfigureService::instance()->setFileDialogPath(out.path() + "/");

    for (int row : {0, 2}) {
        QTimer::singleShot(100, []() {
            if (QWidget* menu = QApplication::activePopupWidget()) {
                menu->close();
            }
        });
        const QPoint at = list_->visualItemRect(list_->item(row)).center();
        QContextMenuEvent event(QContextMenuEvent::Mouse, at, list_->viewport()->mapToGlobal(at));
        QApplication::sendEvent(list_->viewport(), &event);
    }
    QCOMPARE(list_->itemPaths(true).size(), 2);

    answerNextModal([&](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        QVERIFY(dialog);
        dialog->selectNameFilter(filter);
        emit dialog->filterSelected(filter);
        dialog->findChild<QLineEdit*>("fileNameEdit")->setText(QFileInfo(written).baseName());
        QMetaObject::invokeMethod(dialog, "accept");
    });
    list_->saveCheckedAs();
    QTRY_COMPARE(saved, 1);
    const QString target = out.filePath(written);
    if (target.endsWith(".pdf")) {
        QProcess info;
        info.start("pdfinfo", {target});
        QVERIFY(info.waitForFinished());
        const QString pages = QString::fromUtf8(info.readAllStandardOutput());
        QVERIFY2(QRegularExpression("Pages: +2\\n").match(pages).hasMatch(), qPrintable(pages));
    } else {  // two pictures: "<name>1.<suffix>", "<name>2.<suffix>"
        const QString second = QString(written).replace(".", "2.");
        QCOMPARE(out.entryList(QDir::Files).size(), 2);
        QCOMPARE(QString(QImageReader(out.filePath(second)).format()), QFileInfo(written).suffix());
    }
}

namespace {

qint64 residentKb()
{
    QFile status("/proc/self/status");
    status.open(QIODevice::ReadOnly);
    const QByteArray text = status.readAll();
    return text.mid(text.indexOf("VmRSS:") + 6).trimmed().split(' ').first().toLongLong();
}

}  // namespace

void TestIImgList::importKeepsOnlyThumbnails()
{
    const QString path = writePicture("large.jpg", QSize(4000, 3000), "JPEG");

    list_->importFiles(QStringList(path));  // the first one warms the decoder up
    QTRY_COMPARE(list_->count(), 1);
    const qint64 before = residentKb();
    list_->importFiles(QVector<QString>(50, path).toList());
    QTRY_COMPARE_WITH_TIMEOUT(list_->count(), 51, 60000);
    const qint64 growth = residentKb() - before;
    QVERIFY2(!kResidentSizeIsMeaningful || growth < 50 * 1024,
             qPrintable(QString("grew by %1 kB").arg(growth)));
}

// A restart lists the photo folder's pictures, oldest first, at most the newest 500; a second
// reload adds nothing.
void TestIImgList::reloadListsNewestPhotosLast()
{
    const QDir photos(dir_->filePath("photo"));
    QVERIFY(photos.mkpath("."));
    writeBytes("photo/notes.txt", "not listed");
    const QDateTime start = QDateTime::currentDateTime().addDays(-1);
    QStringList expected;
    for (int i = 0; i < IImgList::kMaxListed + 2; ++i) {
        // Named against their age, so that the order can only come from the times.
        QFile file(writePicture(QStringLiteral("photo/%1.png").arg(9999 - i), QSize(4, 3)));
        QVERIFY(file.open(QIODevice::ReadWrite) &&
                file.setFileTime(start.addSecs(i), QFileDevice::FileModificationTime));
        expected << file.fileName();
    }
    list_->reload();
    QTRY_COMPARE_WITH_TIMEOUT(list_->count(), IImgList::kMaxListed, 30000);
    list_->reload();
    QTest::qWait(200);
    QCOMPARE(list_->itemPaths(false), expected.mid(2));
    QVERIFY(tips_.isEmpty());
}

// Delete sends the program's photos to the trash and only takes an imported picture off the
// list; Remove from list keeps every file.
void TestIImgList::deleteKeepsImportedOriginals()
{
    QVERIFY(QDir(dir_->path()).mkpath("photo"));
    const QString own = writePicture("photo/own.png");
    const QString kept = writePicture("photo/kept.png");
    const QString worksheet = writePicture("worksheet.png");
    for (const QString& path : {own, worksheet, kept}) {
        list_->addImageItem(QImage(139, 94, QImage::Format_RGB32), path);
    }
    const auto check = [this](int row) {
        qobject_cast<IImgListItem*>(list_->itemWidget(list_->item(row)))->setChecked(true);
    };
    check(0);
    check(1);
    list_->deleteChecked();
    QCOMPARE(list_->itemPaths(false), QStringList{kept});
    QVERIFY(!QFile::exists(own));
    QVERIFY(QFile::exists(worksheet));
    check(0);
    list_->removeCheckedFromList();
    QCOMPARE(list_->count(), 0);
    QVERIFY(QFile::exists(kept));
}

QTEST_MAIN(TestIImgList)
#include "tst_iimglist.moc"
