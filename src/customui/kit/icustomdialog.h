#ifndef ICUSTOMDIALOG_H
#define ICUSTOMDIALOG_H

#include <QDialog>

#include "customui/kit/ititlestrip.h"

// The dialog base of the shell: the panel base's title strip, close icon and Escape rule on a
// QDialog; dragged by global positions. Closing emits sgClose() and then rejects.
class ICustomDialog : public QDialog {
    Q_OBJECT
public:
    ICustomDialog(const QString& title, const bool& closeButtonVisible, QWidget* parent = nullptr);
    explicit ICustomDialog(QWidget* parent = nullptr);

    virtual void setTitleAlignment(int alignment);
    virtual void setTitle(QString text);
    virtual void setTitleFontSize(int size);
    virtual void setTitle(QString text, const int& size, int alignment);
    virtual void setMovable(const bool& movable);
    virtual void setCloseButtonVisible(const bool& visible);
    virtual void setCloseLocked(const bool& locked);
    virtual bool isCloseLocked();
    virtual void setRoundedBackground(const bool& rounded);
    virtual void init();
    // Lets Escape close the dialog like its close icon (off by default: message boxes must be
    // answered).
    void setEscapeCloses(bool closes) { escapeCloses_ = closes; }

signals:
    void sgClose();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    ITitleStrip strip_;
    bool escapeCloses_ = false;
};

#endif  // ICUSTOMDIALOG_H
