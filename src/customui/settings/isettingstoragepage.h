#ifndef ISETTINGSTORAGEPAGE_H
#define ISETTINGSTORAGEPAGE_H

#include <QWidget>

class QGroupBox;
class QLineEdit;
class ITimeMsgBox;

// The settings dialog's "Save" page: the picture and the video folder, each shown read-only
// with a button that opens it in the file browser and one that chooses another folder.
class ISettingStoragePage : public QWidget {
    Q_OBJECT
public:
    enum Folder { PictureFolder = 0, VideoFolder = 1 };

    explicit ISettingStoragePage(QWidget* parent = nullptr);

    QLineEdit* folderField(Folder which) const;
    // Shows the stored folders again (they may have changed elsewhere).
    void refresh();
    // Opens the folder in the file browser, first resetting a missing one to its default.
    void viewFolder(Folder which);
    // Asks for a new folder and, once confirmed, stores it with one trailing "/".
    void setupFolder(Folder which);

    // `path` ending in exactly the separator it had, or with "/" added.
    static QString withTrailingSeparator(const QString& path);

private:
    QGroupBox* createFolderGroup(Folder which);
    QString storedFolder(Folder which) const;
    void storeFolder(Folder which, const QString& path);
    void showTip(const QString& text);

    QLineEdit* fields_[2] = {nullptr, nullptr};
    ITimeMsgBox* tip_ = nullptr;
};

#endif  // ISETTINGSTORAGEPAGE_H
