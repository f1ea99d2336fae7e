#include "lns/xif/TemplateImporter.h"

#include "host/object_server/Error.h"
#include "lns/LocalPath.h"
#include "lns/db/DeviceStore.h"
#include "lns/db/TemplateStore.h"
#include "lns/xif/XifReader.h"

#include <QFileInfo>

namespace lnssim {

InterfaceDefinition TemplateImporter::importFile(qint64 templateId, const QString& path)
{
    TemplateStore templates(m_db);
    const auto target = templates.row(templateId);
    if (!target)
        throw lns::Error(lns::errors::NotFound,
                         QStringLiteral("The device template no longer exists in the network database"));
    const QString localPath = local_path::fromPlatform(path);
    const QString text = xif_reader::readFile(localPath);
    InterfaceDefinition definition = xif_reader::parse(text, QFileInfo(localPath).fileName());

    const auto owner = templates.findByProgramId(target->systemId, definition.programId);
    if (owner && owner->id != templateId)
        throw lns::Error(
            lns::errors::AlreadyExists,
            QStringLiteral("The program ID %1 of %2 already belongs to the device template \"%3\"")
                .arg(definition.programId, localPath, owner->name));
    const int users = DeviceStore(m_db).countOfTemplate(templateId);
    if (users > 0 && target->programId != definition.programId)
        throw lns::Error(
            lns::errors::NotSupported,
            QStringLiteral("The device template \"%1\" is used by %2 device(s); it cannot take the "
                           "program ID %3 of %4")
                .arg(target->name)
                .arg(users)
                .arg(definition.programId, localPath));
    templates.setInterface(templateId, definition.programId, text);
    return definition;
}

} // namespace lnssim
