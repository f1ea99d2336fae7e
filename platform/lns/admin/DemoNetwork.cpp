#include "lns/admin/DemoNetwork.h"

#include "host/object_server/Error.h"
#include "lns/PlatformAdmin.h"

#include <QDir>

namespace lnssim {

namespace {
const QString Name = QStringLiteral("Demo");
const QString Variant05 = QStringLiteral("Korvandel zep31_05");
const QString Variant06 = QStringLiteral("Korvandel zep31_06");
const QString Vav = QStringLiteral("Demo VAV controller");
const QString DeviceType = QStringLiteral("F:0/C:3:42");
const QString ButtonConfig = QStringLiteral("F:0/C:3:44");
const QString UnusedButton = QStringLiteral("0,0,0,0");
} // namespace

void DemoNetwork::build()
{
    try {
        m_admin.removeNetwork(Name);
    } catch (const lns::Error& error) {
        if (error.number() != lns::errors::NotFound)
            throw;
    }
    const QDir home(m_home);
    m_admin.addNetwork(Name);
    m_admin.importTemplate(Name, Variant05,
                           home.filePath(QStringLiteral("Import/Korvandel/zep31/zep31_05.xif")));
    m_admin.importTemplate(Name, Variant06,
                           home.filePath(QStringLiteral("Import/Korvandel/zep31/zep31_06.xif")));
    m_admin.importTemplate(Name, Vav, home.filePath(QStringLiteral("Import/Demo/vav.xif")));
    m_admin.addSubsystem(Name, QStringLiteral("F1"), QStringLiteral("Building/Floor 1"));
    m_admin.addSubsystem(Name, QStringLiteral("F2"), QStringLiteral("Building/Floor 2"));
    // One channel per floor, as a building has them behind its routers.
    const QString floor1 = QStringLiteral("Floor 1");
    const QString floor2 = QStringLiteral("Floor 2");
    m_admin.addChannel(Name, floor1);
    m_admin.addChannel(Name, floor2);

    const QString none;
    m_admin.addDevice(Name, QStringLiteral("F1"), QStringLiteral("ROU_1"), Variant06, none, 4, true, floor1);
    m_admin.addDevice(Name, QStringLiteral("F1"), QStringLiteral("ROU_2"), Variant06, none, 4, true, floor1);
    // Six buttons: rows T11 and T12 are not fitted.
    m_admin.set(Name, QStringLiteral("F1/ROU_2"), DeviceType, QStringLiteral("6"));
    m_admin.set(Name, QStringLiteral("F1/ROU_2"), ButtonConfig, UnusedButton, 10);
    m_admin.set(Name, QStringLiteral("F1/ROU_2"), ButtonConfig, UnusedButton, 11);
    // Configured online in the database, but it does not answer.
    m_admin.addDevice(Name, QStringLiteral("F1"), QStringLiteral("ROU_3"), Variant05, none, 4, true, floor1);
    m_admin.setUnreachable(Name, QStringLiteral("F1/ROU_3"), true);

    m_admin.addDevice(Name, QStringLiteral("F2"), QStringLiteral("ROU_4"), Variant06, none, 4, true, floor2);
    m_admin.addDevice(Name, QStringLiteral("F2"), QStringLiteral("ROU_5"), Variant06, none, 4, false, floor2);
    m_admin.addDevice(Name, QStringLiteral("F2"), QStringLiteral("ROU_6"), Variant05, none, 2, true, floor2);
    m_admin.addDevice(Name, QStringLiteral("F2"), QStringLiteral("VAV_1"), Vav, none, 4, true, floor2);
}

} // namespace lnssim
