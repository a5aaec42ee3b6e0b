#include "imodemanager.h"

#include <QDebug>
#include <QEvent>

#include "board/ideviceevent.h"
#include "board/imodeeventhandle.h"
#include "board/iselectorpathmode.h"
#include "board/itextmode.h"
#include "board/path/ifigurepathmode.h"
#include "board/path/ipatherasemode.h"
#include "board/path/ipencilpathmode.h"

IModeManager::IModeManager(IBoard* board)
    : textMode_(new ITextMode(board)),
      pathEraseMode_(new IPathEraseMode(board)),
      pencilPathMode_(new IPencilPathMode(board)),
      figurePathMode_(new IFigurePathMode(board)),
      selectorPathMode_(new ISelectorPathMode(board)),
      relay_(new IModeEventHandle)
{
    currentMode_ = selectorPathMode_;
    currentMode_->activate();
}

IModeManager::~IModeManager()
{
    delete textMode_;
    delete pathEraseMode_;
    delete pencilPathMode_;
    delete figurePathMode_;
    delete selectorPathMode_;
    delete relay_;
}

namespace {

// The figure kind that a shape type selects on the figure mode, 0 for the other types.
int figureKindFor(KM_IBOARD_ENUM::ModeType type)
{
    using namespace KM_IBOARD_ENUM;
    switch (type) {
        case LinePath:
            return 1;
        case CirclePath:
            return 13;
        case EllipsePath:
            return 14;
        case RectanglePath:
            return 15;
        case TrianglePath:
            return 18;
        case ArrowPath:
            return 19;
        default:
            return 0;
    }
}

}  // namespace

IModeBase* IModeManager::modeFor(KM_IBOARD_ENUM::ModeType type) const
{
    using namespace KM_IBOARD_ENUM;
    switch (type) {
        case Select:
            return selectorPathMode_;
        case Text:
            return textMode_;
        case PathErase:
            return pathEraseMode_;
        case Pen:
            return pencilPathMode_;
        default:
            return figureKindFor(type) ? figurePathMode_ : nullptr;
    }
}

void IModeManager::setModeType(KM_IBOARD_ENUM::ModeType type)
{
    if (type == modeType_) {
        // Selecting the pen again refreshes its cursor.
        if (type == KM_IBOARD_ENUM::Pen) {
            currentMode_->activate();
        }
        return;
    }
    IModeBase* next = modeFor(type);
    if (!next) {
        qDebug() << "unknown board mode type ignored:" << int(type);
        return;
    }
    modeType_ = type;
    currentMode_->deactivate();
    if (const int kind = figureKindFor(type)) {
        figurePathMode_->setFigureKind(kind);
    }
    currentMode_ = next;
    currentMode_->activate();
}

IModeBase* IModeManager::routeTarget(IDeviceEvent* record) const
{
    if (!currentMode_ || !currentMode_->isEnabled()) {
        return nullptr;
    }
    record->event()->accept();
    return currentMode_;
}

void IModeManager::press(IDeviceEvent* record)
{
    if (IModeBase* mode = routeTarget(record)) {
        mode->press(record);
        relay_->reportPress(record, dynamic_cast<IMode*>(mode));
    }
}

void IModeManager::move(IDeviceEvent* record)
{
    if (IModeBase* mode = routeTarget(record)) {
        mode->move(record);
        relay_->reportMove(record, dynamic_cast<IMode*>(mode));
    }
}

void IModeManager::release(IDeviceEvent* record)
{
    if (IModeBase* mode = routeTarget(record)) {
        mode->release(record);
        relay_->reportRelease(record, dynamic_cast<IMode*>(mode));
    }
}
