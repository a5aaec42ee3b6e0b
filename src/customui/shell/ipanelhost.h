#ifndef IPANELHOST_H
#define IPANELHOST_H

#include <QMap>
#include <QObject>
#include <QPointer>
#include <QRect>
#include <QWidget>

class IPanel;
class IToolBarBase;

// The main window's secondary panels: which of them close together, which one a toolbar button
// leaves open so that the button can close it itself, and where a panel sits beside the button
// that opened it. Panels are shown and hidden only through IPanel::showPanel.
class IPanelHost {
    Q_GADGET
public:
    // Which bar a click came from.
    enum BarType { NoBar = 0, RightBar = 1, BoardBar = 2, CameraBar = 3 };

    // The panels that open beside a toolbar button; the first nine close when another bar button
    // is used or the board is clicked, the last four only by their own buttons.
    enum class Panel {
        None,
        FocusExposure,
        Eraser,
        Color,
        Shape,
        Resolution,
        Thickness,
        Parameter,
        Transparency,
        CaptureMode,
        Magnifier,
        Ocr,
        PictureInPicture,
        Viewer
    };
    Q_ENUM(Panel)

    // How a panel sits beside its button, in pixels before scaling. Above: its horizontal centre
    // `along` right of the button's left edge, `gap` above the button. Left: its vertical centre
    // `along` below the button's top, `gap` left of the button.
    struct Placement {
        enum Side { Above, Left };
        Side side;
        int along;
        int gap;
    };
    // The camera panels above their camera-toolbar button; the board panels left of theirs.
    static constexpr Placement kAboveCameraButton{Placement::Above, 42, 10};
    static constexpr Placement kLeftOfBoardButton{Placement::Left, 25, 10};

    // The panel that a click on button `id` of bar `barType` leaves open.
    static Panel keptPanel(int barType, int id);
    // A panel's name for log lines.
    static QString panelName(Panel which);
    static bool closesWithOthers(Panel which);

    // Enters `panel`, which must also be a widget, named "panel.<key>"; false, with a log line,
    // otherwise.
    bool registerPanel(Panel which, IPanel* panel);
    // Null for a panel never registered or already deleted.
    IPanel* panel(Panel which) const;
    bool isVisible(Panel which) const;
    // Shows the panel when hidden and hides it when shown; false when none is registered.
    bool toggle(Panel which);
    // Hides every visible panel that closes with the others, except `kept`.
    void hideAllBut(Panel kept);
    // Hides every visible panel, also those that close only by their own buttons; false when
    // none was visible.
    bool hideAll();

    // The global rectangle of a panel of `size` beside a button whose top-left corner is at
    // `button`, moved inside `screen` where it would stick out (an invalid `screen` keeps it).
    static QRect placedRect(const QPoint& button, const QSize& size, const Placement& how,
                            const QRect& screen);
    // Moves `panel` beside button `id` of `bar`, inside the available area of the screen there.
    static void placeBeside(QWidget* panel, const IToolBarBase* bar, int id, const Placement& how);
    // Shows `panel` on top, beside button `id` of `bar` (where it is without a bar), or hides it.
    static void showBeside(QWidget* panel, bool show, const IToolBarBase* bar, int id,
                           const Placement& how);

private:
    struct Entry {
        QPointer<QWidget> widget;
        IPanel* panel = nullptr;
    };
    QMap<Panel, Entry> panels_;
};

#endif  // IPANELHOST_H
