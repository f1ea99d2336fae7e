#pragma once

#include "host/object_server/ProfileReader.h"

namespace lnssim {

// Looks a functional profile up in the file a SimResourceFileReader has open:
// 0 found, 4 not in the file, 1 no file open, 6 a reader of another kind.
class SimProfileReader final : public lns::ProfileReader
{
public:
    int findProfile(const lns::ResourceFileReader& file, const QString& profileKey) override;
};

} // namespace lnssim
