#include "support/DemoSession.h"

#include "device/ui/MainWindow.h"
#include "host/RegistryKeys.h"

DemoSession::DemoSession(const QString& language, const QString& decimalSeparator)
{
    if (!decimalSeparator.isEmpty())
        registry.writeValue(RegistryStore::Hive::CurrentUser, registry_keys::InternationalKey,
                            registry_keys::DecimalValue, decimalSeparator);
    if (!language.isEmpty())
        registry.writeValue(RegistryStore::Hive::LocalMachine, registry_keys::PlugInKey,
                            registry_keys::LanguageValue, language);
    commands.fill();

    objectServer->open();
    connection.ServerOpen = true;
    connection.network = objectServer->networks()->item(Network);
    connection.network->open();
    connection.CurrentNetworkName = connection.network->name();
    connection.system = connection.network->systems()->item(1);
    connection.system->open();
    connection.NetworkOpen = true;
}

std::shared_ptr<lns::AppDevice> DemoSession::device(const QString& path) const
{
    const QStringList parts = path.split(QLatin1Char('/'));
    return connection.system->subsystems()->item(parts.at(0))->applicationDevices()->item(parts.at(1));
}

QString DemoSession::value(const QString& path, const QString& point, std::optional<int> element) const
{
    return admin.get(Network, path, point, element);
}

void DemoSession::open(MainWindow& window, const QString& path)
{
    std::shared_ptr<lns::AppDevice> chosen = device(path);
    PlugInCommand command = commands.row(0);
    window.ProcessDeviceCommand(chosen, command);
}
