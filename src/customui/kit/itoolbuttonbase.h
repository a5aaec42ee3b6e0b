#ifndef ITOOLBUTTONBASE_H
#define ITOOLBUTTONBASE_H

#include <QToolButton>
#include <QVariant>

// What IToolButton and IIToolButton share: the stored caption, pictures, size, selection and
// data with their accessors, and the sgButtonClick(selected, data) signal. Each keeps its own
// looks and click rule; the second picture is the checked one of IToolButton and the pressed
// one of IIToolButton.
class IToolButtonBase : public QToolButton {
    Q_OBJECT
public:
    virtual QString text() const;
    virtual QSize buttonSize() const;
    virtual QString normalIcon() const;
    virtual bool isSelected() const;
    virtual QVariant data() const;
    virtual bool isTextUnderIcon() const;
    virtual void setSelected(const bool& selected);
    virtual void setData(QVariant data);
    virtual void setButtonSize(const QSize& size);
    virtual void setText(QString text);
    virtual void setNormalIcon(QString path);
    virtual void setTextUnderIcon(const bool& underIcon);

signals:
    void sgButtonClick(bool checked, QVariant data);

protected:
    IToolButtonBase(QVariant data, QSize size, QWidget* parent);

    // Stores the second picture and shows it at once while the button is checked.
    void setSecondIcon(QString path);
    // A width or height of 0 lets the layout stretch the button that way.
    void applyTextSizing();

    QSize buttonSize_;
    QString text_;
    QString normalIcon_;
    QString secondIcon_;
    bool selected_ = false;
    QVariant data_;
    int cornerSet_ = 0;

private:
    bool textUnderIcon_ = false;
};

#endif  // ITOOLBUTTONBASE_H
