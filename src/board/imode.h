#ifndef IMODE_H
#define IMODE_H

#include <QList>

#include "board/imodebase.h"

// A mode with the default device bookkeeping: the ids between a press and a release.
class IMode : public IModeBase {
public:
    explicit IMode(IBoard* board);

    void press(IDeviceEvent* record) override;
    void move(IDeviceEvent* record) override;
    void release(IDeviceEvent* record) override;
    void setCursor(const QString& path, int width, int height) override;
    void setCursor(const QCursor& cursor) override;
    void deactivate() override;

    QList<int> activeIds() const { return activeIds_; }

private:
    QList<int> activeIds_;
};

#endif  // IMODE_H
