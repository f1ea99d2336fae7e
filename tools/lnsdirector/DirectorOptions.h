#pragma once

#include <QRect>
#include <QString>
#include <QStringList>
#include <optional>

// What the director was asked to do, from its command line.
struct DirectorOptions
{
    enum class Action
    {
        ListPlugIns,
        Register,
        Deregister,
        Open
    };

    Action action = Action::ListPlugIns;
    QString plugInKey;
    std::optional<QString> networkName;
    std::optional<QString> interfaceName;
    bool remote = false;
    bool hidden = false;
    // Wait for the window to be closed even where nobody can see it.
    bool wait = false;
    std::optional<QRect> geometry;
    QString objectName;
    qint32 commandId = 13;
    qint16 objectClassId = 7;
    int timeoutSeconds = 600;

    // A command line that does not fit the usage throws UsageError.
    static DirectorOptions parse(const QStringList& arguments);
    static QString usage();
    // "WxH+X+Y"; X and Y may be negative ("+-10" or "-10").
    static std::optional<QRect> parseGeometry(const QString& text);
};
