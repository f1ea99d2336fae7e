#pragma once

#include <QString>

namespace lns {

// Status values of the resource components: 0 success, 4 not present, anything else a failure.
inline constexpr int ResourceOk = 0;
inline constexpr int ResourceNotPresent = 4;

// The device resource catalogue over a Types folder.
class ResourceCatalogue
{
public:
    virtual ~ResourceCatalogue() = default;
    virtual int open(const QString& typesFolder) = 0;
    virtual int close() = 0;
    virtual bool isOpen() const = 0;
    virtual int addDirectory(const QString& directory) = 0;
    virtual int refresh() = 0;
    // Finds the resource file set for a program ID (or a program-ID template) and scope;
    // on success fileName receives the type file's path.
    virtual int findResourceFileSet(const QString& programId, int scope, int kind, int extra,
                                    QString& fileName) = 0;
};

} // namespace lns
