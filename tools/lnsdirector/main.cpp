#include "Director.h"
#include "DirectorOptions.h"
#include "RegisteredPlugIns.h"
#include "UsageError.h"
#include "host/LonWorksHome.h"
#include "host/PlugInIdentity.h"
#include "registry/SqliteRegistryStore.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QTextStream>

namespace {

constexpr int ExitUsage = 1;

int listPlugIns(const QList<RegisteredPlugIns::PlugIn>& plugIns, QTextStream& out)
{
    if (plugIns.isEmpty()) {
        out << "No plug-ins are registered in " << lonworks_home::registryFile() << "." << Qt::endl;
        return 0;
    }
    for (const RegisteredPlugIns::PlugIn& plugIn : plugIns)
        out << "key: " << plugIn.key << "\tname: " << plugIn.name << "\tversion: " << plugIn.version
            << "\tlanguage: " << plugIn.language << "\tProgID: " << plugIn.progId << Qt::endl;
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("lnsdirector"));
    QTextStream out(stdout);
    QTextStream err(stderr);

    QStringList arguments = QCoreApplication::arguments().mid(1);
    if (arguments.contains(QLatin1String("--help")) || arguments.contains(QLatin1String("-h"))) {
        out << DirectorOptions::usage();
        return 0;
    }
    if (arguments.contains(QLatin1String("--version"))) {
        out << plugin_identity::versionLine(QStringLiteral("lnsdirector")) << Qt::endl;
        return 0;
    }
    DirectorOptions options;
    try {
        options = DirectorOptions::parse(arguments);
    } catch (const UsageError& error) {
        err << "lnsdirector: " << error.message() << "\n\n" << DirectorOptions::usage();
        return ExitUsage;
    }

    SqliteRegistryStore registry(lonworks_home::registryFile());
    if (!registry.lastError().isEmpty()) {
        err << "lnsdirector: " << registry.lastError() << Qt::endl;
        return ExitUsage;
    }
    const QList<RegisteredPlugIns::PlugIn> plugIns = RegisteredPlugIns::read(registry);
    if (options.action == DirectorOptions::Action::ListPlugIns)
        return listPlugIns(plugIns, out);

    const RegisteredPlugIns::PlugIn* chosen = nullptr;
    for (const RegisteredPlugIns::PlugIn& plugIn : plugIns)
        if (options.plugInKey.isEmpty() ? plugIns.size() == 1
                                        : plugIn.key.compare(options.plugInKey, Qt::CaseInsensitive) == 0)
            chosen = &plugIn;
    if (!chosen) {
        if (plugIns.isEmpty())
            err << "lnsdirector: no plug-in is registered in " << lonworks_home::registryFile() << Qt::endl;
        else if (options.plugInKey.isEmpty())
            err << "lnsdirector: several plug-ins are registered; choose one with --plugin KEY" << Qt::endl;
        else
            err << "lnsdirector: no plug-in \"" << options.plugInKey << "\" is registered" << Qt::endl;
        return ExitUsage;
    }

    const QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        err << "lnsdirector: no D-Bus session bus: " << bus.lastError().message() << Qt::endl;
        return Director::ExitBusFailure;
    }
    Director director(bus, chosen->progId, out, err);
    return director.run(options);
}
