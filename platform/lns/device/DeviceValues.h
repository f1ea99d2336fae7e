#pragma once

#include "lns/model/DeviceRecord.h"
#include "lns/model/InterfaceDefinition.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace lnssim {

class SqliteConnection;

// The values a simulated device holds, in stored form: what was written, else the
// interface's default. A little life is kept in the device: the measured temperature output
// drifts between 21 and 23 °C unless nviSpaceTemp holds a valid temperature (then it follows
// it, corrected by SCPToffsetTemp), and the effective set point follows the set point and
// the offset input. Nothing here checks the device's state; callers decide who may ask.
class DeviceValues final
{
public:
    explicit DeviceValues(SqliteConnection& db) : m_db(db) {}

    QString nv(const DeviceRecord& device, const InterfaceDefinition& definition, const NvDefinition& nv);
    void setNv(qint64 deviceId, const NvDefinition& nv, const QString& stored);
    QString cp(qint64 deviceId, const CpDefinition& cp, int element);
    // Every element of each CP, as cp() gives them, in one look-up.
    QList<QStringList> cps(qint64 deviceId, const std::vector<const CpDefinition*>& cps);
    void setCp(qint64 deviceId, const CpDefinition& cp, int element, const QString& stored);

    // True for the outputs the device computes itself; writing them has no effect.
    static bool isComputed(const NvDefinition& nv);

private:
    QString spaceTemperature(const DeviceRecord& device, const InterfaceDefinition& definition,
                             const NvDefinition& nv);
    std::optional<QString> effectiveSetpoint(const DeviceRecord& device,
                                             const InterfaceDefinition& definition, const NvDefinition& nv);
    // The valid temperature an NV or a CP of the device holds, nullopt when absent or invalid.
    std::optional<double> inputTemperature(qint64 deviceId, const InterfaceDefinition& definition,
                                           const QString& nvName);
    std::optional<double> cpTemperature(qint64 deviceId, const InterfaceDefinition& definition,
                                        const NvDefinition& owner, const QString& cpName);

    SqliteConnection& m_db;
};

} // namespace lnssim
