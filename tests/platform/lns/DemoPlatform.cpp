#include "DemoPlatform.h"

#include "lns/SimObjectServer.h"

#include <QDir>

DemoPlatform::DemoPlatform(const QString& decimalSeparator) : m_admin(m_home.path())
{
    m_admin.init(decimalSeparator);
    m_admin.createDemo();
    m_registry = std::make_unique<SqliteRegistryStore>(
        QDir(m_home.path()).filePath(QStringLiteral("registry.sqlite")));
    m_server = lnssim::createObjectServer(m_home.path(), *m_registry);
    open();
}

void DemoPlatform::open()
{
    m_server->open();
    m_network = m_server->networks()->item(QStringLiteral("Demo"));
    m_network->open();
    m_system = m_network->systems()->item(1);
    m_system->open();
}

void DemoPlatform::reopen()
{
    m_system->close();
    m_network->close();
    m_server->close();
    open();
}

std::shared_ptr<lns::AppDevice> DemoPlatform::device(const QString& subsystem, const QString& name)
{
    return m_system->subsystems()->item(subsystem)->applicationDevices()->item(name);
}

std::shared_ptr<lns::NetworkVariable> DemoPlatform::nv(const QString& subsystem, const QString& device,
                                                       int nvIndex)
{
    return this->device(subsystem, device)->deviceInterface()->networkVariables()->item(nvIndex);
}

std::shared_ptr<lns::ConfigProperty> DemoPlatform::cp(const QString& subsystem, const QString& device,
                                                      const QString& id)
{
    const auto deviceInterface = this->device(subsystem, device)->deviceInterface();
    const QStringList parts = id.split(QLatin1Char('/'));
    std::shared_ptr<lns::ConfigProperties> properties;
    if (parts.size() == 1)
        properties = deviceInterface->configProperties();
    else if (parts[0].startsWith(QLatin1String("F:")))
        properties =
            deviceInterface->functionalBlocks()->item(parts[0].mid(2).toInt() + 1)->configProperties();
    else
        properties = deviceInterface->networkVariables()->item(parts[0].mid(2).toInt())->configProperties();
    const QString pair = parts.last().mid(2);
    for (int i = 1; i <= properties->count(); ++i) {
        const auto property = properties->item(i);
        if (QStringLiteral("%1:%2").arg(property->typeScope()).arg(property->typeIndex()) == pair)
            return property;
    }
    return nullptr;
}
