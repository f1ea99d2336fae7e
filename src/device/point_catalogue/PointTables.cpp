#include "device/point_catalogue/PointTables.h"

#include <stdexcept>
#include <string>

namespace {

// Positions up to the slot bound are addressable, even where the catalogue has no point.
template <typename Table> auto& slot(Table& table, int position)
{
    if (position < 0 || position >= static_cast<int>(table.size()))
        throw std::out_of_range("point table position " + std::to_string(position) + " beyond its slots");
    return table[static_cast<std::size_t>(position)];
}

void fillNv(NvEntry& entry, const point_catalogue::NvDefinition& definition, qint32 tag)
{
    entry.name = QString::fromLatin1(definition.name);
    entry.owner = QString::fromLatin1(definition.owner);
    entry.nvIndex = static_cast<qint16>(definition.nvIndex);
    entry.tag = tag;
}

} // namespace

CpEntry& PointTables::cp(int position)
{
    return slot(m_cp, position);
}

const CpEntry& PointTables::cp(int position) const
{
    return slot(m_cp, position);
}

NvEntry& PointTables::nvi(int position)
{
    return slot(m_nvi, position);
}

const NvEntry& PointTables::nvi(int position) const
{
    return slot(m_nvi, position);
}

NvEntry& PointTables::nvo(int position)
{
    return slot(m_nvo, position);
}

const NvEntry& PointTables::nvo(int position) const
{
    return slot(m_nvo, position);
}

void PointTables::fillCpTable()
{
    for (int position = 0; position < CpTotal; ++position) {
        const point_catalogue::CpDefinition& definition = point_catalogue::cpDefinition(position);
        CpEntry& entry = cp(position);
        entry.name = QString::fromLatin1(definition.name);
        entry.owner = QString::fromLatin1(definition.owner);
        entry.transmit = true;
        entry.id = QString::fromLatin1(definition.id);
        entry.syncable = definition.syncable;
    }
    cpCount = CpTotal;
}

void PointTables::fillNvi(int position)
{
    fillNv(nvi(position), point_catalogue::nviDefinition(position), position + FirstInputTag);
}

void PointTables::fillNvo(int position)
{
    fillNv(nvo(position), point_catalogue::nvoDefinition(position), position + FirstOutputTag);
}
