#ifndef IIMGLISTWIDGET_H
#define IIMGLISTWIDGET_H

#include <QImage>
#include <QStringList>

#include "customui/kit/icustomwidget.h"

class IImgList;
class QToolButton;

// The gallery panel at the left edge of the main window: a title, the list of pictures (those of
// the photo folder and this run's), and Select All, Deselect and Import File buttons. It only
// signals upward: tips and save-files requests go to whoever holds it.
class IImgListWidget : public ICustomWidget {
    Q_OBJECT
public:
    explicit IImgListWidget(QWidget* parent = nullptr);

    IImgList* list() const { return list_; }

public slots:
    virtual void addImageItem(const QImage& image, const QString& path);
    virtual void saveImage(const QImage& image);
    virtual void addFileItem(const QString& path);
    virtual QStringList itemPaths(bool onlyChecked) const;
    virtual void scrollToLast();
    // Lists the pictures already in the photo folder (once).
    void reload();

signals:
    void sgTip(QString text);
    void sgSaveFiles(QString outputPath, QStringList picturePaths, int pageLayout);

protected:
    virtual void CreateUI();
    virtual QToolButton* CreateButton(const QString& text, const QString& icon,
                                      Qt::ToolButtonStyle style);

private:
    IImgList* list_ = nullptr;
};

#endif  // IIMGLISTWIDGET_H
