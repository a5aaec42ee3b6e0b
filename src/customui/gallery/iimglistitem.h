#ifndef IIMGLISTITEM_H
#define IIMGLISTITEM_H

#include <QPixmap>
#include <QString>
#include <QWidget>

class QLabel;

// One gallery entry: its running number, a thumbnail and, when checked, a check mark. It keeps
// only the rounded thumbnail it shows, never the full picture.
class IImgListItem : public QWidget {
    Q_OBJECT
public:
    // `sourceWidth`: the width of the picture the thumbnail stands for; the corners of pictures
    // at least as wide as the thumbnail area are rounded.
    IImgListItem(int number, const QImage& thumbnail, const QString& path, int sourceWidth,
                 QWidget* parent = nullptr);

    virtual void setChecked(bool checked);
    virtual bool isChecked() const;
    virtual void setIndex(int number);
    virtual int index() const;
    virtual QString path() const;

protected:
    virtual void initUi(const QImage& thumbnail);
    // `source` clipped to a rounded rectangle whose radius grows with the source's width in
    // units of `d`.
    virtual QPixmap roundedPixmap(const QPixmap& source, int d) const;

private:
    int number_;
    bool checked_ = false;
    QString path_;
    int sourceWidth_;
    QLabel* numberLabel_ = nullptr;
    QLabel* thumbnailLabel_ = nullptr;
    QLabel* checkLabel_ = nullptr;
};

#endif  // IIMGLISTITEM_H
