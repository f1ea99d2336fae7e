#include "automation/LNSPlugInAPI.h"

#include "automation/PlugInHost.h"
#include "host/AppContext.h"
#include "host/AutomationError.h"
#include "host/ConnectionState.h"
#include "host/MessageCatalogue.h"
#include "host/PlugInIdentity.h"
#include "host/PlugInWindow.h"
#include "host/TopLevelWindow.h"
#include "host/catalogue/TextIds.h"
#include "host/object_server/ObjectServer.h"

namespace {

constexpr int DevelopmentProgramIdLength = 16;

} // namespace

LNSPlugInAPI::LNSPlugInAPI(PlugInHost& host) : m_host(host)
{
    m_host.classInitialize();
}

LNSPlugInAPI::~LNSPlugInAPI()
{
    m_host.classTerminate();
}

TopLevelWindow& LNSPlugInAPI::window() const
{
    return m_host.window().window();
}

void LNSPlugInAPI::SendCommand(qint32 commandId, qint16 objectClassId, const QString& objectName)
{
    m_host.dispatcher().SendCommand(m_host.window(), commandId, objectClassId, objectName);
}

bool LNSPlugInAPI::Visible() const
{
    return window().isVisible();
}

void LNSPlugInAPI::setVisible(bool visible)
{
    window().setVisible(visible);
}

QString LNSPlugInAPI::networkName() const
{
    return m_host.context().connection.CurrentNetworkName;
}

void LNSPlugInAPI::setNetworkName(const QString& name)
{
    m_host.networkOpener().openNetwork(name, m_networkInterfaceName);
}

bool LNSPlugInAPI::Remote() const
{
    return m_host.context().objectServer.remote();
}

void LNSPlugInAPI::setRemote(bool remote)
{
    m_host.networkOpener().setRemote(remote);
}

void LNSPlugInAPI::checkSizable() const
{
    // A window of fixed size cannot be sized by the director.
    if (!window().isSizable())
        throw AutomationError(AutomationError::ReadOnlyProperty,
                              m_host.context().catalogue.ApiTexts[api_text::ReadOnlyProperty]);
}

void LNSPlugInAPI::checkNormalState() const
{
    if (window().state() & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen))
        throw AutomationError(AutomationError::NotPossibleNow,
                              m_host.context().catalogue.ApiTexts[api_text::NotWhileMinimisedOrMaximised]);
}

qint32 LNSPlugInAPI::Height() const
{
    return window().size().height();
}

void LNSPlugInAPI::setHeight(qint32 pixels)
{
    checkSizable();
    checkNormalState();
    TopLevelWindow& shown = window();
    shown.resize(QSize(shown.size().width(), pixels));
}

qint32 LNSPlugInAPI::Width() const
{
    return window().size().width();
}

void LNSPlugInAPI::setWidth(qint32 pixels)
{
    checkSizable();
    checkNormalState();
    TopLevelWindow& shown = window();
    shown.resize(QSize(pixels, shown.size().height()));
}

qint32 LNSPlugInAPI::Left() const
{
    return window().position().x();
}

void LNSPlugInAPI::setLeft(qint32 pixels)
{
    checkNormalState();
    TopLevelWindow& shown = window();
    shown.move(QPoint(pixels, shown.position().y()));
}

qint32 LNSPlugInAPI::Top() const
{
    return window().position().y();
}

void LNSPlugInAPI::setTop(qint32 pixels)
{
    checkNormalState();
    TopLevelWindow& shown = window();
    shown.move(QPoint(shown.position().x(), pixels));
}

bool LNSPlugInAPI::Minimized() const
{
    return window().state().testFlag(Qt::WindowMinimized);
}

void LNSPlugInAPI::setMinimized(bool minimized)
{
    TopLevelWindow& shown = window();
    const Qt::WindowStates others = shown.state() & ~(Qt::WindowMinimized | Qt::WindowMaximized);
    shown.setState(minimized ? (others | Qt::WindowMinimized) : others);
    // The state is kept all the same and applies when the window is shown.
    if (!shown.isVisible())
        throw AutomationError(AutomationError::NotPossibleNow,
                              m_host.context().catalogue.ApiTexts[api_text::MinimisedWhileHidden]);
}

void LNSPlugInAPI::readOnly() const
{
    throw AutomationError(AutomationError::ReadOnlyProperty,
                          m_host.context().catalogue.ApiTexts[api_text::ReadOnlyProperty]);
}

QString LNSPlugInAPI::ManufacturerID() const
{
    return plugin_identity::ManufacturerID;
}

void LNSPlugInAPI::setManufacturerID(const QString&)
{
    readOnly();
}

QString LNSPlugInAPI::ManufacturerName() const
{
    return plugin_identity::ManufacturerName;
}

void LNSPlugInAPI::setManufacturerName(const QString&)
{
    readOnly();
}

QString LNSPlugInAPI::LcaVersion() const
{
    return plugin_identity::LcaVersion;
}

void LNSPlugInAPI::setLcaVersion(const QString&)
{
    readOnly();
}

QString LNSPlugInAPI::Version() const
{
    return plugin_identity::Version;
}

void LNSPlugInAPI::setVersion(const QString&)
{
    readOnly();
}

QString LNSPlugInAPI::Name() const
{
    return plugin_identity::Name;
}

void LNSPlugInAPI::setName(const QString&)
{
    readOnly();
}

QString LNSPlugInAPI::DevelopmentProgramId() const
{
    return m_host.context().connection.developmentProgramId;
}

void LNSPlugInAPI::setDevelopmentProgramId(const QString& value)
{
    m_host.context().connection.developmentProgramId =
        value.size() == DevelopmentProgramIdLength ? value : QString();
}
