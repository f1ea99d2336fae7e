#pragma once

#include "lns/model/InterfaceDefinition.h"

#include <QString>

namespace lnssim {

class SqliteConnection;

// Gives a device template the program ID and interface of a device interface file. Refused
// when another template of the system has that program ID, or when devices use the template
// and the program ID would change.
class TemplateImporter final
{
public:
    explicit TemplateImporter(SqliteConnection& db) : m_db(db) {}

    InterfaceDefinition importFile(qint64 templateId, const QString& path);

private:
    SqliteConnection& m_db;
};

} // namespace lnssim
