#pragma once

#include <QString>

class PlugInHost;
class TopLevelWindow;

// The automation class a director creates and drives. Window properties act on the main
// window, object-server settings on the shared connection. Failures throw AutomationError
// (or lns::Error from the object server).
class LNSPlugInAPI final
{
public:
    // Class initialise / terminate.
    explicit LNSPlugInAPI(PlugInHost& host);
    ~LNSPlugInAPI();
    LNSPlugInAPI(const LNSPlugInAPI&) = delete;
    LNSPlugInAPI& operator=(const LNSPlugInAPI&) = delete;

    void SendCommand(qint32 commandId, qint16 objectClassId, const QString& objectName);

    bool Visible() const;
    void setVisible(bool visible);
    QString networkName() const;
    void setNetworkName(const QString& name);
    QString NetworkInterfaceName() const { return m_networkInterfaceName; }
    void setNetworkInterfaceName(const QString& name) { m_networkInterfaceName = name; }
    bool Remote() const;
    void setRemote(bool remote);

    // Window geometry in pixels.
    qint32 Height() const;
    void setHeight(qint32 pixels);
    qint32 Width() const;
    void setWidth(qint32 pixels);
    qint32 Left() const;
    void setLeft(qint32 pixels);
    qint32 Top() const;
    void setTop(qint32 pixels);
    bool Minimized() const;
    void setMinimized(bool minimized);

    // Constant identity; every let fails.
    QString ManufacturerID() const;
    void setManufacturerID(const QString& value);
    QString ManufacturerName() const;
    void setManufacturerName(const QString& value);
    QString LcaVersion() const;
    void setLcaVersion(const QString& value);
    QString Version() const;
    void setVersion(const QString& value);
    QString Name() const;
    void setName(const QString& value);

    // Kept only when exactly 16 characters long, else the empty text.
    QString DevelopmentProgramId() const;
    void setDevelopmentProgramId(const QString& value);

private:
    TopLevelWindow& window() const;
    [[noreturn]] void readOnly() const;
    void checkSizable() const;
    void checkNormalState() const;

    PlugInHost& m_host;
    QString m_networkInterfaceName;
};
