#pragma once

#include <QString>

namespace lnssim {

struct SubsystemRow
{
    qint64 id = 0;
    qint64 systemId = 0;
    QString name;
    QString path;
};

} // namespace lnssim
