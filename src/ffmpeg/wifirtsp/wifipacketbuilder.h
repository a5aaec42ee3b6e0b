#ifndef WIFIPACKETBUILDER_H
#define WIFIPACKETBUILDER_H

#include <QByteArray>
#include <QVariant>

// Builds the wireless camera's control requests: the client id, the command index (low byte
// first), class, code, their ones' complements, and the payload of the commands that take one.
class WifiPacketBuilder {
public:
    // The program's command selectors; they are not on the wire.
    enum Command {
        AutoFocus = 1,
        SetTopLamp = 2,
        SetWallLamp = 3,
        QueryLamp = 4,
        SetEncoding = 5,
        QueryEncoding = 6,
        SetQuality = 7,
        QueryCurrentQuality = 8,
        QueryDefaultQuality = 9,
        TakePicture = 10,
    };

    // FF FF FF FF, the first message on a new control connection.
    static QByteArray bindRequest();
    // The six command bytes (index, class, code, complements) or empty for an unknown command.
    static QByteArray commandBytes(int command);
    // `clientId` + the command bytes + the payload for the commands that carry one. An unknown
    // command gives the payload unchanged.
    static QByteArray build(const QByteArray& clientId, int command, const QByteArray& payload);
    // One quality byte: the value as an integer clamped to 0..255.
    static QByteArray qualityByte(const QVariant& value);
};

#endif  // WIFIPACKETBUILDER_H
