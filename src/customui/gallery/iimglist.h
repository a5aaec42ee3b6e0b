#ifndef IIMGLIST_H
#define IIMGLIST_H

#include <QImage>
#include <QListWidget>
#include <QStringList>
#include <functional>

class IImgListItem;
class IThumbnailLoader;
class QMenu;
class QTimer;

// The gallery's list of pictures. One click toggles an entry's check mark after 200 ms; a
// second click within that time opens the picture instead. The context menu deletes the
// checked entries (the files the program took go to the trash, imported ones stay), opens the
// clicked one, saves the checked ones under another format or takes them off the list. Files
// are decoded (reduced) and written on a worker thread.
class IImgList : public QListWidget {
    Q_OBJECT
public:
    // Files beyond this many in one import are ignored.
    static constexpr int kMaxImport = 50;
    // The most photos listed from the photo folder at start.
    static constexpr int kMaxListed = 500;

    explicit IImgList(QWidget* parent = nullptr);
    ~IImgList() override;

    // Imports the first kMaxImport of `paths` (the files stay where they are).
    void importFiles(const QStringList& paths);
    // Asks for files and imports them.
    void importWithDialog();
    // Lists the newest kMaxListed pictures of the photo folder, oldest first, after the entries
    // already shown; only the first call does.
    void reload();
    // Removes the checked entries (no confirmation); a picture in the photo folder goes to the
    // trash, an imported one stays where it is. An entry whose file cannot be removed stays.
    void deleteChecked();
    // Takes the checked entries off the list; the files stay.
    void removeCheckedFromList();
    void saveCheckedAs();
    // The entry of the last click or right-click, if it still exists.
    QListWidgetItem* currentEntry() const { return currentItem_; }

public slots:
    virtual void addImageItem(const QImage& image, const QString& path);
    virtual void saveImage(const QImage& image);
    virtual void addFileItem(const QString& path);
    virtual void appendItemWidget(IImgListItem* entry);
    virtual void setAllChecked(bool checked);
    virtual QStringList itemPaths(bool onlyChecked) const;
    virtual void scrollToLast();
    virtual void slItemClicked(QListWidgetItem* item);
    virtual void slItemDoubleClicked(QListWidgetItem* item);
    virtual void slCurrentItemChanged(QListWidgetItem* current, QListWidgetItem* previous);
    virtual void initList();
    void slTimeout();

signals:
    // A transient message for the user.
    void sgTip(QString text);
    // Save the pictures at `picturePaths` to `outputPath` (pictures or one PDF by its suffix).
    void sgSaveFiles(QString outputPath, QStringList picturePaths, int pageLayout);

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    IImgListItem* entryOf(QListWidgetItem* item) const;
    void onDoubleClick(QListWidgetItem* item);
    void onThumbnail(const QImage& thumbnail, const QString& path, int sourceWidth);
    void onBatchDone(int loaded, const QStringList& skipped);
    QSize thumbnailSize() const;
    // Removes the checked entries that `letGo` agrees to, renumbering the rest.
    void removeChecked(const std::function<bool(const QString&)>& letGo);

    QMenu* menu_ = nullptr;
    QListWidgetItem* currentItem_ = nullptr;
    bool clickPending_ = false;
    // Set by a double click, whose second release also reports a click.
    bool doubleClickOpened_ = false;
    bool folderLoaded_ = false;
    QTimer* clickTimer_ = nullptr;
    IThumbnailLoader* loader_ = nullptr;
};

#endif  // IIMGLIST_H
