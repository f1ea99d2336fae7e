#pragma once

#include "lns/channel/ChannelCounters.h"
#include "lns/channel/ChannelType.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>

namespace lnssim {

// Administration of the simulated LonWorks platform, as an integrator's platform tool offers
// it (lns-netdb) and as tests set up their networks. Works directly on the LonWorks home;
// every failure throws lns::Error with a description that names what was wrong.
class PlatformAdmin final
{
public:
    enum class Operation
    {
        Any,
        NvRead,
        NvWrite,
        CpRead,
        CpWrite,
        Poll,
        StateQuery
    };

    // A channel and what it has carried since it was made, for listings, tests and benchmarks.
    struct Channel
    {
        QString name;
        ChannelType type = ChannelType::TpFt10;
        int devices = 0;
        ChannelCounters carried;
        // The network's latency per transaction.
        qint64 latencyNs = 0;

        // The least time its transactions take one after another: the packets' time on the
        // channel and a latency each. The busiest channel's floor is the floor of a run.
        qint64 floorNs() const { return carried.busyNs + carried.transactions * latencyNs; }
    };

    explicit PlatformAdmin(const QString& lonWorksHome);
    ~PlatformAdmin();
    PlatformAdmin(const PlatformAdmin&) = delete;
    PlatformAdmin& operator=(const PlatformAdmin&) = delete;

    // Folders, the plug-in's data files and the platform's registry values
    // ("LonWorks Path"; "sDecimal" from the locale unless given).
    void init(const QString& decimalSeparator = QString());
    // init if needed, then the network "Demo" with its subsystems and devices, rebuilt from
    // scratch when it exists (its values and faults are reset).
    void createDemo();

    void addNetwork(const QString& network);
    // Removes the network with everything in it.
    void removeNetwork(const QString& network);
    void addSubsystem(const QString& network, const QString& subsystem, const QString& path = QString());
    void addChannel(const QString& network, const QString& channel, ChannelType type = ChannelType::TpFt10);
    // Exactly one of templateName / programId is given. Without a channel the device goes on the
    // network's first one (a new TP/FT-10 channel "Channel 1" when it has none). Returns the
    // Neuron ID.
    QString addDevice(const QString& network, const QString& subsystem, const QString& device,
                      const QString& templateName, const QString& programId, int state = 4,
                      bool commissioned = true, const QString& channel = QString());
    void moveDevice(const QString& network, const QString& devicePath, const QString& channel);
    // Removes the device from the network with its values and faults, as a unit taken out of
    // service; a device added later under its name is another unit with another Neuron ID.
    void removeDevice(const QString& network, const QString& devicePath);
    // In the order they were added.
    QList<Channel> channels(const QString& network) const;
    // Creates the device template (kind 1) when missing and imports the interface file into it.
    void importTemplate(const QString& network, const QString& templateName, const QString& xifPath);
    // One line per device: "subsystem/name, program ID, state, commissioned, Neuron ID".
    QStringList devices(const QString& network) const;
    // "subsystem/name" of the same devices, one per entry.
    QStringList devicePaths(const QString& network) const;
    // The names of all networks; none when the home has no network database yet.
    QStringList networks() const;

    // POINT is an NV name ("nviSpaceTemp") or a CP identifier ("F:1/C:0:93", "N:47/C:0:52").
    // Values as the object server formats them with the user's decimal separator.
    QString get(const QString& network, const QString& devicePath, const QString& point,
                std::optional<int> element = std::nullopt) const;
    void set(const QString& network, const QString& devicePath, const QString& point, const QString& text,
             std::optional<int> element = std::nullopt);

    void setState(const QString& network, const QString& devicePath, int state,
                  std::optional<bool> commissioned = std::nullopt);
    // The flag that makes a client skip the state query.
    void setTestFlag(const QString& network, const QString& devicePath, bool testFlag);
    // 1 = off-net.
    void setSystemMode(const QString& network, int mode);
    // Faults of a device: unreachable; the next `count` operations of a kind fail; a failure rate 0..1.
    void setUnreachable(const QString& network, const QString& devicePath, bool unreachable);
    void failNext(const QString& network, const QString& devicePath, Operation operation, int count);
    void setFailureRate(const QString& network, const QString& devicePath, double rate);
    void clearFaults(const QString& network, const QString& devicePath);
    // The channel timing of a network: 0 makes its channels zero-time (they still count what
    // they carry); otherwise the latency per transaction is set so that an average NV read or
    // CP write on TP/FT-10 lasts that many milliseconds (11 is the calibrated model).
    void setTransactionTime(const QString& network, int milliseconds);

private:
    class Impl;
    std::unique_ptr<Impl> m_impl;
};

} // namespace lnssim
