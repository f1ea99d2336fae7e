#pragma once

#include "host/object_server/ResourceFileReader.h"
#include "lns/resources/ResourceSet.h"

#include <optional>

namespace lnssim {

// Opens one of our resource files: 0 opened, 4 no such file, 3 malformed.
class SimResourceFileReader final : public lns::ResourceFileReader
{
public:
    int open(const QString& fileName) override;
    int close() override;
    bool isOpen() const override { return m_set.has_value(); }

    bool hasProfile(const QString& profileKey) const;

private:
    std::optional<ResourceSet> m_set;
};

} // namespace lnssim
