#pragma once

#include <QString>

namespace lnssim {

// Whose interface an object belongs to: a device, or (deviceId 0) a device template.
struct InterfaceOwner
{
    qint64 systemId = 0;
    qint64 deviceId = 0;
    qint64 templateId = 0;
    // The device's or template's name, for messages.
    QString name;

    bool isTemplate() const { return deviceId == 0; }
};

} // namespace lnssim
