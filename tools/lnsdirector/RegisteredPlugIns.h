#pragma once

#include <QList>
#include <QString>

class RegistryStore;

// The plug-ins registered on this machine, as a director finds them in the registry below
// "SOFTWARE\LonWorks\LCA\Plug-Ins": one key each, its default value the ProgID.
class RegisteredPlugIns final
{
public:
    struct PlugIn
    {
        QString key;
        QString progId;
        QString name;
        QString version;
        QString language;
    };

    static const QString PlugInsKey;

    // Keys without a ProgID are not registered plug-ins and are left out.
    static QList<PlugIn> read(const RegistryStore& registry);
};
