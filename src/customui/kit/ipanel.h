#ifndef IPANEL_H
#define IPANEL_H

// A secondary panel as its host sees it: shown and hidden through one typed call, so that a
// panel which stores its values when it closes always gets to do so.
class IPanel {
public:
    virtual ~IPanel() = default;
    virtual void showPanel(bool show) = 0;
};

#endif  // IPANEL_H
