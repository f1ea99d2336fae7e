#pragma once

#include "lns/model/DeviceRecord.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace lnssim {

class SqliteConnection;

// Application devices: lookups by subsystem or template (positions count from 1, in the
// order the devices were added), creation and the state and fault flags.
class DeviceStore final
{
public:
    explicit DeviceStore(SqliteConnection& db) : m_db(db) {}

    std::optional<DeviceRecord> record(qint64 deviceId);

    int countInSubsystem(qint64 subsystemId);
    std::optional<qint64> inSubsystemAt(qint64 subsystemId, int position);
    std::optional<qint64> findInSubsystem(qint64 subsystemId, const QString& name);
    int countOfTemplate(qint64 templateId);
    std::optional<qint64> ofTemplateAt(qint64 templateId, int position);
    // The template's device that follows deviceId in the collection's order.
    std::optional<qint64> ofTemplateAfter(qint64 templateId, qint64 deviceId);
    std::optional<qint64> findOfTemplate(qint64 templateId, const QString& name);

    // Adds the device to the subsystem and the channel; the Neuron ID (12 hex digits) follows
    // from its row.
    qint64 add(qint64 systemId, qint64 subsystemId, qint64 templateId, qint64 channelId, const QString& name,
               int state, bool commissioned);

    // The device with everything that belongs to it; its row id (and so its Neuron ID) is never reused.
    void remove(qint64 deviceId);
    void setState(qint64 deviceId, int state);
    void setCommissioned(qint64 deviceId, bool commissioned);
    void setTestFlag(qint64 deviceId, bool testFlag);
    void setUnreachable(qint64 deviceId, bool unreachable);
    void setFailureRate(qint64 deviceId, double rate);

    // "subsystem/name, program ID, state, commissioned, Neuron ID" for every device of a system.
    QStringList listing(qint64 systemId);
    // "subsystem/name" of the same devices, in the same order.
    QStringList paths(qint64 systemId);

private:
    SqliteConnection& m_db;
};

} // namespace lnssim
