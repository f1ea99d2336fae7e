#include "entry/CommandLine.h"

#include "host/TextTrim.h"

QString CommandLine::raw(const QStringList& arguments)
{
    return arguments.join(QLatin1Char(' '));
}

CommandLine::Decision CommandLine::interpret(const QString& rawCommandLine)
{
    const QString line = trimBlanks(rawCommandLine).toLower();
    if (line == QLatin1String("/regplugin"))
        return {Action::RegisterPlugIn, QString()};
    if (line == QLatin1String("/deregplugin"))
        return {Action::DeregisterPlugIn, QString()};
    if (line == QLatin1String("/regplugin /german"))
        return {Action::RegisterPlugIn, QStringLiteral("german")};
    if (line == QLatin1String("/regplugin /english"))
        return {Action::RegisterPlugIn, QStringLiteral("english")};
    // Every deregistration mode of the command line runs the full deregistration.
    if (line == QLatin1String("/deregplugin /deregmode:-1") ||
        line == QLatin1String("/deregplugin /deregmode:0") ||
        line == QLatin1String("/deregplugin /deregmode:1"))
        return {Action::DeregisterPlugIn, QString()};
    if (line == QLatin1String("/regserver"))
        return {Action::RegisterServer, QString()};
    if (line == QLatin1String("/unregserver"))
        return {Action::UnregisterServer, QString()};
    return {Action::ShowDialog, QString()};
}

bool CommandLine::startedByAutomation(const QStringList& arguments)
{
    if (qEnvironmentVariableIsSet("DBUS_STARTER_BUS_TYPE"))
        return true;
    for (const QString& argument : arguments)
        if (argument.compare(QLatin1String("-Embedding"), Qt::CaseInsensitive) == 0 ||
            argument.compare(QLatin1String("/Embedding"), Qt::CaseInsensitive) == 0)
            return true;
    return false;
}
