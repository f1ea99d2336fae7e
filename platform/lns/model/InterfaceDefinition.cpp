#include "lns/model/InterfaceDefinition.h"

namespace lnssim {

const NvDefinition* InterfaceDefinition::findNv(int index) const
{
    for (const NvDefinition& nv : nvs) {
        if (nv.index == index)
            return &nv;
    }
    return nullptr;
}

const NvDefinition* InterfaceDefinition::findNv(const QString& name) const
{
    for (const NvDefinition& nv : nvs) {
        if (nv.name.compare(name, Qt::CaseInsensitive) == 0)
            return &nv;
    }
    return nullptr;
}

std::vector<int> InterfaceDefinition::cpsOf(CpOwnerKind kind, int ownerIndex) const
{
    std::vector<int> positions;
    for (int i = 0; i < static_cast<int>(cps.size()); ++i) {
        if (cps[i].ownerKind == kind && (kind == CpOwnerKind::Interface || cps[i].ownerIndex == ownerIndex))
            positions.push_back(i);
    }
    return positions;
}

const CpDefinition* InterfaceDefinition::findCp(CpOwnerKind kind, int ownerIndex, int scope,
                                                int typeIndex) const
{
    for (int position : cpsOf(kind, ownerIndex)) {
        if (cps[position].scope == scope && cps[position].typeIndex == typeIndex)
            return &cps[position];
    }
    return nullptr;
}

const CpDefinition* InterfaceDefinition::findCp(CpOwnerKind kind, int ownerIndex, const QString& name) const
{
    for (int position : cpsOf(kind, ownerIndex)) {
        if (cps[position].name == name)
            return &cps[position];
    }
    return nullptr;
}

} // namespace lnssim
