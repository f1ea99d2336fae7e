#pragma once

#include "files/ParameterSet.h"
#include "transfer/CpValue.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

class Log;
class MessageCatalogue;
class PointTables;

namespace lns {
class AppDevice;
class System;
} // namespace lns

// Writes a saved parameter set to devices of its program ID without a window, with the
// retries of the window's transfer: only the CPs the window synchronises, and of those only
// the ones the set holds. A device's CPs go as one set that the device takes wholly or not at
// all: a set still failing after the silent retries fails that device with nothing written. A
// device that is not online takes the CPs into the network database only and is reported so, not
// as written. A stop asked for before a device's set is sent ends the device with nothing
// written; a set under way is finished first, never left half-written.
class ParameterSetWriter final
{
public:
    enum class Status
    {
        Written,
        DatabaseOnly,
        Unchanged,
        WouldChange,
        Failed,
        // Stopped on request; `written` holds what the device got before.
        Interrupted,
        // Not reached: the run was stopped before this device.
        NotStarted
    };
    struct Options
    {
        // Writes only the CPs whose value on the device differs from the set's.
        bool onlyChanged = false;
        // Reads and compares, writes nothing.
        bool dryRun = false;
        // Writes also the CPs each unit keeps of its own (SCPToffsetTemp): the set was saved from
        // the same place, as a backup is.
        bool deviceSpecific = false;
        // Asked before a device's set is sent; true ends the device there. Called from the thread
        // that writes the device.
        std::function<bool()> stopRequested;
    };
    struct Change
    {
        int position = 0;
        QString before;
        QString after;
    };
    struct Written
    {
        int position = 0;
        QString value;
        // An array CP's elements as read back, each on its own; empty for a plain CP.
        QStringList elements;
    };
    struct Result
    {
        QString device;
        QString subsystem;
        QString neuronId;
        // The state panel's text for the device, by the window's rule.
        QString deviceState;
        Status status = Status::Failed;
        QString error;
        // The CPs that differ (only-changed and dry runs, where the device is read first).
        QList<Change> changes;
        // The CPs written and read back, in catalogue order.
        QList<Written> written;
    };

    // system: the open system, asked whether it is off-net.
    ParameterSetWriter(PointTables& points, const MessageCatalogue& catalogue, Log& log,
                       std::shared_ptr<const lns::System> system, ParameterSet set, QString decimalSeparator,
                       Options options);
    ParameterSetWriter(const ParameterSetWriter&) = delete;
    ParameterSetWriter& operator=(const ParameterSetWriter&) = delete;

    Result write(const std::shared_ptr<lns::AppDevice>& device);

    // What stands against writing a set to any device, one line each: a set that holds none of
    // the CPs written, an array CP without all its elements, a value that does not parse as its
    // CP's type or lies outside the limits of its editor field. Empty when the set may be written.
    // deviceSpecific: the device-specific CPs are written too, so they are checked too.
    static QStringList problems(const PointTables& points, const ParameterSet& set,
                                const QString& decimalSeparator, bool deviceSpecific = false);

    // Whether the set writes the CP at a position, and what.
    bool writes(int position) const;
    CpValue valueOf(int position) const;

    static QString statusText(Status status);
    // The status with its reason, as a result line says it.
    static QString outcomeText(const Result& result);

private:
    PointTables& m_points;
    const MessageCatalogue& m_catalogue;
    Log& m_log;
    const std::shared_ptr<const lns::System> m_system;
    const ParameterSet m_set;
    const QString m_separator;
    const bool m_foreign;
    const Options m_options;
};
