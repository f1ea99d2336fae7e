#include "host/ui/LNSPlugInAPI.h"

#include "host/AppContext.h"
#include "host/AutomationError.h"
#include "host/ConnectionState.h"
#include "host/MessageCatalogue.h"
#include "host/PlugInIdentity.h"
#include "host/PlugInWindow.h"
#include "host/object_server/ObjectServer.h"
#include "host/ui/PlugInHost.h"

#include <QWidget>

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

QWidget& LNSPlugInAPI::window() const
{
    QWidget* widget = m_host.window().window();
    if (!widget)
        throw AutomationError(AutomationError::NotPossibleNow, QStringLiteral("The plug-in has no window"));
    return *widget;
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
    QWidget& widget = window();
    widget.setVisible(visible);
    if (visible) {
        widget.raise();
        widget.activateWindow();
    }
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
    const QWidget& widget = window();
    if (widget.minimumSize() == widget.maximumSize())
        throw AutomationError(AutomationError::ReadOnlyProperty, m_host.context().catalogue.ApiTexts[7]);
}

void LNSPlugInAPI::checkNormalState() const
{
    if (window().windowState() & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen))
        throw AutomationError(AutomationError::NotPossibleNow, m_host.context().catalogue.ApiTexts[9]);
}

qint32 LNSPlugInAPI::Height() const
{
    return window().height();
}

void LNSPlugInAPI::setHeight(qint32 pixels)
{
    checkSizable();
    checkNormalState();
    QWidget& widget = window();
    widget.resize(widget.width(), pixels);
}

qint32 LNSPlugInAPI::Width() const
{
    return window().width();
}

void LNSPlugInAPI::setWidth(qint32 pixels)
{
    checkSizable();
    checkNormalState();
    QWidget& widget = window();
    widget.resize(pixels, widget.height());
}

qint32 LNSPlugInAPI::Left() const
{
    return window().x();
}

void LNSPlugInAPI::setLeft(qint32 pixels)
{
    checkNormalState();
    QWidget& widget = window();
    widget.move(pixels, widget.y());
}

qint32 LNSPlugInAPI::Top() const
{
    return window().y();
}

void LNSPlugInAPI::setTop(qint32 pixels)
{
    checkNormalState();
    QWidget& widget = window();
    widget.move(widget.x(), pixels);
}

bool LNSPlugInAPI::Minimized() const
{
    return window().isMinimized();
}

void LNSPlugInAPI::setMinimized(bool minimized)
{
    QWidget& widget = window();
    const Qt::WindowStates others = widget.windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized);
    widget.setWindowState(minimized ? (others | Qt::WindowMinimized) : others);
    // The state is kept all the same and applies when the window is shown.
    if (!widget.isVisible())
        throw AutomationError(AutomationError::NotPossibleNow, m_host.context().catalogue.ApiTexts[10]);
}

void LNSPlugInAPI::readOnly() const
{
    throw AutomationError(AutomationError::ReadOnlyProperty, m_host.context().catalogue.ApiTexts[7]);
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
