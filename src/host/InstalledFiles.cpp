#include "host/InstalledFiles.h"

#include <QCoreApplication>
#include <QDir>

namespace installed_files {

namespace {

QString besideProgram(const char* relativePath)
{
    return QDir::cleanPath(QCoreApplication::applicationDirPath() + QLatin1Char('/') +
                           QLatin1String(relativePath));
}

} // namespace

QString dataFolder()
{
    const QString fromEnvironment = qEnvironmentVariable("ZEP31_DATA_DIR");
    if (!fromEnvironment.isEmpty())
        return QDir::cleanPath(fromEnvironment);
    return besideProgram(ZEP31_DATA_FROM_PROGRAM);
}

QString documentFolder()
{
    return besideProgram(ZEP31_DOCUMENTS_FROM_PROGRAM);
}

} // namespace installed_files
