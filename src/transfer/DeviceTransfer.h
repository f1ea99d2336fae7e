#pragma once

#include "host/StepRunner.h"
#include "host/object_server/CpSetValue.h"
#include "host/object_server/NetworkVariable.h"
#include "transfer/CpValue.h"
#include "transfer/TransferState.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>

class Log;
class MessageCatalogue;
class PointTables;
class TransferObserver;

namespace lns {
class System;
}

// Writes the catalogue's points to devices, the work behind Apply and behind the command-line
// tool. Every object server call is one step: a failing step is repeated silently as Retries
// says (each repetition logged with "  repeating..."), then the caller decides Abort, Retry or
// Ignore. Ignore skips the rest of that point on that device: nothing is read back, stored or
// logged as written. Abort stops everything that follows.
class DeviceTransfer final
{
public:
    // How CP lines are logged and which CPs a device gets: the current device after the
    // question, the marked CPs on each chosen device, or every general CP on each chosen device.
    enum class Mode
    {
        CurrentDevice,
        ChangedOnly,
        Synchronise
    };
    enum class Outcome
    {
        Written,
        Skipped,
        Aborted
    };

    // A device being written, with what every write to it needs.
    struct Target
    {
        std::shared_ptr<lns::AppDevice> device;
        std::shared_ptr<lns::NetworkVariables> nvs;
        QString name;
        QString subsystemName;
        // The state panel's text for the device, by the window's rule.
        QString stateText;

        // A device that is not online gets its CPs in the network database only; it takes
        // them when it is commissioned or comes online.
        bool databaseOnly() const;
    };

    // Each call to a device, here and wherever a device's points are read for a transfer.
    static constexpr StepRunner::RetryPolicy Retries{5, StepRunner::RetryScope::EachStep};

    // decide answers a step that failed after the silent retries (the window asks the user).
    // system is the open system, asked whether it is off-net; without one it is taken as on-net.
    DeviceTransfer(PointTables& points, const MessageCatalogue& catalogue, Log& log,
                   std::shared_ptr<const lns::System> system, StepRunner::Handler decide);
    DeviceTransfer(const DeviceTransfer&) = delete;
    DeviceTransfer& operator=(const DeviceTransfer&) = delete;

    // Fetches the device's name, subsystem and NVs and its state text, so that a device that
    // does not answer costs one decision, not one per CP. Nothing after Abort or Ignore (logged).
    std::optional<Target> openTarget(const std::shared_ptr<lns::AppDevice>& device);
    // The same for a device chosen from the template's devices; when the item there is no longer
    // the device chosen (name or Neuron ID differ: the network changed), it is logged and skipped.
    std::optional<Target> openChosen(const lns::DeviceTemplate& deviceTemplate, const SelectedDevice& chosen);

    // Writes the input NV at a catalogue position and reads it back.
    Outcome writeNv(const Target& target, int position, const QString& text, QString& readBack);
    // Writes one CP, reads it back into its table entry and logs it. Given `elementsRead`, an array
    // CP is also read back element by element into it.
    Outcome writeCp(const Target& target, int position, const CpValue& value, Mode mode, QString& readBack,
                    QStringList* elementsRead = nullptr);

    // The CPs of one device in catalogue order. Synchronise writes every general CP and logs
    // the device-specific ones as not possible; the other modes write the positions chosen says.
    // A device not online is named in the log as holding its CPs in the database only.
    // False when the observer stopped the transfer or the user aborted.
    bool writeDevice(const Target& target, Mode mode, const std::function<bool(int position)>& chosen,
                     const std::function<CpValue(int position)>& valueOf, TransferObserver& observer);

    // The same CPs as writeDevice, sent to the device as one set (AppDevice::writeConfigProperties):
    // one step, repeated as a whole, which the device takes wholly or not at all. The log and the
    // observer hear of every CP as from writeDevice, in catalogue order, once the set is read back;
    // the observer is asked to stop once, before the set. Array CPs come back element by element.
    bool writeSet(const Target& target, Mode mode, const std::function<bool(int position)>& chosen,
                  const std::function<CpValue(int position)>& valueOf, TransferObserver& observer);

    // The set writeSet sends for those arguments, in catalogue order.
    static QList<lns::CpSetValue> setOf(const PointTables& points, Mode mode,
                                        const std::function<bool(int position)>& chosen,
                                        const std::function<CpValue(int position)>& valueOf);

    // Whether writeDevice reads the array CPs back element by element for the observer (a call
    // per element); off by default.
    void setElementReadBack(bool on) { m_elementReadBack = on; }

    // The header line comes before the first CP of a device (Synchronise), of the transfer
    // (ChangedOnly) or of the current device.
    void resetHeader() { m_headerLogged = false; }
    bool aborted() const { return m_steps.aborted(); }

    // The number an element of the backlight properties stands for, written with the user's
    // separator: the leading number of the text, read with "." or "," as the decimal point; 0
    // when the text starts with no digit.
    static QString backlightElement(const QString& text, const QString& separator);
    // Where the CPs of a device that is not online went: "stored in the database only (device
    // not commissioned)", or with the device's state text in the brackets; German unless inEnglish.
    static QString databaseOnlyText(const QString& stateText, bool inEnglish);
    // That leading number; none when the text starts with no digit.
    static std::optional<double> backlightNumber(const QString& text);

private:
    std::optional<Target> open(const std::shared_ptr<lns::AppDevice>& device, const SelectedDevice* chosen);
    // The catalogue positions of a set, in order.
    static void forEachInSet(const PointTables& points, Mode mode,
                             const std::function<bool(int position)>& chosen,
                             const std::function<void(int position)>& visit);
    // Sets the device's clock after its configuration; false when the user aborted.
    bool writeTimeSet(const Target& target, const QString& text);
    void logWritten(const Target& target, int position, Mode mode, const QString& readBack);
    void logHeader();
    void logSkipped(const Target& target, const QString& what);
    QString ownText(const char* englishText, const char* germanText) const;
    bool english() const;

    PointTables& m_points;
    const MessageCatalogue& m_catalogue;
    Log& m_log;
    const std::shared_ptr<const lns::System> m_system;
    StepRunner m_steps;
    bool m_headerLogged = false;
    bool m_elementReadBack = false;
};
