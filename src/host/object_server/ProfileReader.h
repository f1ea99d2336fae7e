#pragma once

#include "host/object_server/ResourceFileReader.h"

#include <QString>

namespace lns {

// Finds functional profiles in the file a ResourceFileReader has open (0 = found).
class ProfileReader
{
public:
    virtual ~ProfileReader() = default;
    virtual int findProfile(const ResourceFileReader& file, const QString& profileKey) = 0;
};

} // namespace lns
