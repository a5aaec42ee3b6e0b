#ifndef PORTALSTANDIN_H
#define PORTALSTANDIN_H

#include <QDBusVirtualObject>
#include <QProcess>
#include <QString>

// A private session bus on which a stand-in for the desktop portal answers every screen-cast
// request with "cancelled", as when the user refuses the consent dialog.
class PortalStandIn : public QDBusVirtualObject {
    Q_OBJECT
public:
    ~PortalStandIn() override;
    // Starts the bus and claims the portal's name; the bus address, or empty on failure.
    QString start();
    int requests() const { return requests_; }

    QString introspect(const QString& path) const override;
    bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override;

private:
    QProcess bus_;
    int requests_ = 0;
};

#endif  // PORTALSTANDIN_H
