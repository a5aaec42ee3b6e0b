#ifndef ITIMELAPSEBUTTON_H
#define ITIMELAPSEBUTTON_H

#include <QSize>
#include <QToolButton>
#include <QVariant>

class QLabel;

// A button of the time-lapse bar. Kinds 1 to 3 show a picture (framed, plain, or a translucent
// top tab); kind 4 shows a number over "sec". States 1 to 4 pick the start/stop and
// pause/resume pictures. Every click is reported with the button's data.
class ITimelapseButton : public QToolButton {
    Q_OBJECT
public:
    ITimelapseButton(QWidget* parent, QVariant data, const QString& text, int kind,
                     const QSize& size);

    QVariant data() const { return data_; }
    int kind() const { return kind_; }

    virtual void setState(int state);
    virtual int state() const { return state_; }
    virtual void setText(QString text);
    virtual QString text() const { return text_; }

signals:
    void sgButtonClick(bool checked, QVariant data);

private:
    void buildNumber();
    void applyLook();

    int kind_;
    QSize size_;
    QString text_;
    QVariant data_;
    QLabel* number_ = nullptr;
    int state_ = 1;
};

#endif  // ITIMELAPSEBUTTON_H
