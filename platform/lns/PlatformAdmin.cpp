#include "lns/PlatformAdmin.h"

#include "host/RegistryKeys.h"
#include "host/object_server/Error.h"
#include "lns/admin/CpAddress.h"
#include "lns/admin/DataInstaller.h"
#include "lns/admin/DemoNetwork.h"
#include "lns/channel/ChannelBoard.h"
#include "lns/channel/ChannelTiming.h"
#include "lns/db/ChannelStore.h"
#include "lns/db/DeviceStore.h"
#include "lns/db/FaultStore.h"
#include "lns/db/NetworkDatabase.h"
#include "lns/db/SqliteTransaction.h"
#include "lns/db/TemplateStore.h"
#include "lns/db/TopologyStore.h"
#include "lns/device/DeviceValues.h"
#include "lns/device/InterfaceCache.h"
#include "lns/xif/TemplateImporter.h"
#include "lns/xif/XifReader.h"
#include "registry/SqliteRegistryStore.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QLocale>

namespace lnssim {

namespace {

constexpr int TemplateKind = 1;
constexpr int HighestState = 255;
constexpr int LongestTransactionMs = 60000;

[[noreturn]] void badArgument(const QString& description)
{
    throw lns::Error(lns::errors::BadArgument, description);
}

void requireName(const QString& name, const char* what)
{
    if (name.trimmed().isEmpty())
        badArgument(QStringLiteral("The %1 name is empty").arg(QLatin1String(what)));
    // Object names of the director separate subsystem and device by "/".
    if (name.contains(QLatin1Char('/')))
        badArgument(QStringLiteral("The %1 name \"%2\" contains \"/\"").arg(QLatin1String(what), name));
}

DeviceOperation deviceOperation(PlatformAdmin::Operation operation)
{
    switch (operation) {
    case PlatformAdmin::Operation::NvRead:
        return DeviceOperation::NvRead;
    case PlatformAdmin::Operation::NvWrite:
        return DeviceOperation::NvWrite;
    case PlatformAdmin::Operation::CpRead:
        return DeviceOperation::CpRead;
    case PlatformAdmin::Operation::CpWrite:
        return DeviceOperation::CpWrite;
    case PlatformAdmin::Operation::Poll:
        return DeviceOperation::Poll;
    case PlatformAdmin::Operation::StateQuery:
        return DeviceOperation::StateQuery;
    case PlatformAdmin::Operation::Any:
        break;
    }
    return DeviceOperation::Any;
}

} // namespace

// The admin's connections are opened when first needed, so that init can create the home.
class PlatformAdmin::Impl
{
public:
    explicit Impl(const QString& lonWorksHome) : home(QDir(lonWorksHome).absolutePath()) {}

    SqliteConnection& db()
    {
        if (!database)
            database = std::make_unique<NetworkDatabase>(home);
        return database->connection();
    }

    ChannelBoard& board()
    {
        if (!channelBoard)
            channelBoard = std::make_unique<ChannelBoard>(home);
        return *channelBoard;
    }

    ChannelRow channel(const NamedRow& network, const QString& name)
    {
        const auto found = ChannelStore(db()).find(network.id, name);
        if (!found)
            throw lns::Error(
                lns::errors::NotFound,
                QStringLiteral("No channel named \"%1\" in network \"%2\"").arg(name, network.name));
        return *found;
    }

    SqliteRegistryStore& registry()
    {
        if (!registryStore)
            registryStore =
                std::make_unique<SqliteRegistryStore>(QDir(home).filePath(QStringLiteral("registry.sqlite")));
        return *registryStore;
    }

    void writeRegistry(RegistryStore::Hive hive, const QString& key, const QString& name,
                       const QString& value)
    {
        if (!registry().writeValue(hive, key, name, value))
            throw lns::Error(lns::errors::Database,
                             QStringLiteral("The registry value \"%1\" of %2 cannot be written: %3")
                                 .arg(name, key, registry().lastError()));
    }

    QString decimalSeparator()
    {
        const QString separator = registry()
                                      .readValue(RegistryStore::Hive::CurrentUser,
                                                 registry_keys::InternationalKey, registry_keys::DecimalValue)
                                      .value_or(QString());
        return separator.isEmpty() ? QStringLiteral(",") : separator;
    }

    bool initialised()
    {
        return registry().readValue(RegistryStore::Hive::LocalMachine, registry_keys::LonWorksKey,
                                    registry_keys::LonWorksPathValue) &&
               QDir(home).exists(QStringLiteral("Types/User/Korvandel"));
    }

    // Looking something up never creates the network database.
    bool databaseExists() const { return QFileInfo::exists(NetworkDatabase::filePath(home)); }

    NamedRow network(const QString& name)
    {
        const auto found = databaseExists() ? TopologyStore(db()).findNetwork(name) : std::nullopt;
        if (!found)
            throw lns::Error(
                lns::errors::NotFound,
                QStringLiteral("No network named \"%1\" in %2").arg(name, NetworkDatabase::filePath(home)));
        return *found;
    }

    NamedRow systemOf(const QString& networkName)
    {
        const NamedRow row = network(networkName);
        const auto system = TopologyStore(db()).systemAt(row.id, 1);
        if (!system)
            throw lns::Error(lns::errors::NotFound,
                             QStringLiteral("The network \"%1\" has no system").arg(row.name));
        return *system;
    }

    SubsystemRow subsystem(const NamedRow& system, const QString& name)
    {
        const auto found = TopologyStore(db()).findSubsystem(system.id, name);
        if (!found)
            throw lns::Error(
                lns::errors::NotFound,
                QStringLiteral("No subsystem named \"%1\" in network \"%2\"").arg(name, system.name));
        return *found;
    }

    DeviceRecord device(const QString& networkName, const QString& devicePath)
    {
        const qsizetype slash = devicePath.lastIndexOf(QLatin1Char('/'));
        if (slash <= 0 || slash == devicePath.size() - 1)
            badArgument(
                QStringLiteral("\"%1\" does not name a device as SUBSYSTEM/DEVICE, for example F1/ROU_1")
                    .arg(devicePath));
        const NamedRow system = systemOf(networkName);
        const SubsystemRow sub = subsystem(system, devicePath.left(slash));
        const QString name = devicePath.mid(slash + 1);
        DeviceStore devices(db());
        const auto id = devices.findInSubsystem(sub.id, name);
        if (!id)
            throw lns::Error(
                lns::errors::NotFound,
                QStringLiteral("No device named \"%1\" in subsystem \"%2\"").arg(name, sub.name));
        return *devices.record(*id);
    }

    std::shared_ptr<const InterfaceDefinition> interfaceOf(const DeviceRecord& device)
    {
        return interfaces.definition(db(), device.templateId, device.interfaceRevision);
    }

    qint64 templateFor(const NamedRow& system, const QString& templateName, const QString& programId)
    {
        TemplateStore templates(db());
        if (!templateName.isEmpty()) {
            const auto found = templates.find(system.id, templateName);
            if (!found)
                throw lns::Error(lns::errors::NotFound,
                                 QStringLiteral("No device template named \"%1\" in network "
                                                "\"%2\"")
                                     .arg(templateName, system.name));
            if (found->programId.isEmpty())
                badArgument(
                    QStringLiteral("The device template \"%1\" has no interface yet; import an interface "
                                   "file into it first")
                        .arg(found->name));
            return found->id;
        }
        if (const auto found = templates.findByProgramId(system.id, programId))
            return found->id;
        return templateFromImportFolder(system, programId);
    }

    // A program ID without a template: the interface file that declares it under Import/
    // gives the template, named as the file says.
    qint64 templateFromImportFolder(const NamedRow& system, const QString& programId)
    {
        const QString folder = QDir(home).filePath(QStringLiteral("Import"));
        QDirIterator files(folder, {QStringLiteral("*.xif")}, QDir::Files, QDirIterator::Subdirectories);
        while (files.hasNext()) {
            const QString path = files.next();
            InterfaceDefinition definition;
            try {
                definition = xif_reader::parse(xif_reader::readFile(path), path);
            } catch (const lns::Error&) {
                // Another file may declare the program ID; a broken one is reported when imported.
                continue;
            }
            if (definition.programId.compare(programId, Qt::CaseInsensitive) != 0)
                continue;
            TemplateStore templates(db());
            const QString base =
                definition.templateName.isEmpty() ? definition.programId : definition.templateName;
            QString name = base;
            for (int i = 1; templates.find(system.id, name); ++i)
                name = QStringLiteral("%1 (%2)").arg(base).arg(i);
            const qint64 templateId = templates.add(system.id, name, TemplateKind);
            TemplateImporter(db()).importFile(templateId, path);
            return templateId;
        }
        throw lns::Error(
            lns::errors::NotFound,
            QStringLiteral("No device template for program ID %1 in network \"%2\", and no device "
                           "interface file in %3 declares it")
                .arg(programId, system.name, folder));
    }

    struct Point
    {
        const NvDefinition* nv = nullptr;
        const CpDefinition* cp = nullptr;
    };

    Point point(const InterfaceDefinition& definition, const DeviceRecord& device, const QString& text)
    {
        if (const auto address = CpAddress::parse(text)) {
            const CpDefinition* cp = definition.findCp(address->ownerKind, address->ownerIndex,
                                                       address->scope, address->typeIndex);
            if (!cp)
                throw lns::Error(
                    lns::errors::NotFound,
                    QStringLiteral("%1 has no configuration property %2").arg(device.name, text));
            return {nullptr, cp};
        }
        const NvDefinition* nv = definition.findNv(text);
        if (!nv)
            throw lns::Error(
                lns::errors::NotFound,
                QStringLiteral("%1 has no network variable named \"%2\" (a configuration property is "
                               "given as F:b/C:s:i, N:n/C:s:i or C:s:i)")
                    .arg(device.name, text));
        return {nv, nullptr};
    }

    int element(const Point& target, std::optional<int> element, const DeviceRecord& device)
    {
        if (target.nv) {
            if (element)
                badArgument(QStringLiteral("%1 of %2 is a network variable and has no elements")
                                .arg(target.nv->name, device.name));
            return 0;
        }
        const int chosen = element.value_or(0);
        if (chosen < 0 || chosen >= target.cp->elements())
            badArgument(QStringLiteral("%1 of %2 has %3 element(s), numbered from 0; there is no element %4")
                            .arg(target.cp->name, device.name)
                            .arg(target.cp->elements())
                            .arg(chosen));
        return chosen;
    }

    QString home;
    std::unique_ptr<NetworkDatabase> database;
    std::unique_ptr<ChannelBoard> channelBoard;
    std::unique_ptr<SqliteRegistryStore> registryStore;
    InterfaceCache interfaces;
};

PlatformAdmin::PlatformAdmin(const QString& lonWorksHome) : m_impl(std::make_unique<Impl>(lonWorksHome)) {}

PlatformAdmin::~PlatformAdmin() = default;

void PlatformAdmin::init(const QString& decimalSeparator)
{
    if (!QDir().mkpath(m_impl->home))
        throw lns::Error(lns::errors::Database,
                         QStringLiteral("The LonWorks home %1 cannot be created").arg(m_impl->home));
    // A registry store opened before the home existed could not create its file.
    m_impl->registryStore.reset();
    DataInstaller(m_impl->home).install();
    m_impl->writeRegistry(RegistryStore::Hive::LocalMachine, registry_keys::LonWorksKey,
                          registry_keys::LonWorksPathValue, QDir::toNativeSeparators(m_impl->home));
    const QString separator =
        decimalSeparator.isEmpty() ? QString(QLocale::system().decimalPoint()) : decimalSeparator;
    m_impl->writeRegistry(RegistryStore::Hive::CurrentUser, registry_keys::InternationalKey,
                          registry_keys::DecimalValue, separator);
    TopologyStore topology(m_impl->db());
    topology.ensureInterface(QStringLiteral("LON1"));
    topology.ensureInterface(QStringLiteral("Internet"));
}

void PlatformAdmin::createDemo()
{
    if (!m_impl->initialised())
        init();
    DemoNetwork(*this, m_impl->home).build();
}

void PlatformAdmin::addNetwork(const QString& network)
{
    requireName(network, "network");
    TopologyStore topology(m_impl->db());
    if (topology.findNetwork(network))
        throw lns::Error(lns::errors::AlreadyExists,
                         QStringLiteral("A network named \"%1\" already exists").arg(network));
    topology.addNetwork(network);
}

void PlatformAdmin::removeNetwork(const QString& network)
{
    const qint64 networkId = m_impl->network(network).id;
    const QList<ChannelRow> channels = ChannelStore(m_impl->db()).ofNetwork(networkId);
    TopologyStore(m_impl->db()).removeNetwork(networkId);
    // A channel added later in the same slot starts from zero.
    for (const ChannelRow& channel : channels)
        m_impl->board().clear(channel.slot);
}

void PlatformAdmin::addSubsystem(const QString& network, const QString& subsystem, const QString& path)
{
    requireName(subsystem, "subsystem");
    const NamedRow system = m_impl->systemOf(network);
    TopologyStore topology(m_impl->db());
    if (topology.findSubsystem(system.id, subsystem))
        throw lns::Error(lns::errors::AlreadyExists,
                         QStringLiteral("A subsystem named \"%1\" already exists in network \"%2\"")
                             .arg(subsystem, system.name));
    topology.addSubsystem(system.id, subsystem, path.isEmpty() ? subsystem : path);
}

void PlatformAdmin::addChannel(const QString& network, const QString& channel, ChannelType type)
{
    requireName(channel, "channel");
    const NamedRow row = m_impl->network(network);
    ChannelStore channels(m_impl->db());
    if (channels.find(row.id, channel))
        throw lns::Error(
            lns::errors::AlreadyExists,
            QStringLiteral("A channel named \"%1\" already exists in network \"%2\"").arg(channel, row.name));
    channels.add(row.id, channel, type);
}

QString PlatformAdmin::addDevice(const QString& network, const QString& subsystem, const QString& device,
                                 const QString& templateName, const QString& programId, int state,
                                 bool commissioned, const QString& channel)
{
    requireName(device, "device");
    if (templateName.isEmpty() == programId.isEmpty())
        badArgument(
            QStringLiteral("Give the device \"%1\" either a template name or a program ID").arg(device));
    if (state < 0 || state > HighestState)
        badArgument(QStringLiteral("The device state %1 is not a number from 0 to 255").arg(state));
    const NamedRow networkRow = m_impl->network(network);
    const NamedRow system = m_impl->systemOf(network);
    const SubsystemRow sub = m_impl->subsystem(system, subsystem);
    const std::optional<ChannelRow> chosen =
        channel.isEmpty() ? std::nullopt : std::optional(m_impl->channel(networkRow, channel));
    SqliteTransaction transaction(m_impl->db());
    DeviceStore devices(m_impl->db());
    if (devices.findInSubsystem(sub.id, device))
        throw lns::Error(
            lns::errors::AlreadyExists,
            QStringLiteral("A device named \"%1\" already exists in subsystem \"%2\"").arg(device, sub.name));
    const qint64 templateId = m_impl->templateFor(system, templateName, programId);
    const qint64 channelId =
        chosen ? chosen->id : ChannelStore(m_impl->db()).defaultChannel(networkRow.id).id;
    const qint64 deviceId =
        devices.add(system.id, sub.id, templateId, channelId, device, state, commissioned);
    transaction.commit();
    return devices.record(deviceId)->neuronId;
}

void PlatformAdmin::moveDevice(const QString& network, const QString& devicePath, const QString& channel)
{
    const DeviceRecord device = m_impl->device(network, devicePath);
    ChannelStore(m_impl->db()).moveDevice(device.id, m_impl->channel(m_impl->network(network), channel).id);
}

void PlatformAdmin::removeDevice(const QString& network, const QString& devicePath)
{
    DeviceStore(m_impl->db()).remove(m_impl->device(network, devicePath).id);
}

QList<PlatformAdmin::Channel> PlatformAdmin::channels(const QString& network) const
{
    const NamedRow row = m_impl->network(network);
    const qint64 latency = ChannelTiming::latencyFor(TopologyStore(m_impl->db()).transactionTime(row.id));
    QList<Channel> channels;
    for (const ChannelRow& channel : ChannelStore(m_impl->db()).ofNetwork(row.id))
        channels.append(
            {channel.name, channel.type, channel.devices, m_impl->board().counters(channel.slot), latency});
    return channels;
}

void PlatformAdmin::importTemplate(const QString& network, const QString& templateName,
                                   const QString& xifPath)
{
    if (templateName.trimmed().isEmpty())
        badArgument(QStringLiteral("The device template name is empty"));
    const NamedRow system = m_impl->systemOf(network);
    SqliteTransaction transaction(m_impl->db());
    TemplateStore templates(m_impl->db());
    const auto existing = templates.find(system.id, templateName);
    const qint64 templateId = existing ? existing->id : templates.add(system.id, templateName, TemplateKind);
    TemplateImporter(m_impl->db()).importFile(templateId, xifPath);
    transaction.commit();
}

QStringList PlatformAdmin::devices(const QString& network) const
{
    // The network first: a network that does not exist creates no database.
    const qint64 system = m_impl->systemOf(network).id;
    return DeviceStore(m_impl->db()).listing(system);
}

QStringList PlatformAdmin::devicePaths(const QString& network) const
{
    const qint64 system = m_impl->systemOf(network).id;
    return DeviceStore(m_impl->db()).paths(system);
}

QStringList PlatformAdmin::networks() const
{
    QStringList names;
    if (!m_impl->databaseExists())
        return names;
    TopologyStore topology(m_impl->db());
    for (int position = 1; position <= topology.networkCount(); ++position)
        names.append(topology.networkAt(position)->name);
    return names;
}

QString PlatformAdmin::get(const QString& network, const QString& devicePath, const QString& point,
                           std::optional<int> element) const
{
    const DeviceRecord device = m_impl->device(network, devicePath);
    const auto definition = m_impl->interfaceOf(device);
    const Impl::Point target = m_impl->point(*definition, device, point);
    const int chosen = m_impl->element(target, element, device);
    DeviceValues values(m_impl->db());
    if (target.nv)
        return value_codec::format(target.nv->type, values.nv(device, *definition, *target.nv),
                                   m_impl->decimalSeparator());
    return value_codec::format(target.cp->type, values.cp(device.id, *target.cp, chosen),
                               m_impl->decimalSeparator());
}

void PlatformAdmin::set(const QString& network, const QString& devicePath, const QString& point,
                        const QString& text, std::optional<int> element)
{
    const DeviceRecord device = m_impl->device(network, devicePath);
    const auto definition = m_impl->interfaceOf(device);
    const Impl::Point target = m_impl->point(*definition, device, point);
    const int chosen = m_impl->element(target, element, device);
    DeviceValues values(m_impl->db());
    if (target.nv) {
        if (DeviceValues::isComputed(*target.nv))
            badArgument(
                QStringLiteral("%1 of %2 is computed by the device from its inputs and set point; set "
                               "those instead")
                    .arg(target.nv->name, device.name));
        values.setNv(device.id, *target.nv,
                     value_codec::parse(target.nv->type, text, m_impl->decimalSeparator()));
        return;
    }
    values.setCp(device.id, *target.cp, chosen,
                 value_codec::parse(target.cp->type, text, m_impl->decimalSeparator()));
}

void PlatformAdmin::setState(const QString& network, const QString& devicePath, int state,
                             std::optional<bool> commissioned)
{
    if (state < 0 || state > HighestState)
        badArgument(QStringLiteral("The device state %1 is not a number from 0 to 255").arg(state));
    const DeviceRecord device = m_impl->device(network, devicePath);
    SqliteTransaction transaction(m_impl->db());
    DeviceStore devices(m_impl->db());
    devices.setState(device.id, state);
    if (commissioned)
        devices.setCommissioned(device.id, *commissioned);
    transaction.commit();
}

void PlatformAdmin::setTestFlag(const QString& network, const QString& devicePath, bool testFlag)
{
    DeviceStore(m_impl->db()).setTestFlag(m_impl->device(network, devicePath).id, testFlag);
}

void PlatformAdmin::setSystemMode(const QString& network, int mode)
{
    TopologyStore(m_impl->db()).setSystemMode(m_impl->systemOf(network).id, mode);
}

void PlatformAdmin::setUnreachable(const QString& network, const QString& devicePath, bool unreachable)
{
    DeviceStore(m_impl->db()).setUnreachable(m_impl->device(network, devicePath).id, unreachable);
}

void PlatformAdmin::failNext(const QString& network, const QString& devicePath, Operation operation,
                             int count)
{
    if (count < 0)
        badArgument(QStringLiteral("The number of operations to fail cannot be negative (%1)").arg(count));
    FaultStore(m_impl->db())
        .setFailNext(m_impl->device(network, devicePath).id, deviceOperation(operation), count);
}

void PlatformAdmin::setFailureRate(const QString& network, const QString& devicePath, double rate)
{
    if (!(rate >= 0.0 && rate <= 1.0))
        badArgument(QStringLiteral("The failure rate %1 is not a number from 0 to 1").arg(rate));
    DeviceStore(m_impl->db()).setFailureRate(m_impl->device(network, devicePath).id, rate);
}

void PlatformAdmin::clearFaults(const QString& network, const QString& devicePath)
{
    FaultStore(m_impl->db()).clear(m_impl->device(network, devicePath).id);
}

void PlatformAdmin::setTransactionTime(const QString& network, int milliseconds)
{
    if (milliseconds < 0 || milliseconds > LongestTransactionMs)
        badArgument(
            QStringLiteral("The transaction time %1 ms is not a number from 0 to 60000").arg(milliseconds));
    TopologyStore(m_impl->db()).setTransactionTime(m_impl->network(network).id, milliseconds);
}

} // namespace lnssim
