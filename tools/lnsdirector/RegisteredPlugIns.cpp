#include "RegisteredPlugIns.h"

#include "host/RegistryStore.h"

const QString RegisteredPlugIns::PlugInsKey = QStringLiteral("SOFTWARE\\LonWorks\\LCA\\Plug-Ins");

QList<RegisteredPlugIns::PlugIn> RegisteredPlugIns::read(const RegistryStore& registry)
{
    constexpr RegistryStore::Hive machine = RegistryStore::Hive::LocalMachine;
    QList<PlugIn> plugIns;
    for (const QString& key : registry.subkeys(machine, PlugInsKey)) {
        const QString path = PlugInsKey + QLatin1Char('\\') + key;
        const auto value = [&](const QString& name) {
            return registry.readValue(machine, path, name).value_or(QString());
        };
        PlugIn plugIn{key, value(QString()), value(QStringLiteral("Name")), value(QStringLiteral("Version")),
                      value(QStringLiteral("Language"))};
        if (!plugIn.progId.isEmpty())
            plugIns.append(plugIn);
    }
    return plugIns;
}
