#ifndef ICOLORIMAGE_H
#define ICOLORIMAGE_H

#include <QImage>
#include <QWidget>

// The colour spectrum picture of the spectrum picker: the hues from dark red to red left to
// right, fading to white at the top and to black at the bottom. One instance for the process;
// it is never shown, only rendered into pictures.
class IColorImage : public QWidget {
    Q_OBJECT
public:
    static IColorImage* instance();

    virtual QImage renderImage(QSize size);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    IColorImage();
};

#endif  // ICOLORIMAGE_H
