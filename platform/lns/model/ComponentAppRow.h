#pragma once

#include <QString>

namespace lnssim {

struct ComponentAppRow
{
    qint64 id = 0;
    QString name;
    QString progId;
    int objectClass = 0;
    int commandId = 0;
    QString description;
    QString version;
    QString manufacturerId;
    bool isDefault = false;
};

} // namespace lnssim
