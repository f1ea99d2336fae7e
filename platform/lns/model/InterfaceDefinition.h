#pragma once

#include "lns/model/BlockDefinition.h"
#include "lns/model/CpDefinition.h"
#include "lns/model/NvDefinition.h"

#include <QString>
#include <vector>

namespace lnssim {

// The interface a device template gives its devices: program ID, blocks in block order,
// NVs and CPs in the order of the interface file.
struct InterfaceDefinition
{
    QString programId;
    // The name a template made from this interface gets when none is given.
    QString templateName;
    std::vector<BlockDefinition> blocks;
    std::vector<NvDefinition> nvs;
    std::vector<CpDefinition> cps;

    const NvDefinition* findNv(int index) const;
    const NvDefinition* findNv(const QString& name) const;
    // Positions in cps of the properties of one owner, in file order.
    std::vector<int> cpsOf(CpOwnerKind kind, int ownerIndex) const;
    const CpDefinition* findCp(CpOwnerKind kind, int ownerIndex, int scope, int typeIndex) const;
    const CpDefinition* findCp(CpOwnerKind kind, int ownerIndex, const QString& name) const;
};

} // namespace lnssim
