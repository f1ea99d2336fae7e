// A second process for the channel tests: writes the CPs of a device's blocks as one set, again
// and again, through its own object server. Usage:
//   channel-load NETWORK SUBSYSTEM DEVICE COUNT START
// START is the CLOCK_MONOTONIC time (ns) to begin at, so that several loads begin together.
// Prints the times it began and ended; exits 1 when a set fails.
#include "host/LonWorksHome.h"
#include "host/object_server/DeviceInterface.h"
#include "host/object_server/Error.h"
#include "host/object_server/ObjectServer.h"
#include "lns/PlatformAdmin.h"
#include "lns/SimObjectServer.h"
#include "lns/channel/ChannelBoard.h"
#include "registry/SqliteRegistryStore.h"

#include <QCoreApplication>
#include <iostream>

namespace {

QList<lns::CpSetValue> blockProperties(const QString& network, const QString& path, lns::AppDevice& device)
{
    const lnssim::PlatformAdmin admin(lonworks_home::path());
    QList<lns::CpSetValue> set;
    const auto blocks = device.deviceInterface()->functionalBlocks();
    for (int block = 1; block <= blocks->count(); ++block) {
        const auto properties = blocks->item(block)->configProperties();
        for (int position = 1; position <= properties->count(); ++position) {
            const auto property = properties->item(position);
            lns::CpSetValue value;
            value.id = QStringLiteral("F:%1/C:%2:%3")
                           .arg(block - 1)
                           .arg(property->typeScope())
                           .arg(property->typeIndex());
            for (int element = 0; element < property->elementCount(); ++element)
                value.elements.append(admin.get(network, path, value.id, element));
            set.append(value);
        }
    }
    return set;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments().mid(1);
    if (arguments.size() != 5) {
        std::cerr << "Usage: channel-load NETWORK SUBSYSTEM DEVICE COUNT START\n";
        return 2;
    }
    try {
        SqliteRegistryStore registry(lonworks_home::registryFile());
        const auto server = lnssim::createObjectServer(lonworks_home::path(), registry);
        server->open();
        const auto network = server->networks()->item(arguments[0]);
        network->open();
        const auto system = network->systems()->item(1);
        system->open();
        const auto device =
            system->subsystems()->item(arguments[1])->applicationDevices()->item(arguments[2]);
        const QList<lns::CpSetValue> set =
            blockProperties(arguments[0], arguments[1] + QLatin1Char('/') + arguments[2], *device);

        lnssim::ChannelBoard::sleepUntil(arguments[4].toLongLong());
        const qint64 began = lnssim::ChannelBoard::now();
        for (int i = arguments[3].toInt(); i > 0; --i)
            device->writeConfigProperties(set);
        std::cout << began << ' ' << lnssim::ChannelBoard::now() << '\n';
        return 0;
    } catch (const lns::Error& error) {
        std::cerr << error.description().toStdString() << '\n';
        return 1;
    }
}
