#ifndef IBOARDTOOLBAR_H
#define IBOARDTOOLBAR_H

#include "customui/shell/itoolbarbase.h"

class QButtonGroup;

// The toolbar that replaces the right toolbar in annotation mode. Move, Pencil, Text, Shape and
// Eraser form an exclusive group: one input mode is checked at a time.
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
        Desktop = 10
    };
    Q_ENUM(ButtonId)

    explicit IBoardToolBar(QWidget* parent = nullptr);

    // Checks mode button `id` and unchecks the others of the group; reports it as a click
    // unless `quiet`. Ids outside the group are ignored.
    void selectButton(int id, bool quiet = false);

private:
    void CreateUI();

    QButtonGroup* modeGroup_ = nullptr;
};

#endif  // IBOARDTOOLBAR_H
