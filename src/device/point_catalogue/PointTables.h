#pragma once

#include "device/point_catalogue/PointCatalogue.h"

#include <QString>
#include <array>

// One configuration property of the catalogue. The editor control is txtNci(position).
struct CpEntry
{
    QString name;
    QString owner;
    // The value as last read from the device (the object server's text); null before the first read.
    QString value;
    bool transmit = false;
    QString id;
    bool syncable = false;
};

// One network variable of the catalogue. The editor control is txtNvi(position) or txtNvo(position).
struct NvEntry
{
    QString name;
    QString owner;
    QString value;
    qint16 nvIndex = 0;
    qint32 tag = 0;
};

// The device's points by catalogue position, with room to spare: access beyond the slot bound
// (70 for CPs, 30 for NVs) throws std::out_of_range.
class PointTables final
{
public:
    static constexpr int CpSlots = 71;
    static constexpr int NvSlots = 31;
    static constexpr int CpTotal = point_catalogue::cp::Count;
    static constexpr int NviTotal = point_catalogue::nvi::Count;
    static constexpr int NvoTotal = point_catalogue::nvo::Count;
    static_assert(CpTotal <= CpSlots && NviTotal <= NvSlots && NvoTotal <= NvSlots);
    // Monitoring events carry these keys: input i as FirstInputTag + i, output i as FirstOutputTag + i.
    static constexpr qint32 FirstInputTag = 1;
    static constexpr qint32 FirstOutputTag = 200;

    CpEntry& cp(int position);
    const CpEntry& cp(int position) const;
    NvEntry& nvi(int position);
    const NvEntry& nvi(int position) const;
    NvEntry& nvo(int position);
    const NvEntry& nvo(int position) const;

    // Counts: cpCount is set when the CP table is filled; the NV counts only after an online read.
    qint16 cpCount = 0;
    qint16 nviCount = 0;
    qint16 nvoCount = 0;

    // Fills name, owner, id, transmit and syncable of every CP and sets cpCount (values untouched).
    void fillCpTable();
    // Fills name, owner, NV index and tag of input i / output i from the catalogue (values untouched).
    void fillNvi(int position);
    void fillNvo(int position);

private:
    std::array<CpEntry, CpSlots> m_cp{};
    std::array<NvEntry, NvSlots> m_nvi{};
    std::array<NvEntry, NvSlots> m_nvo{};
};
