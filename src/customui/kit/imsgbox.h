#ifndef IMSGBOX_H
#define IMSGBOX_H

#include "customui/kit/icustomdialog.h"

class QHBoxLayout;
class QToolButton;

// The modal message box. Its result is the value of Qt's standard button of the same name
// (Yes 16384, Ok 1024, Save 2048, No 65536, Cancel 4194304); closing it by its close icon or
// any other way than a button answers Cancel. Return and Enter press the default button (Ok, else
// the first one); Escape does nothing.
class IMsgBox : public ICustomDialog {
    Q_OBJECT
public:
    // The buttons of a box, left to right; any other value gives the Ok box.
    enum MsgBoxType {
        YesNoBox = 0,
        YesNoCancelBox = 1,
        OkCancelBox = 2,
        CancelBox = 3,
        OkBox = 4,
        YesNoSaveBox = 5
    };

    IMsgBox(const QString& text, int type, const QString& title, QWidget* parent = nullptr);

    // Shows a box modally and returns its result.
    static int message(const QString& text, int type, const QString& title,
                       QWidget* parent = nullptr);
    // An Ok box titled with the product name.
    static int information(const QString& text, QWidget* parent = nullptr);
    // The title information() boxes carry: the product name, set once at start.
    static void setInformationTitle(const QString& title);

    int resultCode() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private slots:
    void onYes();
    void onOK();
    void onNo();
    void onCancel();
    void onSave();

private:
    void addButton(QHBoxLayout* row, const char* label, void (IMsgBox::*slot)());

    QString text_;
    MsgBoxType type_;
    int result_;
    QToolButton* defaultButton_ = nullptr;
};

#endif  // IMSGBOX_H
