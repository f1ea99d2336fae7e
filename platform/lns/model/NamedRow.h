#pragma once

#include <QString>

namespace lnssim {

// A database row known by id and name (network, system, network interface).
struct NamedRow
{
    qint64 id = 0;
    QString name;
};

} // namespace lnssim
