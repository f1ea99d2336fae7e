#include "lns/db/ComponentAppStore.h"

#include "lns/db/SqliteConnection.h"
#include "lns/db/SqliteQuery.h"

namespace lnssim {

namespace {

// "IS" compares NULLs as equal, so one condition serves every level.
void bindOwner(SqliteQuery& query, const ComponentAppOwner& owner)
{
    query.bind(1, owner.level);
    if (owner.systemId)
        query.bind(2, owner.systemId);
    else
        query.bindNull(2);
    if (owner.templateId)
        query.bind(3, owner.templateId);
    else
        query.bindNull(3);
    query.bind(4, owner.block);
}

const char* updateOf(ComponentAppStore::Field field)
{
    switch (field) {
    case ComponentAppStore::Field::CommandId:
        return "UPDATE component_apps SET command_id = ? WHERE id = ?";
    case ComponentAppStore::Field::Description:
        return "UPDATE component_apps SET description = ? WHERE id = ?";
    case ComponentAppStore::Field::Version:
        return "UPDATE component_apps SET version = ? WHERE id = ?";
    case ComponentAppStore::Field::ManufacturerId:
        return "UPDATE component_apps SET manufacturer_id = ? WHERE id = ?";
    case ComponentAppStore::Field::Default:
        break;
    }
    return "UPDATE component_apps SET is_default = ? WHERE id = ?";
}

} // namespace

int ComponentAppStore::count(const ComponentAppOwner& owner)
{
    SqliteQuery query(m_db, "SELECT COUNT(*) FROM component_apps "
                            "WHERE level = ? AND system_id IS ? AND template_id IS ? AND block = ?");
    bindOwner(query, owner);
    query.next();
    return static_cast<int>(query.integer(0));
}

std::optional<qint64> ComponentAppStore::at(const ComponentAppOwner& owner, int position)
{
    if (position < 1)
        return std::nullopt;
    SqliteQuery query(m_db, "SELECT id FROM component_apps "
                            "WHERE level = ? AND system_id IS ? AND template_id IS ? AND block = ? "
                            "ORDER BY id LIMIT 1 OFFSET ?");
    bindOwner(query, owner);
    query.bind(5, position - 1);
    if (!query.next())
        return std::nullopt;
    return query.integer(0);
}

std::optional<qint64> ComponentAppStore::find(const ComponentAppOwner& owner, const QString& name)
{
    SqliteQuery query(m_db,
                      "SELECT id FROM component_apps "
                      "WHERE level = ? AND system_id IS ? AND template_id IS ? AND block = ? AND name = ? "
                      "ORDER BY id LIMIT 1");
    bindOwner(query, owner);
    query.bind(5, name);
    if (!query.next())
        return std::nullopt;
    return query.integer(0);
}

qint64 ComponentAppStore::add(const ComponentAppOwner& owner, const QString& name, const QString& progId,
                              int objectClass)
{
    SqliteQuery query(m_db, "INSERT INTO component_apps(level, system_id, template_id, block, name, prog_id, "
                            "object_class) VALUES(?, ?, ?, ?, ?, ?, ?)");
    bindOwner(query, owner);
    query.bind(5, name).bind(6, progId).bind(7, objectClass);
    query.run();
    return m_db.lastInsertId();
}

void ComponentAppStore::remove(qint64 id)
{
    SqliteQuery(m_db, "DELETE FROM component_apps WHERE id = ?").bind(1, id).run();
}

std::optional<ComponentAppRow> ComponentAppStore::row(qint64 id)
{
    SqliteQuery query(m_db, "SELECT id, name, prog_id, object_class, command_id, description, version, "
                            "manufacturer_id, is_default FROM component_apps WHERE id = ?");
    query.bind(1, id);
    if (!query.next())
        return std::nullopt;
    return ComponentAppRow{query.integer(0),
                           query.text(1),
                           query.text(2),
                           static_cast<int>(query.integer(3)),
                           static_cast<int>(query.integer(4)),
                           query.text(5),
                           query.text(6),
                           query.text(7),
                           query.integer(8) != 0};
}

bool ComponentAppStore::set(qint64 id, Field field, const QString& text)
{
    SqliteQuery(m_db, updateOf(field)).bind(1, text).bind(2, id).run();
    return m_db.changes() > 0;
}

bool ComponentAppStore::set(qint64 id, Field field, qint64 number)
{
    SqliteQuery(m_db, updateOf(field)).bind(1, number).bind(2, id).run();
    return m_db.changes() > 0;
}

} // namespace lnssim
