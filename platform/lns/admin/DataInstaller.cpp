#include "lns/admin/DataInstaller.h"

#include "host/InstalledFiles.h"
#include "host/object_server/Error.h"
#include "lns/resources/SimResourceCatalogue.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

namespace lnssim {

namespace {

struct Copy
{
    const char* source;
    const char* target;
};

constexpr Copy Copies[] = {
    {"import/zep31", "Import/Korvandel/zep31"},
    {"import/demo", "Import/Demo"},
    {"types/User/Korvandel", "Types/User/Korvandel"},
};

constexpr const char* Folders[] = {"lns", "Types/User/Korvandel", "Import/Korvandel/zep31", "Import/Demo",
                                   "PlugIns/Korvandel/zep31"};

[[noreturn]] void failed(const QString& what)
{
    throw lns::Error(lns::errors::Database, what);
}

} // namespace

void DataInstaller::install() const
{
    const QDir home(m_home);
    for (const char* folder : Folders) {
        if (!home.mkpath(QLatin1String(folder)))
            failed(
                QStringLiteral("The folder %1 cannot be created").arg(home.filePath(QLatin1String(folder))));
    }
    const QDir data(installed_files::dataFolder());
    if (!data.exists())
        throw lns::Error(lns::errors::NotFound,
                         QStringLiteral("The plug-in's data folder %1 does not exist; install the programs "
                                        "with their data or set ZEP31_DATA_DIR to it")
                             .arg(data.path()));
    for (const Copy& copy : Copies)
        copyFolder(data.filePath(QLatin1String(copy.source)), home.filePath(QLatin1String(copy.target)));
    registerResources();
}

void DataInstaller::copyFolder(const QString& source, const QString& target) const
{
    if (!QFileInfo(source).isDir())
        throw lns::Error(lns::errors::NotFound, QStringLiteral("The data folder %1 is missing").arg(source));
    QDirIterator files(source, QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString file = files.next();
        const QString destination = QDir(target).filePath(QDir(source).relativeFilePath(file));
        QDir().mkpath(QFileInfo(destination).path());
        QFile::remove(destination);
        if (!QFile::copy(file, destination))
            failed(QStringLiteral("The file %1 cannot be copied to %2").arg(file, destination));
    }
}

void DataInstaller::registerResources() const
{
    const QDir home(m_home);
    SimResourceCatalogue catalogue;
    const int status = catalogue.open(home.filePath(QStringLiteral("Types")));
    const int added =
        status ? status : catalogue.addDirectory(home.filePath(QStringLiteral("Types/User/Korvandel")));
    const int refreshed = added ? added : catalogue.refresh();
    catalogue.close();
    if (refreshed)
        failed(QStringLiteral("The resource catalogue in %1 cannot be updated (status %2)")
                   .arg(home.filePath(QStringLiteral("Types")))
                   .arg(refreshed));
}

} // namespace lnssim
