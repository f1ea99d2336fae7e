#include "files/StagedFolder.h"

#include "host/AtomicFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString systemError(int number)
{
    return QString::fromLocal8Bit(std::strerror(number));
}

// A folder's entries reach the disk only when the folder itself is flushed.
Expected<void> syncFolder(const QString& path)
{
    const int descriptor = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor < 0)
        return Failure{systemError(errno)};
    const int result = ::fsync(descriptor);
    const int failure = errno;
    ::close(descriptor);
    if (result != 0)
        return Failure{systemError(failure)};
    return {};
}

} // namespace

Expected<void> StagedFolder::replaceable(const QString& target, const QString& marker)
{
    const QFileInfo info(target);
    if (info.isSymLink())
        return Failure{QStringLiteral("%1 is a symbolic link; name the folder it points to").arg(target)};
    if (!info.exists())
        return {};
    if (!info.isDir())
        return Failure{QStringLiteral("%1 is a file, not a folder").arg(target)};
    const QDir folder(target);
    if (!folder.isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System) &&
        !folder.exists(marker))
        return Failure{
            QStringLiteral("%1 holds files but no %2, so it was not written by this command; name a new "
                           "or empty folder")
                .arg(target, marker)};
    return {};
}

StagedFolder::StagedFolder(const QString& target) : m_target(QDir::cleanPath(QDir().absoluteFilePath(target)))
{
    const QFileInfo info(m_target);
    if (info.fileName().isEmpty()) {
        m_made = Failure{QStringLiteral("%1 cannot be replaced").arg(m_target)};
        return;
    }
    QByteArray pattern = QFile::encodeName(m_target + QStringLiteral(".new-XXXXXX"));
    if (!::mkdtemp(pattern.data())) {
        m_made =
            Failure{QStringLiteral("no folder can be made in %1: %2").arg(info.path(), systemError(errno))};
        return;
    }
    m_staging = QFile::decodeName(pattern);
    // mkdtemp makes the folder private; the backup gets the permissions of any new folder.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::chmod(pattern.constData(), 0777 & ~mask);
}

StagedFolder::~StagedFolder()
{
    if (!m_committed && !m_staging.isEmpty())
        QDir(m_staging).removeRecursively();
}

Expected<void> StagedFolder::write(const QString& fileName, const QByteArray& content)
{
    if (!m_made)
        return m_made;
    return AtomicFile::write(QDir(m_staging).filePath(fileName), content);
}

Expected<void> StagedFolder::commit()
{
    if (!m_made)
        return m_made;
    const auto kept = [](int number) {
        return systemError(number) + QStringLiteral("; the old folder is left as it was");
    };
    if (const Expected<void> synced = syncFolder(m_staging); !synced)
        return Failure{synced.error() + QStringLiteral("; the old folder is left as it was")};
    const QByteArray staging = QFile::encodeName(m_staging);
    const QByteArray target = QFile::encodeName(m_target);
    struct stat existing
    {
    };
    // Where the old target sits once the new folder is in place.
    QString old;
    if (::lstat(target.constData(), &existing) != 0) {
        if (::rename(staging.constData(), target.constData()) != 0)
            return Failure{systemError(errno)};
    } else if (::renameat2(AT_FDCWD, staging.constData(), AT_FDCWD, target.constData(), RENAME_EXCHANGE) ==
               0) {
        old = m_staging;
    } else if (errno == EINVAL) {
        // A file system that cannot exchange: the old target aside, the new one in, and on
        // failure the old one back.
        old = m_staging + QStringLiteral(".old");
        const QByteArray aside = QFile::encodeName(old);
        if (::rename(target.constData(), aside.constData()) != 0)
            return Failure{kept(errno)};
        if (::rename(staging.constData(), target.constData()) != 0) {
            const int failure = errno;
            if (::rename(aside.constData(), target.constData()) != 0)
                return Failure{
                    QStringLiteral("%1; the old folder is left in %2").arg(systemError(failure), old)};
            return Failure{kept(failure)};
        }
    } else {
        return Failure{kept(errno)};
    }
    m_committed = true;
    if (!old.isEmpty() && !QDir(old).removeRecursively())
        return Failure{QStringLiteral("the new folder is in place, but the old one could not be "
                                      "removed; it is left in %1")
                           .arg(old)};
    if (const Expected<void> synced = syncFolder(QFileInfo(m_target).path()); !synced)
        return Failure{
            QStringLiteral("the new folder is in place, but its folder could not be flushed to the disk: %1")
                .arg(synced.error())};
    return {};
}
