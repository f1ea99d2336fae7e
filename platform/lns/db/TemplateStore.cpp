#include "lns/db/TemplateStore.h"

#include "lns/db/SqliteConnection.h"
#include "lns/db/SqliteQuery.h"
#include "lns/db/SqliteTransaction.h"

namespace lnssim {

namespace {

std::optional<TemplateRow> templateRow(SqliteQuery& query)
{
    if (!query.next())
        return std::nullopt;
    return TemplateRow{query.integer(0), query.integer(1), query.text(2), query.text(3), query.integer(4)};
}

} // namespace

int TemplateStore::count(qint64 systemId)
{
    SqliteQuery query(m_db, "SELECT COUNT(*) FROM templates WHERE system_id = ?");
    query.bind(1, systemId);
    query.next();
    return static_cast<int>(query.integer(0));
}

std::optional<TemplateRow> TemplateStore::at(qint64 systemId, int position)
{
    if (position < 1)
        return std::nullopt;
    SqliteQuery query(m_db,
                      "SELECT id, system_id, name, program_id, revision FROM templates WHERE system_id = ? "
                      "ORDER BY id LIMIT 1 OFFSET ?");
    query.bind(1, systemId).bind(2, position - 1);
    return templateRow(query);
}

std::optional<TemplateRow> TemplateStore::find(qint64 systemId, const QString& name)
{
    SqliteQuery query(m_db, "SELECT id, system_id, name, program_id, revision FROM templates "
                            "WHERE system_id = ? AND name = ?");
    query.bind(1, systemId).bind(2, name);
    return templateRow(query);
}

std::optional<TemplateRow> TemplateStore::findByProgramId(qint64 systemId, const QString& programId)
{
    SqliteQuery query(m_db, "SELECT id, system_id, name, program_id, revision FROM templates "
                            "WHERE system_id = ? AND program_id = ?");
    query.bind(1, systemId).bind(2, programId.toUpper());
    return templateRow(query);
}

std::optional<TemplateRow> TemplateStore::row(qint64 templateId)
{
    SqliteQuery query(m_db, "SELECT id, system_id, name, program_id, revision FROM templates WHERE id = ?");
    query.bind(1, templateId);
    return templateRow(query);
}

qint64 TemplateStore::add(qint64 systemId, const QString& name, int kind)
{
    SqliteQuery(m_db, "INSERT INTO templates(system_id, name, kind) VALUES(?, ?, ?)")
        .bind(1, systemId)
        .bind(2, name)
        .bind(3, kind)
        .run();
    return m_db.lastInsertId();
}

void TemplateStore::remove(qint64 templateId)
{
    SqliteQuery(m_db, "DELETE FROM templates WHERE id = ?").bind(1, templateId).run();
}

QString TemplateStore::interfaceText(qint64 templateId)
{
    SqliteQuery query(m_db, "SELECT interface FROM templates WHERE id = ?");
    query.bind(1, templateId);
    return query.next() ? query.text(0) : QString();
}

void TemplateStore::setInterface(qint64 templateId, const QString& programId, const QString& text)
{
    SqliteTransaction transaction(m_db);
    SqliteQuery(m_db,
                "UPDATE templates SET program_id = ?, interface = ?, revision = revision + 1 WHERE id = ?")
        .bind(1, programId)
        .bind(2, text)
        .bind(3, templateId)
        .run();
    SqliteQuery(m_db, "DELETE FROM template_block_scopes WHERE template_id = ?").bind(1, templateId).run();
    transaction.commit();
}

std::optional<int> TemplateStore::blockScope(qint64 templateId, int block)
{
    SqliteQuery query(m_db, "SELECT scope FROM template_block_scopes WHERE template_id = ? AND block = ?");
    query.bind(1, templateId).bind(2, block);
    if (!query.next())
        return std::nullopt;
    return static_cast<int>(query.integer(0));
}

void TemplateStore::setBlockScope(qint64 templateId, int block, int scope)
{
    SqliteQuery(m_db,
                "INSERT OR REPLACE INTO template_block_scopes(template_id, block, scope) VALUES(?, ?, ?)")
        .bind(1, templateId)
        .bind(2, block)
        .bind(3, scope)
        .run();
}

} // namespace lnssim
