#pragma once

#include "lns/resources/ResourceSet.h"

#include <QString>
#include <QStringList>
#include <vector>

namespace lnssim {

// The catalogue's persistent state in the Types folder (catalogue.txt): the folders it
// searches and the resource file sets found there at the last refresh.
class CatalogueIndex final
{
public:
    static QString filePath(const QString& typesFolder);
    // A missing or unreadable index is an empty catalogue.
    static CatalogueIndex load(const QString& typesFolder);
    bool save(const QString& typesFolder) const;

    void addDirectory(const QString& directory);
    // Re-reads every *.res file below the directories; malformed files are left out.
    void rescan();
    const ResourceSet* find(const QString& programId, int scope) const;

private:
    QStringList m_directories;
    std::vector<ResourceSet> m_sets;
};

} // namespace lnssim
