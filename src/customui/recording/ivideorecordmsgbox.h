#ifndef IVIDEORECORDMSGBOX_H
#define IVIDEORECORDMSGBOX_H

#include "customui/kit/icustomdialog.h"

class QLabel;
class IIToolButton;

// Offers a finished video (a screen recording or a time-lapse): open the file, open the folder
// that holds it, or close.
// It is modal, but shown without a nested event loop, so the recording panel and the window
// behind it keep running while it is open.
class IVideoRecordMsgBox : public ICustomDialog {
    Q_OBJECT
public:
    enum ButtonId { OpenFile = 0, OpenDirectory = 1, CloseBox = 2 };
    Q_ENUM(ButtonId)

    explicit IVideoRecordMsgBox(QWidget* parent = nullptr);

    // Shows the box with the path of the finished recording.
    void showMessage(const QString& path);
    QString path() const { return path_; }
    IIToolButton* button(int id) const;

private:
    void onButtonClick(bool checked, const QVariant& id);
    void open(const QString& target);

    QLabel* text_ = nullptr;
    QList<IIToolButton*> buttons_;
    QString path_;
};

#endif  // IVIDEORECORDMSGBOX_H
