#pragma once

#include "lns/model/TemplateRow.h"

#include <QString>
#include <optional>

namespace lnssim {

class SqliteConnection;

// Device templates of a system with the interface text they were imported from.
class TemplateStore final
{
public:
    explicit TemplateStore(SqliteConnection& db) : m_db(db) {}

    int count(qint64 systemId);
    std::optional<TemplateRow> at(qint64 systemId, int position);
    std::optional<TemplateRow> find(qint64 systemId, const QString& name);
    std::optional<TemplateRow> findByProgramId(qint64 systemId, const QString& programId);
    std::optional<TemplateRow> row(qint64 templateId);

    qint64 add(qint64 systemId, const QString& name, int kind);
    void remove(qint64 templateId);
    QString interfaceText(qint64 templateId);
    // Replaces the interface; the revision tells caches that it changed.
    void setInterface(qint64 templateId, const QString& programId, const QString& text);

    std::optional<int> blockScope(qint64 templateId, int block);
    void setBlockScope(qint64 templateId, int block, int scope);

private:
    SqliteConnection& m_db;
};

} // namespace lnssim
