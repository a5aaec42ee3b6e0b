#ifndef IBOARDTOOLBAR_H
#define IBOARDTOOLBAR_H

#include "customui/shell/itoolbarbase.h"

class QButtonGroup;
class QKeySequence;

// The toolbar that replaces the right toolbar in annotation mode. Move, Pencil, Text, Shape and
// Eraser form an exclusive group: one input mode is checked at a time. While it shows, keys
// choose the tools (S, P, T, R, E), undo and redo (Ctrl+Z; Ctrl+Shift+Z, Ctrl+Y), delete the
// selected element, end editing (Escape) and zoom (+, -); each is reported as a click.
class IBoardToolBar : public IToolBarBase {
    Q_OBJECT
public:
    enum ButtonId {
        Move = 0,
        Pencil = 1,
        Thickness = 2,
        Color = 3,
        Transparency = 4,
        Text = 5,
        Shape = 6,
        Eraser = 7,
        Clear = 8,
        Home = 9,
        Desktop = 10,
        Undo = 11,
        Redo = 12,
        // Reported by keys only, never by a button.
        ZoomIn = 13,
        ZoomOut = 14,
        DeleteSelection = 15,
        LastShape = 17
    };
    Q_ENUM(ButtonId)

    explicit IBoardToolBar(QWidget* parent = nullptr);

    // Checks mode button `id` and unchecks the others of the group; reports it as a click
    // unless `quiet`. Ids outside the group are ignored.
    void selectButton(int id, bool quiet = false);

private:
    void CreateUI();
    void addKeys();
    // `keys` reports `id` as a click: a mode id selects its button first.
    void addKey(const QKeySequence& keys, int id);

    QButtonGroup* modeGroup_ = nullptr;
};

#endif  // IBOARDTOOLBAR_H
