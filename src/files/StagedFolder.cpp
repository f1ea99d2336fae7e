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
QString syncFolder(const QString& path)
{
    const int descriptor = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor < 0)
        return systemError(errno);
    const int result = ::fsync(descriptor);
    const int failure = errno;
    ::close(descriptor);
    return result == 0 ? QString() : systemError(failure);
}

} // namespace

QString StagedFolder::refusal(const QString& target, const QString& marker)
{
    const QFileInfo info(target);
    if (info.isSymLink())
        return QStringLiteral("%1 is a symbolic link; name the folder it points to").arg(target);
    if (!info.exists())
        return QString();
    if (!info.isDir())
        return QStringLiteral("%1 is a file, not a folder").arg(target);
    const QDir folder(target);
    if (!folder.isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System) &&
        !folder.exists(marker))
        return QStringLiteral(
                   "%1 holds files but no %2, so it was not written by this command; name a new or "
                   "empty folder")
            .arg(target, marker);
    return QString();
}

StagedFolder::StagedFolder(const QString& target) : m_target(QDir::cleanPath(QDir().absoluteFilePath(target)))
{
    const QFileInfo info(m_target);
    if (info.fileName().isEmpty()) {
        m_error = QStringLiteral("%1 cannot be replaced").arg(m_target);
        return;
    }
    QByteArray pattern = QFile::encodeName(m_target + QStringLiteral(".new-XXXXXX"));
    if (!::mkdtemp(pattern.data())) {
        m_error = QStringLiteral("no folder can be made in %1: %2").arg(info.path(), systemError(errno));
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

QString StagedFolder::write(const QString& fileName, const QByteArray& content)
{
    if (!m_error.isEmpty())
        return m_error;
    return AtomicFile::write(QDir(m_staging).filePath(fileName), content);
}

QString StagedFolder::commit()
{
    if (!m_error.isEmpty())
        return m_error;
    const auto kept = [](int number) {
        return systemError(number) + QStringLiteral("; the old folder is left as it was");
    };
    if (const QString failure = syncFolder(m_staging); !failure.isEmpty())
        return failure + QStringLiteral("; the old folder is left as it was");
    const QByteArray staging = QFile::encodeName(m_staging);
    const QByteArray target = QFile::encodeName(m_target);
    struct stat existing
    {
    };
    // Where the old target sits once the new folder is in place.
    QString old;
    if (::lstat(target.constData(), &existing) != 0) {
        if (::rename(staging.constData(), target.constData()) != 0)
            return systemError(errno);
    } else if (::renameat2(AT_FDCWD, staging.constData(), AT_FDCWD, target.constData(), RENAME_EXCHANGE) ==
               0) {
        old = m_staging;
    } else if (errno == EINVAL) {
        // A file system that cannot exchange: the old target aside, the new one in, and on failure
        // the old one back.
        old = m_staging + QStringLiteral(".old");
        const QByteArray aside = QFile::encodeName(old);
        if (::rename(target.constData(), aside.constData()) != 0)
            return kept(errno);
        if (::rename(staging.constData(), target.constData()) != 0) {
            const int failure = errno;
            if (::rename(aside.constData(), target.constData()) != 0)
                return QStringLiteral("%1; the old folder is left in %2").arg(systemError(failure), old);
            return kept(failure);
        }
    } else {
        return kept(errno);
    }
    m_committed = true;
    if (!old.isEmpty() && !QDir(old).removeRecursively())
        return QStringLiteral(
                   "the new folder is in place, but the old one could not be removed; it is left in %1")
            .arg(old);
    if (const QString failure = syncFolder(QFileInfo(m_target).path()); !failure.isEmpty())
        return QStringLiteral(
                   "the new folder is in place, but its folder could not be flushed to the disk: %1")
            .arg(failure);
    return QString();
}
