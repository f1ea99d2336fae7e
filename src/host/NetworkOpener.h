#pragma once

#include <QString>

class MessageCatalogue;
class UiServices;
struct ConnectionState;

namespace lns {
class ObjectServer;
}

// Opens the object server, a network and its first system for the director, and switches the
// object server between local and remote access. What is open is recorded in ConnectionState
// and stays open across commands and automation instances.
class NetworkOpener final
{
public:
    static constexpr quint32 InternetFlag = 0x10;
    static constexpr quint32 NamedInterfaceFlag = 0x20;
    // Value the system's numeric option gets once the network is open.
    static constexpr qint32 SystemNumericOption = 200;

    NetworkOpener(lns::ObjectServer& objectServer, ConnectionState& connection, MessageCatalogue& catalogue,
                  UiServices& ui);
    NetworkOpener(const NetworkOpener&) = delete;
    NetworkOpener& operator=(const NetworkOpener&) = delete;

    // networkName let. A failure leaves no network open and throws AutomationError 20006.
    void openNetwork(const QString& networkName, const QString& interfaceName);
    // Remote let: an open object server is closed, switched and opened again.
    void setRemote(bool remote);

private:
    void openSteps(const QString& networkName, const QString& interfaceName);

    lns::ObjectServer& m_objectServer;
    ConnectionState& m_connection;
    MessageCatalogue& m_catalogue;
    UiServices& m_ui;
};
