#ifndef ITEXTFRAMEBUTTON_H
#define ITEXTFRAMEBUTTON_H

#include <QGraphicsPixmapItem>
#include <QObject>

// A handle or indicator of the text frame: a child item of the frame that keeps its on-screen
// size at every zoom and rotation and reports the left button's press, moves and release.
class ITextFrameButton : public QObject, public QGraphicsPixmapItem {
    Q_OBJECT
public:
    // Frame parts carry type ids with the top bit set: they are never elements.
    static constexpr int ButtonType = int(0x80000002u);

    // `icon` is drawn `size` pixels square (before the interface scale), centred on the button's
    // position.
    ITextFrameButton(const QString& icon, int size, QGraphicsItem* parent);

    int type() const override { return ButtonType; }

signals:
    void clicked(bool checked);
    void clicked();
    void mousePress(QGraphicsSceneMouseEvent* event);
    void mouseMove(QGraphicsSceneMouseEvent* event);
    void mouseRelease(QGraphicsSceneMouseEvent* event);

protected:
    void mousePressEvent(QGraphicsSceneMouseEvent* event) override;
    void mouseMoveEvent(QGraphicsSceneMouseEvent* event) override;
    void mouseReleaseEvent(QGraphicsSceneMouseEvent* event) override;
};

#endif  // ITEXTFRAMEBUTTON_H
