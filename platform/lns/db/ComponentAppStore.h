#pragma once

#include "lns/model/ComponentAppOwner.h"
#include "lns/model/ComponentAppRow.h"

#include <QString>
#include <optional>

namespace lnssim {

class SqliteConnection;

// Component applications of every level; positions count from 1 in the order they were added.
class ComponentAppStore final
{
public:
    enum class Field
    {
        CommandId,
        Description,
        Version,
        ManufacturerId,
        Default
    };

    explicit ComponentAppStore(SqliteConnection& db) : m_db(db) {}

    int count(const ComponentAppOwner& owner);
    std::optional<qint64> at(const ComponentAppOwner& owner, int position);
    std::optional<qint64> find(const ComponentAppOwner& owner, const QString& name);
    qint64 add(const ComponentAppOwner& owner, const QString& name, const QString& progId, int objectClass);
    void remove(qint64 id);
    std::optional<ComponentAppRow> row(qint64 id);
    // False when no application has the id.
    bool set(qint64 id, Field field, const QString& text);
    bool set(qint64 id, Field field, qint64 number);

private:
    SqliteConnection& m_db;
};

} // namespace lnssim
