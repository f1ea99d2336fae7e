#include "lns/resources/SimProfileReader.h"

#include "host/object_server/ResourceCatalogue.h"
#include "lns/resources/ResourceStatus.h"
#include "lns/resources/SimResourceFileReader.h"

namespace lnssim {

int SimProfileReader::findProfile(const lns::ResourceFileReader& file, const QString& profileKey)
{
    const auto* reader = dynamic_cast<const SimResourceFileReader*>(&file);
    if (!reader)
        return resource_status::BadArgument;
    if (!reader->isOpen())
        return resource_status::NotOpen;
    return reader->hasProfile(profileKey) ? lns::ResourceOk : lns::ResourceNotPresent;
}

} // namespace lnssim
