#include "lns/device/InterfaceCache.h"

#include "lns/db/TemplateStore.h"
#include "lns/xif/XifReader.h"

namespace lnssim {

std::shared_ptr<const InterfaceDefinition> InterfaceCache::definition(SqliteConnection& db, qint64 templateId,
                                                                      qint64 revision)
{
    {
        std::lock_guard lock(m_mutex);
        const auto found = m_entries.find(templateId);
        if (found != m_entries.end() && found->second.revision == revision)
            return found->second.definition;
    }
    const QString text = TemplateStore(db).interfaceText(templateId);
    // A template that was never imported has no interface yet.
    auto definition = std::make_shared<const InterfaceDefinition>(
        text.isEmpty() ? InterfaceDefinition{}
                       : xif_reader::parse(text, QStringLiteral("of template %1").arg(templateId)));
    std::lock_guard lock(m_mutex);
    m_entries[templateId] = Entry{revision, definition};
    return definition;
}

} // namespace lnssim
