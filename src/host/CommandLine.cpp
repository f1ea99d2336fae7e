#include "host/CommandLine.h"

QString CommandLine::raw(const QStringList& arguments)
{
    return arguments.join(QLatin1Char(' '));
}

namespace {

// Only blanks are trimmed; a tab or line break stays part of the text.
QString trimBlanks(const QString& text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text.at(first) == QLatin1Char(' '))
        ++first;
    while (last > first && text.at(last - 1) == QLatin1Char(' '))
        --last;
    return text.mid(first, last - first);
}

} // namespace

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
