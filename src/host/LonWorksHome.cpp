#include "host/LonWorksHome.h"

#include <QDir>
#include <QStandardPaths>

namespace lonworks_home {

QString path()
{
    const QString fromEnvironment = qEnvironmentVariable("LONWORKS_HOME");
    if (!fromEnvironment.isEmpty())
        return QDir::cleanPath(fromEnvironment);
    QString dataHome = qEnvironmentVariable("XDG_DATA_HOME");
    if (dataHome.isEmpty())
        dataHome = QDir::homePath() + QStringLiteral("/.local/share");
    return QDir::cleanPath(dataHome + QStringLiteral("/lonworks"));
}

QString registryFile()
{
    return path() + QStringLiteral("/registry.sqlite");
}

QString lnsFolder()
{
    return path() + QStringLiteral("/lns");
}

} // namespace lonworks_home
