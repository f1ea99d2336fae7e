#include "lns/resources/SimResourceFileReader.h"

#include "host/object_server/Error.h"
#include "host/object_server/ResourceCatalogue.h"
#include "lns/LocalPath.h"
#include "lns/resources/ResourceSetFile.h"
#include "lns/resources/ResourceStatus.h"

namespace lnssim {

int SimResourceFileReader::open(const QString& fileName)
{
    m_set.reset();
    try {
        m_set = resource_set_file::read(local_path::fromPlatform(fileName));
    } catch (const lns::Error& error) {
        return error.number() == lns::errors::NotFound ? lns::ResourceNotPresent : resource_status::BadFile;
    }
    return lns::ResourceOk;
}

int SimResourceFileReader::close()
{
    if (!m_set)
        return resource_status::NotOpen;
    m_set.reset();
    return lns::ResourceOk;
}

bool SimResourceFileReader::hasProfile(const QString& profileKey) const
{
    return m_set && m_set->profiles.contains(profileKey);
}

} // namespace lnssim
