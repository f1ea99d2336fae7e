#pragma once

#include "lns/model/CpDefinition.h"

#include <QString>
#include <optional>

namespace lnssim {

class SqliteConnection;

// Values a device holds, in stored form, and the profile scopes set on its blocks. A value
// never written reads as nullopt (the interface's default applies).
class ValueStore final
{
public:
    explicit ValueStore(SqliteConnection& db) : m_db(db) {}

    std::optional<QString> nvValue(qint64 deviceId, int nvIndex);
    void setNvValue(qint64 deviceId, int nvIndex, const QString& stored);
    std::optional<QString> cpValue(qint64 deviceId, const CpDefinition& cp, int element);
    void setCpValue(qint64 deviceId, const CpDefinition& cp, int element, const QString& stored);

    std::optional<int> blockScope(qint64 deviceId, int block);
    void setBlockScope(qint64 deviceId, int block, int scope);

private:
    SqliteConnection& m_db;
};

} // namespace lnssim
