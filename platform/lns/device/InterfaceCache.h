#pragma once

#include "lns/model/InterfaceDefinition.h"

#include <QtGlobal>
#include <map>
#include <memory>
#include <mutex>

namespace lnssim {

class SqliteConnection;

// Parsed template interfaces, shared by the object server's threads. An entry is reloaded
// when the template's revision changes (another process may import into a template).
class InterfaceCache final
{
public:
    InterfaceCache() = default;
    InterfaceCache(const InterfaceCache&) = delete;
    InterfaceCache& operator=(const InterfaceCache&) = delete;

    std::shared_ptr<const InterfaceDefinition> definition(SqliteConnection& db, qint64 templateId,
                                                          qint64 revision);

private:
    struct Entry
    {
        qint64 revision;
        std::shared_ptr<const InterfaceDefinition> definition;
    };

    std::mutex m_mutex;
    std::map<qint64, Entry> m_entries;
};

} // namespace lnssim
