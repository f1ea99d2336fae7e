#include "host/CommandTable.h"

#include <QHash>
#include <iterator>

namespace {

// The LNS "Configure" command.
constexpr qint32 ConfigureCommand = 13;
constexpr qint32 OwnCommand = 10000;
// Registered at each of the plug-in's device templates.
constexpr qint32 AtEachTemplate = 3;

} // namespace

void CommandTable::fill()
{
    if (m_filled)
        return;
    m_rows[0] = PlugInCommand{ConfigureCommand,
                              ApplicationDeviceClass,
                              QStringLiteral("Configure"),
                              QString(),
                              true,
                              AtEachTemplate,
                              QString()};
    m_rows[1] = PlugInCommand{OwnCommand,
                              ApplicationDeviceClass,
                              QStringLiteral("Korvandel_zep31_PlugIn"),
                              QString(),
                              false,
                              AtEachTemplate,
                              QString()};
    m_filled = true;
}

QString CommandName(qint32 commandId)
{
    static const QHash<qint32, QString> names{
        {1, QStringLiteral("New")},
        {2, QStringLiteral("Edit Source")},
        {10, QStringLiteral("Build Image")},
        {11, QStringLiteral("Commission")},
        {12, QStringLiteral("Load")},
        {13, QStringLiteral("Configure")},
        {14, QStringLiteral("Calibrate")},
        {15, QStringLiteral("Connect")},
        {20, QStringLiteral("Browse")},
        {21, QStringLiteral("Monitor")},
        {22, QStringLiteral("Control")},
        {23, QStringLiteral("Report")},
        {30, QStringLiteral("Online")},
        {31, QStringLiteral("Offline")},
        {32, QStringLiteral("Reset")},
        {33, QStringLiteral("Test")},
        {34, QStringLiteral("Wink")},
        {40, QStringLiteral("Uninstall")},
        {41, QStringLiteral("Replace")},
        {50, QStringLiteral("Register")},
        {60, QStringLiteral("Recover")},
        {61, QStringLiteral("Monitor Recovery")},
        {70, QStringLiteral("Security Level")},
    };
    const auto found = names.constFind(commandId);
    if (found != names.constEnd())
        return *found;
    return QStringLiteral("Custom command ") + QString::number(commandId);
}

QString ObjectClassName(qint32 objectClassId)
{
    // Indexed by the class id; 49 has no name of its own.
    static const char* const names[] = {"Object Server",
                                        "Network",
                                        "Networks",
                                        "System",
                                        "Systems",
                                        "Subsystem",
                                        "Subsystems",
                                        "Application Device",
                                        "Application Devices",
                                        "Router",
                                        "Routers",
                                        "Router Side",
                                        "Channel",
                                        "Channels",
                                        "Network Interface",
                                        "Network Interfaces",
                                        "Subnet",
                                        "Subnets",
                                        "Connections",
                                        "Interface",
                                        "Interfaces",
                                        "Template Library",
                                        "Network Variable",
                                        "Network Variables",
                                        "Message Tag",
                                        "Message Tags",
                                        "Configuration Property",
                                        "Configuration Properties",
                                        "LonMark Object",
                                        "LonMark Objects",
                                        "Component Application",
                                        "Component Applications",
                                        "Hardware Template",
                                        "Hardware Templates",
                                        "Build Template",
                                        "Build Templates",
                                        "Device Template",
                                        "Device Templates",
                                        "Program Template",
                                        "Program Templates",
                                        "Network Service Device",
                                        "Network Service Devices",
                                        "Connection Description Template",
                                        "Connection Description Templates",
                                        "Error",
                                        "LonMark Alarm",
                                        "Object Status",
                                        "Network Variable Field",
                                        "Detail Info",
                                        nullptr,
                                        "Extension",
                                        "Extensions",
                                        "Recovery Status"};
    constexpr qint32 count = static_cast<qint32>(std::size(names));
    if (objectClassId >= 0 && objectClassId < count && names[objectClassId])
        return QString::fromLatin1(names[objectClassId]);
    // A non-negative number is written with a leading blank, as the director shows it.
    const QString number = QString::number(objectClassId);
    return QStringLiteral("Custom ID = ") + (objectClassId >= 0 ? QStringLiteral(" ") + number : number);
}
