#include "host/InstalledFiles.h"

#include <QDir>
#include <QFileInfo>

namespace installed_files {

namespace {

QString besideProgram(const char* relativePath)
{
    // The running executable as the kernel knows it, with its links resolved: also before (or
    // without) a QCoreApplication, and from the installation a linked program belongs to.
    const QString program = QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath();
    return QDir::cleanPath(QFileInfo(program).path() + QLatin1Char('/') + QLatin1String(relativePath));
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
