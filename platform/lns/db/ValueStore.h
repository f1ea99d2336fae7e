#pragma once

#include "lns/model/CpDefinition.h"

#include <QString>
#include <map>
#include <optional>
#include <tuple>

namespace lnssim {

class SqliteConnection;

// Values a device holds, in stored form, and the profile scopes set on its blocks. A value
// never written reads as nullopt (the interface's default applies).
class ValueStore final
{
public:
    // A CP element of a device: owner kind and index, type scope and index, element.
    using CpElement = std::tuple<int, int, int, int, int>;

    explicit ValueStore(SqliteConnection& db) : m_db(db) {}

    std::optional<QString> nvValue(qint64 deviceId, int nvIndex);
    void setNvValue(qint64 deviceId, int nvIndex, const QString& stored);
    std::optional<QString> cpValue(qint64 deviceId, const CpDefinition& cp, int element);
    void setCpValue(qint64 deviceId, const CpDefinition& cp, int element, const QString& stored);
    // Every CP element written to the device, in one query.
    std::map<CpElement, QString> cpValues(qint64 deviceId);

    std::optional<int> blockScope(qint64 deviceId, int block);
    void setBlockScope(qint64 deviceId, int block, int scope);

private:
    SqliteConnection& m_db;
};

} // namespace lnssim
