#include "NetdbTool.h"

#include "CommandArguments.h"
#include "UsageError.h"
#include "host/LonWorksHome.h"
#include "host/PlugInIdentity.h"
#include "host/object_server/Error.h"
#include "lns/PlatformAdmin.h"
#include "registry/SqliteRegistryStore.h"

#include <functional>
#include <map>

namespace {

constexpr int Done = 0;
constexpr int Failed = 1;
constexpr int BadUsage = 2;

const QString ElementOption = QStringLiteral("--element");
const QString CommissionedOption = QStringLiteral("--commissioned");
const QString ChannelOption = QStringLiteral("--channel");

std::optional<int> element(const CommandArguments& arguments)
{
    const auto text = arguments.option(ElementOption);
    if (!text)
        return std::nullopt;
    return CommandArguments::integer(*text, QStringLiteral("element"));
}

std::optional<bool> yesNoOption(const CommandArguments& arguments, const QString& name, const QString& what)
{
    const auto text = arguments.option(name);
    if (!text)
        return std::nullopt;
    return CommandArguments::yesNo(*text, what);
}

lnssim::PlatformAdmin::Operation operation(const QString& name)
{
    using Operation = lnssim::PlatformAdmin::Operation;
    static const std::map<QString, Operation> kinds{
        {QStringLiteral("any"), Operation::Any},
        {QStringLiteral("nvread"), Operation::NvRead},
        {QStringLiteral("nvwrite"), Operation::NvWrite},
        {QStringLiteral("cpread"), Operation::CpRead},
        {QStringLiteral("cpwrite"), Operation::CpWrite},
        {QStringLiteral("poll"), Operation::Poll},
        {QStringLiteral("statequery"), Operation::StateQuery},
    };
    const auto found = kinds.find(name.toLower());
    if (found == kinds.end())
        throw UsageError(
            QStringLiteral("\"%1\" is not an operation kind (Any, NvRead, NvWrite, CpRead, CpWrite, "
                           "Poll, StateQuery)")
                .arg(name));
    return found->second;
}

RegistryStore::Hive hive(const QString& name)
{
    const QString upper = name.toUpper();
    if (upper == QLatin1String("HKLM") || upper == QLatin1String("HKEY_LOCAL_MACHINE"))
        return RegistryStore::Hive::LocalMachine;
    if (upper == QLatin1String("HKCU") || upper == QLatin1String("HKEY_CURRENT_USER"))
        return RegistryStore::Hive::CurrentUser;
    throw UsageError(QStringLiteral("\"%1\" is not a hive (HKLM or HKCU)").arg(name));
}

[[noreturn]] void registryFailure(const RegistryStore& store, const QString& what)
{
    throw lns::Error(lns::errors::Database, QStringLiteral("%1: %2").arg(what, store.lastError()));
}

// Deletes a key with all its subkeys, deepest first.
bool deleteTree(RegistryStore& store, RegistryStore::Hive hive, const QString& key)
{
    for (const QString& subkey : store.subkeys(hive, key)) {
        if (!deleteTree(store, hive, key + QLatin1Char('\\') + subkey))
            return false;
    }
    return store.deleteKey(hive, key);
}

} // namespace

int NetdbTool::run(const QStringList& arguments)
{
    if (arguments.isEmpty()) {
        m_err << usage();
        return BadUsage;
    }
    const QString& command = arguments.first();
    if (command == QLatin1String("-h") || command == QLatin1String("--help") ||
        command == QLatin1String("help")) {
        m_out << usage();
        return Done;
    }
    if (command == QLatin1String("--version")) {
        m_out << plugin_identity::versionLine(QStringLiteral("lns-netdb")) << '\n';
        return Done;
    }
    try {
        dispatch(command, arguments.mid(1));
        return Done;
    } catch (const UsageError& error) {
        m_err << "lns-netdb " << command << ": " << error.message() << "\n\n" << usage();
        return BadUsage;
    } catch (const lns::Error& error) {
        m_err << "lns-netdb " << command << ": " << error.description() << " (error " << error.number()
              << ")\n";
        return Failed;
    }
}

QString NetdbTool::usage() const
{
    return QStringLiteral(
               "Usage: lns-netdb COMMAND [ARGUMENTS]\n"
               "       lns-netdb --help | --version\n"
               "Creates and inspects the simulated LonWorks platform in the LonWorks home\n"
               "($LONWORKS_HOME, now %1).\n"
               "\n"
               "Commands:\n"
               "  init [--decimal-separator SEP]\n"
               "  demo\n"
               "  add-network NETWORK\n"
               "  remove-network NETWORK\n"
               "  add-subsystem NETWORK SUBSYSTEM [--path PATH]\n"
               "  import-template NETWORK TEMPLATE XIF-FILE\n"
               "  add-channel NETWORK CHANNEL [--type tp-ft-10|ip-852]\n"
               "  add-device NETWORK SUBSYSTEM DEVICE (--template NAME | --program-id ID)\n"
               "             [--state N] [--commissioned yes|no] [--channel CHANNEL]\n"
               "  move-device NETWORK SUBSYSTEM/DEVICE CHANNEL\n"
               "  remove-device NETWORK SUBSYSTEM/DEVICE\n"
               "  networks\n"
               "  devices NETWORK [--names]\n"
               "  channels NETWORK\n"
               "  get NETWORK SUBSYSTEM/DEVICE POINT [--element K]\n"
               "  set NETWORK SUBSYSTEM/DEVICE POINT TEXT [--element K]\n"
               "  state NETWORK SUBSYSTEM/DEVICE STATE [--commissioned yes|no] [--test yes|no]\n"
               "  mode NETWORK MODE\n"
               "  fault NETWORK SUBSYSTEM/DEVICE (--offline yes|no | --fail-next KIND N | --rate R | "
               "--clear)\n"
               "  timing NETWORK --transaction-ms N\n"
               "  reg query HIVE KEY [NAME]\n"
               "  reg set HIVE KEY NAME VALUE\n"
               "  reg delete HIVE KEY [NAME]\n"
               "\n"
               "POINT is an NV name (nviSpaceTemp) or a CP identifier (F:1/C:0:93, N:47/C:0:52).\n"
               "Values are written and shown with the decimal separator of the registry (sDecimal).\n"
               "KIND is Any, NvRead, NvWrite, CpRead, CpWrite, Poll or StateQuery; R is from 0 to 1.\n"
               "A device added without --channel goes on the network's first channel.\n"
               "timing: 0 ms makes every channel of the network take no time; N ms sets the latency\n"
               "of a transaction so that an average NV read or CP write on TP/FT-10 takes N ms\n"
               "(11 is the calibrated model; packets take their bytes at the channel's bit rate).\n"
               "HIVE is HKLM or HKCU; an empty NAME is the key's default value.\n"
               "networks and devices --names list one name per line, for scripts.\n"
               "\"--\" ends the options, for a TEXT that begins with \"--\".\n")
        .arg(lonworks_home::path());
}

void NetdbTool::dispatch(const QString& command, const QStringList& words)
{
    static const std::map<QString, void (NetdbTool::*)(const QStringList&)> commands{
        {QStringLiteral("init"), &NetdbTool::init},
        {QStringLiteral("demo"), &NetdbTool::demo},
        {QStringLiteral("add-network"), &NetdbTool::addNetwork},
        {QStringLiteral("remove-network"), &NetdbTool::removeNetwork},
        {QStringLiteral("add-subsystem"), &NetdbTool::addSubsystem},
        {QStringLiteral("import-template"), &NetdbTool::importTemplate},
        {QStringLiteral("add-channel"), &NetdbTool::addChannel},
        {QStringLiteral("add-device"), &NetdbTool::addDevice},
        {QStringLiteral("move-device"), &NetdbTool::moveDevice},
        {QStringLiteral("remove-device"), &NetdbTool::removeDevice},
        {QStringLiteral("devices"), &NetdbTool::devices},
        {QStringLiteral("channels"), &NetdbTool::channels},
        {QStringLiteral("networks"), &NetdbTool::networks},
        {QStringLiteral("get"), &NetdbTool::get},
        {QStringLiteral("set"), &NetdbTool::set},
        {QStringLiteral("state"), &NetdbTool::state},
        {QStringLiteral("mode"), &NetdbTool::mode},
        {QStringLiteral("fault"), &NetdbTool::fault},
        {QStringLiteral("timing"), &NetdbTool::timing},
        {QStringLiteral("reg"), &NetdbTool::reg},
    };
    const auto found = commands.find(command);
    if (found == commands.end())
        throw UsageError(QStringLiteral("Unknown command"));
    std::invoke(found->second, this, words);
}

void NetdbTool::init(const QStringList& words)
{
    const CommandArguments arguments(words, {QStringLiteral("--decimal-separator")});
    arguments.requirePositional(0, 0);
    const QString separator = arguments.option(QStringLiteral("--decimal-separator")).value_or(QString());
    if (arguments.option(QStringLiteral("--decimal-separator")) && separator.size() != 1)
        throw UsageError(QStringLiteral("The decimal separator is one character, for example , or ."));
    admin().init(separator);
    m_out << "Initialised the LonWorks home " << lonworks_home::path() << '\n';
}

void NetdbTool::demo(const QStringList& words)
{
    CommandArguments(words, {}).requirePositional(0, 0);
    admin().createDemo();
    m_out << "Created the network \"Demo\" in " << lonworks_home::path() << '\n';
}

void NetdbTool::addNetwork(const QStringList& words)
{
    const CommandArguments arguments(words, {});
    arguments.requirePositional(1, 1);
    admin().addNetwork(arguments.at(0));
}

void NetdbTool::removeNetwork(const QStringList& words)
{
    const CommandArguments arguments(words, {});
    arguments.requirePositional(1, 1);
    admin().removeNetwork(arguments.at(0));
}

void NetdbTool::addSubsystem(const QStringList& words)
{
    const CommandArguments arguments(words, {QStringLiteral("--path")});
    arguments.requirePositional(2, 2);
    admin().addSubsystem(arguments.at(0), arguments.at(1),
                         arguments.option(QStringLiteral("--path")).value_or(QString()));
}

void NetdbTool::importTemplate(const QStringList& words)
{
    const CommandArguments arguments(words, {});
    arguments.requirePositional(3, 3);
    admin().importTemplate(arguments.at(0), arguments.at(1), arguments.at(2));
}

void NetdbTool::addChannel(const QStringList& words)
{
    const CommandArguments arguments(words, {QStringLiteral("--type")});
    arguments.requirePositional(2, 2);
    lnssim::ChannelType type = lnssim::ChannelType::TpFt10;
    if (const auto text = arguments.option(QStringLiteral("--type"))) {
        const auto given = lnssim::channel_type::fromOption(*text);
        if (!given)
            throw UsageError(QStringLiteral("\"%1\" is not a channel type (tp-ft-10 or ip-852)").arg(*text));
        type = *given;
    }
    admin().addChannel(arguments.at(0), arguments.at(1), type);
}

void NetdbTool::addDevice(const QStringList& words)
{
    const CommandArguments arguments(words, {QStringLiteral("--template"), QStringLiteral("--program-id"),
                                             QStringLiteral("--state"), CommissionedOption, ChannelOption});
    arguments.requirePositional(3, 3);
    if (arguments.given({QStringLiteral("--template"), QStringLiteral("--program-id")}) != 1)
        throw UsageError(QStringLiteral("Give exactly one of --template and --program-id"));
    const auto state = arguments.option(QStringLiteral("--state"));
    const QString neuronId = admin().addDevice(
        arguments.at(0), arguments.at(1), arguments.at(2),
        arguments.option(QStringLiteral("--template")).value_or(QString()),
        arguments.option(QStringLiteral("--program-id")).value_or(QString()),
        state ? CommandArguments::integer(*state, QStringLiteral("state")) : 4,
        yesNoOption(arguments, CommissionedOption, QStringLiteral("commissioned flag")).value_or(true),
        arguments.option(ChannelOption).value_or(QString()));
    m_out << neuronId << '\n';
}

void NetdbTool::moveDevice(const QStringList& words)
{
    const CommandArguments arguments(words, {});
    arguments.requirePositional(3, 3);
    admin().moveDevice(arguments.at(0), arguments.at(1), arguments.at(2));
}

void NetdbTool::removeDevice(const QStringList& words)
{
    const CommandArguments arguments(words, {});
    arguments.requirePositional(2, 2);
    admin().removeDevice(arguments.at(0), arguments.at(1));
}

void NetdbTool::devices(const QStringList& words)
{
    const CommandArguments arguments(words, {}, {QStringLiteral("--names")});
    arguments.requirePositional(1, 1);
    const lnssim::PlatformAdmin platform = admin();
    const QString& network = arguments.at(0);
    for (const QString& line : arguments.flag(QStringLiteral("--names")) ? platform.devicePaths(network)
                                                                         : platform.devices(network))
        m_out << line << '\n';
}

void NetdbTool::channels(const QStringList& words)
{
    const CommandArguments arguments(words, {});
    arguments.requirePositional(1, 1);
    for (const lnssim::PlatformAdmin::Channel& channel : admin().channels(arguments.at(0)))
        m_out << channel.name << ", " << lnssim::channel_type::name(channel.type) << ", " << channel.devices
              << '\n';
}

void NetdbTool::networks(const QStringList& words)
{
    CommandArguments(words, {}).requirePositional(0, 0);
    for (const QString& name : admin().networks())
        m_out << name << '\n';
}

void NetdbTool::get(const QStringList& words)
{
    const CommandArguments arguments(words, {ElementOption});
    arguments.requirePositional(3, 3);
    m_out << admin().get(arguments.at(0), arguments.at(1), arguments.at(2), element(arguments)) << '\n';
}

void NetdbTool::set(const QStringList& words)
{
    const CommandArguments arguments(words, {ElementOption});
    arguments.requirePositional(4, 4);
    admin().set(arguments.at(0), arguments.at(1), arguments.at(2), arguments.at(3), element(arguments));
}

void NetdbTool::state(const QStringList& words)
{
    const CommandArguments arguments(words, {CommissionedOption, QStringLiteral("--test")});
    arguments.requirePositional(3, 3);
    const int state = CommandArguments::integer(arguments.at(2), QStringLiteral("state"));
    const auto testFlag = yesNoOption(arguments, QStringLiteral("--test"), QStringLiteral("test flag"));
    lnssim::PlatformAdmin platform = admin();
    platform.setState(arguments.at(0), arguments.at(1), state,
                      yesNoOption(arguments, CommissionedOption, QStringLiteral("commissioned flag")));
    if (testFlag)
        platform.setTestFlag(arguments.at(0), arguments.at(1), *testFlag);
}

void NetdbTool::mode(const QStringList& words)
{
    const CommandArguments arguments(words, {});
    arguments.requirePositional(2, 2);
    admin().setSystemMode(arguments.at(0),
                          CommandArguments::integer(arguments.at(1), QStringLiteral("mode")));
}

void NetdbTool::fault(const QStringList& words)
{
    const QString offline = QStringLiteral("--offline");
    const QString failNext = QStringLiteral("--fail-next");
    const QString rate = QStringLiteral("--rate");
    const QString clear = QStringLiteral("--clear");
    const CommandArguments arguments(words, {offline, failNext, rate}, {clear});
    if (arguments.given({offline, failNext, rate, clear}) != 1)
        throw UsageError(QStringLiteral("Give exactly one of --offline, --fail-next, --rate and --clear"));
    // --fail-next takes two values: the kind and, as the last positional argument, the count.
    arguments.requirePositional(arguments.option(failNext) ? 3 : 2, arguments.option(failNext) ? 3 : 2);
    lnssim::PlatformAdmin platform = admin();
    const QString& network = arguments.at(0);
    const QString& device = arguments.at(1);
    if (const auto text = arguments.option(offline))
        platform.setUnreachable(network, device,
                                CommandArguments::yesNo(*text, QStringLiteral("offline flag")));
    else if (const auto kind = arguments.option(failNext))
        platform.failNext(network, device, operation(*kind),
                          CommandArguments::integer(arguments.at(2), QStringLiteral("count")));
    else if (const auto value = arguments.option(rate))
        platform.setFailureRate(network, device,
                                CommandArguments::number(*value, QStringLiteral("failure rate")));
    else
        platform.clearFaults(network, device);
}

void NetdbTool::timing(const QStringList& words)
{
    const CommandArguments arguments(words, {QStringLiteral("--transaction-ms")});
    arguments.requirePositional(1, 1);
    const auto milliseconds = arguments.option(QStringLiteral("--transaction-ms"));
    if (!milliseconds)
        throw UsageError(QStringLiteral("Give the time per transaction with --transaction-ms"));
    admin().setTransactionTime(arguments.at(0),
                               CommandArguments::integer(*milliseconds, QStringLiteral("transaction time")));
}

void NetdbTool::reg(const QStringList& words)
{
    const CommandArguments arguments(words, {});
    arguments.requirePositional(3, 5);
    const QString& action = arguments.at(0);
    const RegistryStore::Hive root = hive(arguments.at(1));
    const QString& key = arguments.at(2);
    SqliteRegistryStore store(lonworks_home::registryFile());
    if (!store.lastError().isEmpty())
        registryFailure(store, QStringLiteral("The registry store cannot be opened"));
    const QString where = arguments.at(1).toUpper() + QLatin1Char('\\') + key;
    if (action == QLatin1String("query")) {
        arguments.requirePositional(3, 4);
        if (arguments.count() == 4) {
            const auto value = store.readValue(root, key, arguments.at(3));
            if (!value)
                throw lns::Error(lns::errors::NotFound,
                                 QStringLiteral("No value \"%1\" in %2").arg(arguments.at(3), where));
            m_out << *value << '\n';
            return;
        }
        if (!store.keyExists(root, key))
            throw lns::Error(lns::errors::NotFound, QStringLiteral("No key %1").arg(where));
        for (const QString& name : store.valueNames(root, key))
            m_out << (name.isEmpty() ? QStringLiteral("(default)") : name) << " = "
                  << store.readValue(root, key, name).value_or(QString()) << '\n';
        for (const QString& subkey : store.subkeys(root, key))
            m_out << '[' << subkey << "]\n";
    } else if (action == QLatin1String("set")) {
        arguments.requirePositional(5, 5);
        if (!store.writeValue(root, key, arguments.at(3), arguments.at(4)))
            registryFailure(
                store,
                QStringLiteral("The value \"%1\" of %2 cannot be written").arg(arguments.at(3), where));
    } else if (action == QLatin1String("delete")) {
        arguments.requirePositional(3, 4);
        if (arguments.count() == 4 ? !store.deleteValue(root, key, arguments.at(3))
                                   : !deleteTree(store, root, key))
            throw lns::Error(lns::errors::NotFound,
                             arguments.count() == 4
                                 ? QStringLiteral("No value \"%1\" in %2").arg(arguments.at(3), where)
                                 : QStringLiteral("No key %1").arg(where));
    } else {
        throw UsageError(QStringLiteral("\"%1\" is none of query, set and delete").arg(action));
    }
}

lnssim::PlatformAdmin NetdbTool::admin() const
{
    return lnssim::PlatformAdmin(lonworks_home::path());
}
