#include "host/NetworkOpener.h"

#include "host/AutomationError.h"
#include "host/ConnectionState.h"
#include "host/MessageCatalogue.h"
#include "host/UiServices.h"
#include "host/catalogue/TextIds.h"
#include "host/object_server/Error.h"
#include "host/object_server/ObjectServer.h"

namespace {

const QString InternetInterface = QStringLiteral("Internet");

// The hourglass for the duration, the default pointer afterwards, also on failure.
class HourglassScope final
{
public:
    explicit HourglassScope(UiServices& ui) : m_ui(ui) { m_ui.setPointer(UiServices::Pointer::Hourglass); }
    ~HourglassScope() { m_ui.setPointer(UiServices::Pointer::Default); }
    HourglassScope(const HourglassScope&) = delete;
    HourglassScope& operator=(const HourglassScope&) = delete;

private:
    UiServices& m_ui;
};

} // namespace

NetworkOpener::NetworkOpener(lns::ObjectServer& objectServer, ConnectionState& connection,
                             MessageCatalogue& catalogue, UiServices& ui)
    : m_objectServer(objectServer), m_connection(connection), m_catalogue(catalogue), m_ui(ui)
{
}

void NetworkOpener::openNetwork(const QString& networkName, const QString& interfaceName)
{
    HourglassScope hourglass(m_ui);
    if (networkName == m_connection.CurrentNetworkName && m_connection.NetworkOpen)
        return;
    try {
        openSteps(networkName, interfaceName);
    } catch (const lns::Error&) {
        m_connection.NetworkOpen = false;
        m_connection.CurrentNetworkName.clear();
        throw AutomationError(AutomationError::NotPossibleNow,
                              m_catalogue.ApiTexts[api_text::CannotOpenNetwork] + networkName);
    }
}

void NetworkOpener::openSteps(const QString& networkName, const QString& interfaceName)
{
    const bool remote = m_objectServer.remote();
    if (remote == interfaceName.isEmpty()) {
        if (m_objectServer.isOpen()) {
            m_objectServer.close();
            m_connection.ServerOpen = false;
        }
        m_objectServer.setRemote(!interfaceName.isEmpty());
    }

    bool overInternet = false;
    if (!m_connection.ServerOpen) {
        if (m_objectServer.isOpen())
            m_objectServer.close();
        m_objectServer.setOpenOption(false);
        // The flags follow the remote flag as it was read before any switch above.
        if (remote) {
            quint32 flags = m_objectServer.connectionFlags() & ~(InternetFlag | NamedInterfaceFlag);
            overInternet = interfaceName == InternetInterface;
            flags |= overInternet ? InternetFlag : NamedInterfaceFlag;
            m_objectServer.setConnectionFlags(flags);
        }
        m_objectServer.open();
        m_connection.ServerOpen = true;
    }

    if (!interfaceName.isEmpty() && !overInternet)
        m_objectServer.setActiveRemoteInterface(m_objectServer.networkInterfaces()->item(interfaceName));

    m_connection.network = m_objectServer.networks()->item(networkName);
    if (!m_connection.network)
        throw lns::Error(lns::errors::NotFound, networkName);
    m_connection.network->open();
    m_connection.CurrentNetworkName = m_connection.network->name();

    m_connection.system = m_connection.network->systems()->item(1);
    if (!m_connection.system)
        throw lns::Error(lns::errors::NotFound, networkName);
    m_connection.system->open();
    if (overInternet) {
        m_connection.system->setBoolOption1(true);
        m_connection.system->setBoolOption2(false);
        m_connection.system->setBoolOption1(false);
    }
    m_connection.NetworkOpen = true;
    m_connection.system->setNumericOption(SystemNumericOption);
}

void NetworkOpener::setRemote(bool remote)
{
    const bool wasOpen = m_objectServer.isOpen();
    if (wasOpen) {
        m_objectServer.close();
        m_objectServer.setRemote(remote);
        m_objectServer.open();
    } else {
        m_objectServer.setRemote(remote);
    }
    m_connection.ServerOpen = wasOpen;
}
