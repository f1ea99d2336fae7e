#pragma once

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

// The device's point catalogue: 65 CPs, 26 NV inputs and 23 NV outputs addressed by position.
// Access beyond the slot bound (70 for CPs, 30 for NVs) throws std::out_of_range.
class PointTables final
{
public:
    static constexpr int CpSlots = 71;
    static constexpr int NvSlots = 31;
    static constexpr int CpTotal = 65;
    static constexpr int NviTotal = 26;
    static constexpr int NvoTotal = 23;

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

// The fixed catalogue data of the unit.
namespace point_catalogue {

struct CpDefinition
{
    const char* name;
    const char* owner;
    const char* id;
    // Value type as the help texts state it, for example "SNVT_time_sec".
    const char* valueType;
    // Elements of an array property; 1 for plain properties.
    int elements;
    bool syncable;
};

struct NvDefinition
{
    const char* name;
    int nvIndex;
    const char* owner;
    const char* type;
    int typeIndex;
};

const CpDefinition& cpDefinition(int position);
const NvDefinition& nviDefinition(int position);
const NvDefinition& nvoDefinition(int position);

} // namespace point_catalogue
