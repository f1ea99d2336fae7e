#pragma once

#include "host/object_server/ResourceCatalogue.h"
#include "lns/resources/CatalogueIndex.h"

#include <QString>
#include <optional>

namespace lnssim {

// The device resource catalogue over a Types folder. Folders given as the platform writes them
// ("\Types\User") that do not exist as they stand are taken relative to the LonWorks home
// (the Types folder's parent).
class SimResourceCatalogue final : public lns::ResourceCatalogue
{
public:
    int open(const QString& typesFolder) override;
    int close() override;
    bool isOpen() const override { return m_index.has_value(); }
    int addDirectory(const QString& directory) override;
    int refresh() override;
    // kind and extra are accepted as callers pass them; the file name is the set's *.res file.
    int findResourceFileSet(const QString& programId, int scope, int kind, int extra,
                            QString& fileName) override;

private:
    QString m_typesFolder;
    std::optional<CatalogueIndex> m_index;
};

} // namespace lnssim
