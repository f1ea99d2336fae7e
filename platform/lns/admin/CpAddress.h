#pragma once

#include "lns/model/CpOwnerKind.h"

#include <QString>
#include <optional>

namespace lnssim {

// A CP identifier as the point catalogue writes it: "F:b/C:s:i" (block b), "N:n/C:s:i"
// (NV index n) or "C:s:i" (the interface itself).
struct CpAddress
{
    CpOwnerKind ownerKind = CpOwnerKind::Interface;
    int ownerIndex = 0;
    int scope = 0;
    int typeIndex = 0;

    // nullopt when the text is not such an identifier.
    static std::optional<CpAddress> parse(const QString& text);
};

} // namespace lnssim
