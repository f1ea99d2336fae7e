#pragma once

#include "host/object_server/Collection.h"
#include "host/object_server/CpSetValue.h"

#include <QList>
#include <QString>
#include <memory>

namespace lns {

class DeviceInterface;
class Subsystem;

// An application device of a system.
class AppDevice
{
public:
    virtual ~AppDevice() = default;
    virtual QString name() const = 0;
    virtual QString neuronId() const = 0;
    // 2 unconfigured, 3 applicationless, 4 configured online, 6 configured offline,
    // 12 soft offline, 140 configured bypass; asking an unreachable device throws.
    virtual int state() const = 0;
    virtual bool commissioned() const = 0;
    // The flag that skips the state query.
    virtual bool testFlag() const = 0;
    virtual QString programId() const = 0;
    // The name of the channel the device is attached to; empty when it is on none. Devices of
    // different channels can be talked to at the same time.
    virtual QString channel() const = 0;
    virtual std::shared_ptr<DeviceInterface> deviceInterface() const = 0;
    virtual std::shared_ptr<Collection<Subsystem>> subsystems() const = 0;

    // Writes a set of CP values to the device in one operation, as a network OS downloads a
    // configuration: every value is checked first, then the set travels as a few memory writes
    // of up to the device's buffer size (an array as one value) and is read back. A value its
    // type cannot take fails the whole set with that CP's error (the description names the CP),
    // an unknown or repeated CP or a wrong number of elements with BadArgument or NotFound; a
    // device that does not answer or an injected fault fails the set as one call. The device
    // takes a set wholly or not at all. Returns, per CP in the order given, the value read back.
    virtual QList<CpSetValue> writeConfigProperties(const QList<CpSetValue>& values) = 0;

    // The least time in nanoseconds that a call takes on the device's channel when nothing else
    // uses it: its packets and latencies, by the channel's timing. They send nothing and check no
    // value, so a transfer can say beforehand how long it will take. A device that is not online
    // takes a set into the network database only, which costs no channel time.
    virtual qint64 stateQueryFloorNs() const = 0;
    virtual qint64 configPropertiesWriteFloorNs(const QList<CpSetValue>& values) const = 0;
};

using AppDevices = Collection<AppDevice>;

} // namespace lns
