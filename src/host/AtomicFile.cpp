#include "host/AtomicFile.h"

#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace {

// The checks QSaveFile makes too, with reasons a user reads without knowing the library.
QString refusal(const QString& path)
{
    const QFileInfo target(path);
    if (target.isDir())
        return QStringLiteral("it is a folder");
    if (target.exists() && !target.isWritable())
        return QStringLiteral("the file is write-protected");
    return QString();
}

bool open(QSaveFile& file, QString& error)
{
    error = refusal(file.fileName());
    if (!error.isEmpty())
        return false;
    // Unbuffered: every write reaches the file system at once and fails there, not in commit().
    if (file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return true;
    error = file.errorString();
    return false;
}

} // namespace

QString AtomicFile::write(const QString& path, const QByteArray& content)
{
    QSaveFile file(path);
    QString error;
    if (!open(file, error))
        return error;
    for (qint64 done = 0; done < content.size();) {
        const qint64 count = file.write(content.constData() + done, content.size() - done);
        if (count <= 0)
            return file.errorString();
        done += count;
    }
    // A file system may accept the data and find it has no room only when it is flushed to the
    // disk (delayed allocation, quotas, network file systems); commit() ignores that result.
    if (::fsync(file.handle()) != 0) {
        const int failure = errno;
        // EINVAL: a special file that cannot be synchronised; there is nothing to flush.
        if (failure != EINVAL)
            return QString::fromLocal8Bit(std::strerror(failure));
    }
    if (!file.commit())
        return file.errorString();
    return QString();
}

QString AtomicFile::probe(const QString& path)
{
    QSaveFile file(path);
    QString error;
    if (!open(file, error))
        return error;
    file.cancelWriting();
    return QString();
}
