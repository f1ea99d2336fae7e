#include "lns/resources/SimResourceCatalogue.h"

#include "lns/LocalPath.h"
#include "lns/resources/ResourceStatus.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace lnssim {

int SimResourceCatalogue::open(const QString& typesFolder)
{
    const QString folder = local_path::fromPlatform(typesFolder);
    if (typesFolder.trimmed().isEmpty() || !QFileInfo(folder).isDir())
        return resource_status::NoSuchFolder;
    m_typesFolder = folder;
    m_index = CatalogueIndex::load(folder);
    return lns::ResourceOk;
}

int SimResourceCatalogue::close()
{
    if (!m_index)
        return resource_status::NotOpen;
    m_index.reset();
    return lns::ResourceOk;
}

int SimResourceCatalogue::addDirectory(const QString& directory)
{
    if (!m_index)
        return resource_status::NotOpen;
    QString folder = local_path::fromPlatform(directory);
    if (!QFileInfo(folder).isDir())
        folder = QDir::cleanPath(QFileInfo(m_typesFolder).path() + QLatin1Char('/') + folder);
    if (directory.trimmed().isEmpty() || !QFileInfo(folder).isDir())
        return resource_status::NoSuchFolder;
    m_index->addDirectory(QFileInfo(folder).absoluteFilePath());
    return m_index->save(m_typesFolder) ? lns::ResourceOk : resource_status::WriteFailed;
}

int SimResourceCatalogue::refresh()
{
    if (!m_index)
        return resource_status::NotOpen;
    m_index->rescan();
    return m_index->save(m_typesFolder) ? lns::ResourceOk : resource_status::WriteFailed;
}

int SimResourceCatalogue::findResourceFileSet(const QString& programId, int scope, int, int,
                                              QString& fileName)
{
    static const QRegularExpression programIdForm(QStringLiteral("^[0-9A-Fa-f]{16}$"));
    if (!m_index)
        return resource_status::NotOpen;
    if (!programIdForm.match(programId).hasMatch())
        return resource_status::BadArgument;
    const ResourceSet* set = m_index->find(programId, scope);
    if (!set)
        return lns::ResourceNotPresent;
    fileName = set->file;
    return lns::ResourceOk;
}

} // namespace lnssim
