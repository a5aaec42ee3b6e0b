#ifndef ITOOLBUTTON_H
#define ITOOLBUTTON_H

#include <QToolButton>
#include <QVariant>

// The light tool button of the board side (text toolbar, text frame menu, colour palette): an
// icon, a caption or both on a near-white background. Clicks store the checked state as the
// selection and report sgButtonClick(selected, data).
class IToolButton : public QToolButton {
    Q_OBJECT
public:
    IToolButton(QVariant data, const QString& text, const QString& icon, int cornerSet, int width,
                int height, QWidget* parent = nullptr);
    IToolButton(QVariant data, const QString& icon, int cornerSet, int width, int height,
                QWidget* parent = nullptr);

    virtual QString text() const;
    virtual QSize buttonSize() const;
    virtual QString normalIcon() const;
    virtual bool isSelected() const;
    virtual QVariant data() const;
    virtual QString checkedIcon() const;
    virtual bool isTextUnderIcon() const;
    virtual void setSelected(const bool& selected);
    virtual void setData(QVariant data);
    virtual void setButtonSize(const QSize& size);
    virtual void setText(QString text);
    virtual void setNormalIcon(QString path);
    virtual void setCheckedIcon(QString path);
    virtual void setTextUnderIcon(const bool& underIcon);
    virtual QString radiusStyle(int cornerSet);
    virtual void init();

signals:
    void sgButtonClick(bool checked, QVariant data);

private:
    void onClicked(bool checked);
    QString shownIcon() const;

    QSize buttonSize_;
    QString text_;
    QString normalIcon_;
    QString checkedIcon_;
    bool selected_ = false;
    bool textUnderIcon_ = false;
    QVariant data_;
    int cornerSet_ = 0;
};

#endif  // ITOOLBUTTON_H
