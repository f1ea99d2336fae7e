#include "lns/resources/CatalogueIndex.h"

#include "host/AtomicFile.h"
#include "host/object_server/Error.h"
#include "lns/resources/ResourceSetFile.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTextStream>

namespace lnssim {

QString CatalogueIndex::filePath(const QString& typesFolder)
{
    return QDir(typesFolder).filePath(QStringLiteral("catalogue.txt"));
}

CatalogueIndex CatalogueIndex::load(const QString& typesFolder)
{
    CatalogueIndex index;
    QFile file(filePath(typesFolder));
    if (!file.open(QIODevice::ReadOnly))
        return index;
    QTextStream stream(&file);
    while (!stream.atEnd()) {
        const QString line = stream.readLine();
        if (line.startsWith(QLatin1String("directory ")))
            index.m_directories.append(line.mid(10));
        const QStringList set = line.split(QLatin1Char(' '));
        if (set.size() >= 4 && set[0] == QLatin1String("set")) {
            ResourceSet entry;
            entry.scope = set[1].toInt();
            entry.programIdTemplate = set[2];
            entry.file = line.section(QLatin1Char(' '), 3);
            index.m_sets.push_back(std::move(entry));
        }
    }
    return index;
}

bool CatalogueIndex::save(const QString& typesFolder) const
{
    QString text =
        QStringLiteral("# Resource catalogue of the simulated LNS platform, kept by the object server.\n");
    for (const QString& directory : m_directories)
        text += QStringLiteral("directory ") + directory + QLatin1Char('\n');
    for (const ResourceSet& set : m_sets)
        text += QStringLiteral("set ") + QString::number(set.scope) + QLatin1Char(' ') +
                set.programIdTemplate + QLatin1Char(' ') + set.file + QLatin1Char('\n');
    return AtomicFile::write(filePath(typesFolder), text.toUtf8()).has_value();
}

void CatalogueIndex::addDirectory(const QString& directory)
{
    if (!m_directories.contains(directory))
        m_directories.append(directory);
}

void CatalogueIndex::rescan()
{
    m_sets.clear();
    for (const QString& directory : m_directories) {
        QDirIterator files(directory, {QStringLiteral("*.res")}, QDir::Files, QDirIterator::Subdirectories);
        while (files.hasNext()) {
            try {
                m_sets.push_back(resource_set_file::read(files.next()));
            } catch (const lns::Error&) {
                // A broken file is no file set; the reader reports it when it is opened directly.
                continue;
            }
        }
    }
}

const ResourceSet* CatalogueIndex::find(const QString& programId, int scope) const
{
    for (const ResourceSet& set : m_sets) {
        if (resource_set_file::matches(set, programId, scope))
            return &set;
    }
    return nullptr;
}

} // namespace lnssim
