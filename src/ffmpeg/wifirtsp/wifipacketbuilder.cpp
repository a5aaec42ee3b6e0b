#include "wifipacketbuilder.h"

#include <QtGlobal>

namespace {

// Bytes 2 to 7 of each request: index (two bytes), class, code, ~class, ~code.
const char* const kCommandHex[] = {
    "010002f3fd0c", "020002f9fd06", "030002fafd05", "04000af0f50f", "05000bf0f40f",
    "06000bf1f40e", "07000bf2f40d", "08000bf3f40c", "08000bf4f40b", "09000bf5f40a",
};
const int kCommandCount = int(sizeof(kCommandHex) / sizeof(kCommandHex[0]));

bool carriesPayload(int command)
{
    return command == WifiPacketBuilder::SetTopLamp || command == WifiPacketBuilder::SetWallLamp ||
           command == WifiPacketBuilder::SetEncoding || command == WifiPacketBuilder::SetQuality;
}

}  // namespace

QByteArray WifiPacketBuilder::bindRequest()
{
    return QByteArray(4, char(0xFF));
}

QByteArray WifiPacketBuilder::commandBytes(int command)
{
    if (command < 1 || command > kCommandCount) {
        return QByteArray();
    }
    return QByteArray::fromHex(kCommandHex[command - 1]);
}

QByteArray WifiPacketBuilder::build(const QByteArray& clientId, int command,
                                    const QByteArray& payload)
{
    const QByteArray bytes = commandBytes(command);
    if (bytes.isEmpty()) {
        return payload;
    }
    return clientId + bytes + (carriesPayload(command) ? payload : QByteArray());
}

QByteArray WifiPacketBuilder::qualityByte(const QVariant& value)
{
    return QByteArray(1, char(qBound(0, value.toInt(), 255)));
}
