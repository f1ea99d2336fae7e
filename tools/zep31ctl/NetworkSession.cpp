#include "NetworkSession.h"

#include "CommandFailure.h"
#include "device/BuildPointCatalogue.h"
#include "device/DeviceStateText.h"
#include "device/FrameworkSettings.h"
#include "files/DeviceParameters.h"
#include "host/CRegistry.h"
#include "host/LonWorksHome.h"
#include "host/StepRunner.h"
#include "host/catalogue/CatalogueTables.h"
#include "host/object_server/DeviceInterface.h"
#include "host/object_server/DeviceTemplate.h"
#include "host/object_server/Error.h"
#include "host/object_server/Subsystem.h"
#include "host/object_server/System.h"
#include "lns/SimObjectServer.h"
#include "transfer/DeviceTransfer.h"

namespace {

QString failureText(const lns::Error& error)
{
    return error.description().isEmpty() ? QStringLiteral("error %1").arg(error.number())
                                         : error.description();
}

// The item of that exact name, or none: the object server finds names regardless of case, a
// reference on the command line is matched as written.
template <typename T> std::shared_ptr<T> namedItem(const lns::Collection<T>& collection, const QString& name)
{
    std::shared_ptr<T> item;
    try {
        item = collection.item(name);
    } catch (const lns::Error& error) {
        if (error.number() != lns::errors::NotFound)
            throw;
        return nullptr;
    }
    return item && item->name() == name ? item : nullptr;
}

// The device of that name in one subsystem, as a list of none or one.
QList<NetworkSession::Device> namedDevices(const lns::Subsystem& subsystem, const QString& name)
{
    const std::shared_ptr<lns::AppDevice> device = namedItem(*subsystem.applicationDevices(), name);
    if (!device)
        return {};
    return {{device, subsystem.name()}};
}

} // namespace

NetworkSession::NetworkSession(const QString& network)
    : m_networkName(network), m_registry(lonworks_home::registryFile()), m_catalogue(m_registry)
{
    if (!m_registry.lastError().isEmpty())
        throw CommandFailure(m_registry.lastError());
    m_catalogue.LoadTexts(0);
    // Without a registered language the log and the report still need their words.
    if (m_catalogue.currentLanguage() != QLatin1String("english") &&
        m_catalogue.currentLanguage() != QLatin1String("german"))
        catalogue::fillMainTexts(m_catalogue.MainTexts, catalogue::Language::English);
    FrameworkSettings settings;
    settings.refreshIfStale(CRegistry(m_registry));
    m_decimalSeparator = settings.decimalSeparator;
    m_points.fillCpTable();

    m_server = lnssim::createObjectServer(lonworks_home::path(), m_registry);
    try {
        m_server->open();
        m_network = m_server->networks()->item(network);
    } catch (const lns::Error&) {
        throw CommandFailure(
            QStringLiteral("There is no network \"%1\" in %2.").arg(network, lonworks_home::path()));
    }
    try {
        m_network->open();
        m_system = m_network->systems()->item(1);
        m_system->open();
    } catch (const lns::Error& error) {
        throw CommandFailure(
            QStringLiteral("The network \"%1\" cannot be opened: %2").arg(network, failureText(error)));
    }
}

NetworkSession::~NetworkSession()
{
    try {
        if (m_system)
            m_system->close();
        if (m_network)
            m_network->close();
        m_server->close();
    } catch (const lns::Error&) {
        // Closing only releases the database; there is nothing left to save.
    }
}

NetworkSession::Device NetworkSession::device(const QString& reference) const
{
    const qsizetype slash = reference.lastIndexOf(QLatin1Char('/'));
    const QString name = slash < 0 ? reference : reference.mid(slash + 1);
    QList<Device> found;
    try {
        const std::shared_ptr<lns::Subsystems> subsystems = m_system->subsystems();
        // A path goes straight to its subsystem; only a bare name asks every subsystem, so naming
        // many devices does not list the whole network for each.
        if (slash >= 0) {
            if (const std::shared_ptr<lns::Subsystem> subsystem =
                    namedItem(*subsystems, reference.left(slash)))
                found = namedDevices(*subsystem, name);
        } else {
            for (int number = 1, count = subsystems->count(); number <= count; ++number)
                found.append(namedDevices(*subsystems->item(number), name));
        }
    } catch (const lns::Error& error) {
        throw CommandFailure(QStringLiteral("The devices cannot be listed: %1").arg(failureText(error)),
                             CommandFailure::Failed);
    }
    if (found.isEmpty())
        throw CommandFailure(QStringLiteral("There is no device \"%1\" in the network.").arg(reference));
    if (found.size() > 1)
        throw CommandFailure(
            QStringLiteral("Several subsystems hold a device \"%1\"; name it as SUBSYSTEM/%1.")
                .arg(reference));
    return found.front();
}

QList<NetworkSession::Device> NetworkSession::devices() const
{
    QList<Device> result;
    try {
        const std::shared_ptr<lns::Subsystems> subsystems = m_system->subsystems();
        // Each count is a query of the database: asked once per collection, not once per item.
        for (int number = 1, subsystemCount = subsystems->count(); number <= subsystemCount; ++number) {
            const std::shared_ptr<lns::Subsystem> subsystem = subsystems->item(number);
            const QString name = subsystem->name();
            const std::shared_ptr<lns::AppDevices> members = subsystem->applicationDevices();
            for (int item = 1, memberCount = members->count(); item <= memberCount; ++item)
                result.append({members->item(item), name});
        }
    } catch (const lns::Error& error) {
        throw CommandFailure(QStringLiteral("The devices cannot be listed: %1").arg(failureText(error)),
                             CommandFailure::Failed);
    }
    return result;
}

QList<NetworkSession::Device> NetworkSession::devicesOf(const QString& programId) const
{
    // The template lists each device once, however many subsystems show it.
    std::shared_ptr<lns::DeviceTemplate> deviceTemplate;
    try {
        deviceTemplate = m_system->deviceTemplates()->findByProgramId(programId);
    } catch (const lns::Error&) {
        throw CommandFailure(
            QStringLiteral("No device of the network has the program ID %1.").arg(programId));
    }
    QList<Device> result;
    try {
        const std::shared_ptr<lns::AppDevices> members = deviceTemplate->devices();
        for (int item = 1, count = members->count(); item <= count; ++item) {
            std::shared_ptr<lns::AppDevice> device = members->item(item);
            QString subsystem = device->subsystems()->item(1)->name();
            result.append({std::move(device), std::move(subsystem)});
        }
    } catch (const lns::Error& error) {
        throw CommandFailure(QStringLiteral("The devices cannot be listed: %1").arg(failureText(error)),
                             CommandFailure::Failed);
    }
    return result;
}

QString NetworkSession::stateText(const lns::AppDevice& device) const
{
    try {
        return device_state::query(m_system.get(), device);
    } catch (const lns::Error& error) {
        return QStringLiteral("unreachable (%1)").arg(failureText(error));
    }
}

const QString& NetworkSession::onlineText()
{
    return device_state::Online;
}

ParameterSet NetworkSession::read(const Device& device)
{
    BuildPointCatalogue(m_points, device.device.get(), online(*device.device));
    return readCps(device);
}

ParameterSet NetworkSession::readCps(const Device& device)
{
    const QString name = device.subsystem + QLatin1Char('/') + device.device->name();
    // The first failure that outlasts the transfer's retries ends the reading.
    QString error;
    StepRunner runner(
        [&error](const lns::Error& failure) {
            if (error.isEmpty())
                error = failureText(failure);
            return UiServices::Answer::Abort;
        },
        DeviceTransfer::Retries);
    std::shared_ptr<lns::NetworkVariables> nvs;
    // A device that does not answer is refused, not shown with the database's old values.
    runner.run([&] { device.device->state(); });
    runner.run([&] { nvs = device.device->deviceInterface()->networkVariables(); });
    std::optional<ParameterSet> set;
    if (!runner.aborted())
        set = readDeviceParameters(m_points, *device.device, nvs, runner);
    if (!set)
        throw CommandFailure(QStringLiteral("%1 could not be read: %2").arg(name, error),
                             CommandFailure::Failed);
    for (int position = 0; position < std::min<int>(m_points.cpCount, ParameterSet::Positions); ++position)
        m_points.cp(position).value = set->values.at(static_cast<std::size_t>(position)).value_or(QString());
    return *set;
}
