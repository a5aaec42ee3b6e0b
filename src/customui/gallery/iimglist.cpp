#include "customui/gallery/iimglist.h"

#include <QContextMenuEvent>
#include <QDateTime>
#include <QDebug>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QScrollBar>
#include <QTimer>
#include <QUrl>
#include <algorithm>

#include "customui/gallery/iimglistitem.h"
#include "customui/gallery/ithumbnailloader.h"
#include "customui/kit/iappfont.h"
#include "customui/kit/uiscale.h"
#include "service/iconfigureservice.h"

namespace {

constexpr int kClickIntervalMs = 200;

int scaled(double v)
{
    return static_cast<int>(v * uiScale);
}

// The folder file dialogs start in: the last one used, else the photo folder.
QString dialogFolder()
{
    const QString folder = IConfigureService::instance()->fileDialogPath();
    return folder.isEmpty() ? IConfigureService::instance()->photoPath() : folder;
}

// A deleted picture goes to the desktop's trash, so a slip in the menu can be undone; where its
// disk has no trash, it is removed. Only plain files: a trashed folder would take its contents.
bool removePicture(QFile& file)
{
    return (QFileInfo(file).isFile() && file.moveToTrash()) || file.remove();
}

// Whether the picture lies in the photo folder, where the program writes what it takes; anything
// else was imported and belongs to someone else.
bool inPhotoFolder(const QString& path)
{
    const QString folder = QDir(IConfigureService::instance()->photoPath()).canonicalPath();
    return !folder.isEmpty() && QFileInfo(path).absoluteDir().canonicalPath() == folder;
}

}  // namespace

IImgList::IImgList(QWidget* parent)
    : QListWidget(parent), clickTimer_(new QTimer(this)), loader_(new IThumbnailLoader(this))
{
    clickTimer_->setSingleShot(true);
    clickTimer_->setInterval(kClickIntervalMs);
    connect(clickTimer_, &QTimer::timeout, this, &IImgList::slTimeout);
    connect(loader_, &IThumbnailLoader::sgThumbnail, this, &IImgList::onThumbnail);
    connect(loader_, &IThumbnailLoader::sgBatchDone, this, &IImgList::onBatchDone);
    connect(loader_, &IThumbnailLoader::sgSaveFailed, this, [this](const QString& path) {
        qDebug() << "screen capture not saved:" << path;
        emit sgTip(tr("Save failed."));
    });
    initList();
}

IImgList::~IImgList()
{
    // The worker must not report into a half-destroyed list.
    delete loader_;
}

void IImgList::initList()
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setStyleSheet(QStringLiteral("QListWidget{border:none; color:black; "
                                 "background-color:transparent;}QListWidget::Item{margin:0px,%"
                                 "1px,0px,%1px;}QListWidget::Item:hover{background:skyblue; }")
                      .arg(0));
    connect(this, &QListWidget::itemClicked, this, &IImgList::slItemClicked);
    connect(this, &QListWidget::itemDoubleClicked, this, &IImgList::onDoubleClick);
    connect(this, &QListWidget::currentItemChanged, this, &IImgList::slCurrentItemChanged);

    menu_ = new QMenu(this);
    const QFont font = appFont(10, QFont::Normal);
    menu_->addAction(tr("Delete"), this, &IImgList::deleteChecked)->setFont(font);
    menu_->addAction(tr("View"), this, [this]() { slItemDoubleClicked(currentItem_); })
        ->setFont(font);
    menu_->addAction(tr("Save As"), this, &IImgList::saveCheckedAs)->setFont(font);
    menu_->addAction(tr("Remove from list"), this, &IImgList::removeCheckedFromList)->setFont(font);
}

QSize IImgList::thumbnailSize() const
{
    return QSize(scaled(139), scaled(94));
}

IImgListItem* IImgList::entryOf(QListWidgetItem* item) const
{
    return item ? qobject_cast<IImgListItem*>(itemWidget(item)) : nullptr;
}

void IImgList::addImageItem(const QImage& image, const QString& path)
{
    appendItemWidget(new IImgListItem(count() + 1, image, path, image.width()));
}

void IImgList::onThumbnail(const QImage& thumbnail, const QString& path, int sourceWidth)
{
    appendItemWidget(new IImgListItem(count() + 1, thumbnail, path, sourceWidth));
}

void IImgList::saveImage(const QImage& image)
{
    loader_->savePicture(image, IConfigureService::instance()->photoPath(), thumbnailSize());
}

void IImgList::addFileItem(const QString& path)
{
    loader_->loadFiles({path}, thumbnailSize());
}

void IImgList::importWithDialog()
{
    importFiles(QFileDialog::getOpenFileNames(nullptr, tr("Import File"), dialogFolder(),
                                              QStringLiteral("*.png *.jpg *.jpeg *.bmp *.tiff")));
}

void IImgList::importFiles(const QStringList& paths)
{
    if (paths.isEmpty()) {
        return;
    }
    if (paths.size() > kMaxImport) {
        qDebug() << "import limited to the first" << kMaxImport << "of" << paths.size();
    }
    const QString folder = QFileInfo(paths.last()).absolutePath();
    IConfigureService::instance()->setFileDialogPath(folder);
    qDebug() << "import path:" << folder;
    loader_->loadFiles(paths.mid(0, kMaxImport), thumbnailSize());
}

void IImgList::reload()
{
    if (folderLoaded_) {
        return;
    }
    folderLoaded_ = true;
    const QDir folder(IConfigureService::instance()->photoPath());
    QFileInfoList pictures = folder.entryInfoList(
        {QStringLiteral("*.png"), QStringLiteral("*.jpg"), QStringLiteral("*.jpeg"),
         QStringLiteral("*.bmp"), QStringLiteral("*.tiff")},
        QDir::Files, QDir::NoSort);
    // Oldest first; the photos' names hold their time, which orders photos of the same second.
    std::sort(pictures.begin(), pictures.end(), [](const QFileInfo& a, const QFileInfo& b) {
        return a.lastModified() == b.lastModified() ? a.fileName() < b.fileName()
                                                    : a.lastModified() < b.lastModified();
    });
    QStringList paths;
    for (int i = qMax(0, pictures.size() - kMaxListed); i < pictures.size(); ++i) {
        paths << pictures[i].absoluteFilePath();
    }
    qDebug() << "gallery lists" << paths.size() << "of" << pictures.size() << "photos in"
             << folder.path();
    loader_->loadFiles(paths, thumbnailSize());
}

void IImgList::onBatchDone(int loaded, const QStringList& skipped)
{
    qDebug() << "pictures added:" << loaded << "skipped:" << skipped.size();
    if (!skipped.isEmpty()) {
        emit sgTip(tr("%1 file(s) could not be read and were skipped.").arg(skipped.size()));
    }
}

void IImgList::appendItemWidget(IImgListItem* entry)
{
    auto* item = new QListWidgetItem;
    item->setSizeHint(entry->size());
    item->setFlags(item->flags() & ~(Qt::ItemIsSelectable | Qt::ItemIsEnabled));
    addItem(item);
    setItemWidget(item, entry);
    scrollToLast();
}

void IImgList::setAllChecked(bool checked)
{
    for (int row = 0; row < count(); ++row) {
        if (IImgListItem* entry = entryOf(item(row))) {
            entry->setChecked(checked);
        }
    }
}

QStringList IImgList::itemPaths(bool onlyChecked) const
{
    QStringList paths;
    for (int row = 0; row < count(); ++row) {
        const IImgListItem* entry = entryOf(item(row));
        if (entry && (!onlyChecked || entry->isChecked())) {
            paths << entry->path();
        }
    }
    return paths;
}

void IImgList::scrollToLast()
{
    verticalScrollBar()->setValue(verticalScrollBar()->maximum());
}

void IImgList::slItemClicked(QListWidgetItem* item)
{
    currentItem_ = item;
    if (doubleClickOpened_) {
        // The release that ends a double click: the picture is already open.
        doubleClickOpened_ = false;
        return;
    }
    if (clickPending_) {
        clickTimer_->stop();
        clickPending_ = false;
        slItemDoubleClicked(item);
        return;
    }
    clickPending_ = true;
    clickTimer_->start();
}

void IImgList::onDoubleClick(QListWidgetItem* item)
{
    currentItem_ = item;
    clickTimer_->stop();
    clickPending_ = false;
    doubleClickOpened_ = true;
    slItemDoubleClicked(item);
}

void IImgList::slTimeout()
{
    if (clickPending_) {
        if (IImgListItem* entry = entryOf(currentItem_)) {
            entry->setChecked(!entry->isChecked());
        }
    }
    clickPending_ = false;
}

void IImgList::slItemDoubleClicked(QListWidgetItem* item)
{
    if (const IImgListItem* entry = entryOf(item)) {
        const QUrl url = QUrl::fromLocalFile(entry->path());
        qDebug() << "open picture:" << url;
        if (!QDesktopServices::openUrl(url)) {
            emit sgTip(tr("No program to open %1").arg(QFileInfo(entry->path()).fileName()));
        }
    }
}

void IImgList::slCurrentItemChanged(QListWidgetItem*, QListWidgetItem*) {}

void IImgList::contextMenuEvent(QContextMenuEvent* event)
{
    QListWidgetItem* item = itemAt(event->pos());
    if (!item) {
        return;
    }
    currentItem_ = item;
    if (IImgListItem* entry = entryOf(item); entry && !entry->isChecked()) {
        entry->setChecked(true);
    }
    menu_->exec(event->globalPos());
}

void IImgList::deleteChecked()
{
    QStringList kept;
    removeChecked([&kept](const QString& path) {
        QFile file(path);
        if (!inPhotoFolder(path)) {
            // An imported picture is the owner's original: only its entry goes.
            qDebug() << "imported picture left in place:" << path;
            return true;
        }
        if (file.exists() && !removePicture(file)) {
            qDebug() << "ERROR: cannot delete" << path << file.errorString();
            kept << QFileInfo(path).fileName();
            return false;
        }
        qDebug() << "deleted:" << path;
        return true;
    });
    if (!kept.isEmpty()) {
        emit sgTip(tr("Could not delete %1").arg(kept.join(QStringLiteral(", "))));
    }
}

void IImgList::removeCheckedFromList()
{
    removeChecked([](const QString& path) {
        qDebug() << "removed from the list:" << path;
        return true;
    });
}

void IImgList::removeChecked(const std::function<bool(const QString&)>& letGo)
{
    for (int row = 0; row < count();) {
        QListWidgetItem* item = this->item(row);
        IImgListItem* entry = entryOf(item);
        if (!entry || !entry->isChecked() || !letGo(entry->path())) {
            if (entry) {
                entry->setIndex(row + 1);
            }
            ++row;
            continue;
        }
        if (item == currentItem_) {
            currentItem_ = nullptr;
        }
        removeItemWidget(item);
        delete takeItem(row);
    }
}

void IImgList::saveCheckedAs()
{
    QFileDialog dialog(nullptr);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilters({QStringLiteral("PNG File(*.png)"), QStringLiteral("JPEG File(*.jpeg)"),
                           QStringLiteral("TIFF File(*.tiff)"), QStringLiteral("BMP File(*.bmp)"),
                           QStringLiteral("PDF File (*.pdf)")});
    dialog.setDirectory(dialogFolder());
    dialog.selectFile(QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMddhhmmss")));
    dialog.setDefaultSuffix(QStringLiteral("png"));
    connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog](const QString& filter) {
        QString suffix = filter.mid(filter.lastIndexOf(QLatin1Char('.')) + 1);
        suffix.chop(1);
        dialog.setDefaultSuffix(suffix);
    });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return;
    }
    const QString target = dialog.selectedFiles().constFirst();
    if (!target.isEmpty()) {
        emit sgSaveFiles(target, itemPaths(true), 1);
    }
}
