#ifndef IMODEMANAGER_H
#define IMODEMANAGER_H

#include "board/iboardenum.h"

class IBoard;
class IDeviceEvent;
class IFigurePathMode;
class IModeBase;
class IModeEventHandle;
class IPathEraseMode;
class IPencilPathMode;
class ISelectorPathMode;
class ITextMode;

// Owns one object of every mode class, switches between them by type and routes the board's
// device records to the current, enabled mode.
class IModeManager {
public:
    explicit IModeManager(IBoard* board);
    ~IModeManager();
    IModeManager(const IModeManager&) = delete;
    IModeManager& operator=(const IModeManager&) = delete;

    KM_IBOARD_ENUM::ModeType modeType() const { return modeType_; }
    void setModeType(KM_IBOARD_ENUM::ModeType type);

    void press(IDeviceEvent* record);
    void move(IDeviceEvent* record);
    void release(IDeviceEvent* record);

    IModeBase* currentMode() const { return currentMode_; }
    ITextMode* textMode() const { return textMode_; }
    IPathEraseMode* pathEraseMode() const { return pathEraseMode_; }
    IPencilPathMode* pencilPathMode() const { return pencilPathMode_; }
    IFigurePathMode* figurePathMode() const { return figurePathMode_; }
    ISelectorPathMode* selectorPathMode() const { return selectorPathMode_; }

    // Reports every record that reached the current mode, whichever mode that is.
    IModeEventHandle* relay() const { return relay_; }

private:
    IModeBase* modeFor(KM_IBOARD_ENUM::ModeType type) const;
    IModeBase* routeTarget(IDeviceEvent* record) const;

    IModeBase* currentMode_ = nullptr;
    KM_IBOARD_ENUM::ModeType modeType_ = KM_IBOARD_ENUM::Select;
    ITextMode* textMode_;
    IPathEraseMode* pathEraseMode_;
    IPencilPathMode* pencilPathMode_;
    IFigurePathMode* figurePathMode_;
    ISelectorPathMode* selectorPathMode_;
    IModeEventHandle* relay_;
};

#endif  // IMODEMANAGER_H
