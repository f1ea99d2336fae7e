#include "device/DeviceStateText.h"

#include "host/object_server/AppDevice.h"
#include "host/object_server/System.h"

QString device_state::stateText(int state)
{
    switch (state) {
    case 2:
        return QStringLiteral("Unconfigured");
    case 3:
        return QStringLiteral("App'less");
    case 4:
        return Online;
    case 6:
        return QStringLiteral("Cnfg Offline");
    case 12:
        return QStringLiteral("Soft Offline");
    case 140:
        return QStringLiteral("Cnfg Bypass");
    default:
        return Unknown;
    }
}

QString device_state::query(const lns::System* system, const lns::AppDevice& device)
{
    if (system && system->mode() == OffnetMode)
        return Offnet;
    if (!device.commissioned())
        return NotCommissioned;
    if (device.testFlag())
        return Unknown;
    return stateText(device.state());
}
