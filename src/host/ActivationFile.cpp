#include "host/ActivationFile.h"

#include "host/AtomicFile.h"
#include "host/RegistryKeys.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>

namespace {

// The bus parses the Exec line like a shell: quote a path that needs it.
QString execArgument(const QString& path)
{
    static const QRegularExpression plain(QStringLiteral("^[A-Za-z0-9_/.+:,@%=-]+$"));
    if (plain.match(path).hasMatch())
        return path;
    QString quoted = path;
    quoted.replace(QLatin1Char('\''), QStringLiteral("'\\''"));
    return QLatin1Char('\'') + quoted + QLatin1Char('\'');
}

} // namespace

QString ActivationFile::servicesFolder()
{
    QString dataHome = qEnvironmentVariable("XDG_DATA_HOME");
    if (dataHome.isEmpty())
        dataHome = QDir::homePath() + QStringLiteral("/.local/share");
    return QDir::cleanPath(dataHome + QStringLiteral("/dbus-1/services"));
}

QString ActivationFile::filePath()
{
    return servicesFolder() + QLatin1Char('/') + registry_keys::ProgId + QStringLiteral(".service");
}

QString ActivationFile::content(const QString& executable)
{
    return QStringLiteral("[D-BUS Service]\nName=") + registry_keys::ProgId + QStringLiteral("\nExec=") +
           execArgument(executable) + QStringLiteral(" -Embedding\n");
}

Expected<void> ActivationFile::write(const QString& executable)
{
    if (!QDir().mkpath(servicesFolder()))
        return Failure{QStringLiteral("Cannot create the folder ") + servicesFolder()};
    if (const Expected<void> written = AtomicFile::write(filePath(), content(executable).toUtf8()); !written)
        return Failure{QStringLiteral("Cannot write ") + filePath() + QStringLiteral(": ") + written.error()};
    return {};
}

Expected<void> ActivationFile::remove()
{
    QFile file(filePath());
    if (!file.exists() || file.remove())
        return {};
    return Failure{QStringLiteral("Cannot remove ") + filePath() + QStringLiteral(": ") + file.errorString()};
}
