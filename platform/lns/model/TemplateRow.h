#pragma once

#include <QString>

namespace lnssim {

// A device template; the program ID is empty until an interface file was imported.
struct TemplateRow
{
    qint64 id = 0;
    qint64 systemId = 0;
    QString name;
    QString programId;
    qint64 revision = 0;
};

} // namespace lnssim
