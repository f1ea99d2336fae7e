#include "host/AtomicFile.h"

#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace {

// Opens the temporary file, refusing first what QSaveFile refuses too, with reasons a user reads
// without knowing the library.
Expected<void> open(QSaveFile& file)
{
    const QFileInfo target(file.fileName());
    if (target.isDir())
        return Failure{QStringLiteral("it is a folder")};
    if (target.exists() && !target.isWritable())
        return Failure{QStringLiteral("the file is write-protected")};
    // Unbuffered: every write reaches the file system at once and fails there, not in commit().
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return Failure{file.errorString()};
    return {};
}

} // namespace

Expected<void> AtomicFile::write(const QString& path, const QByteArray& content)
{
    QSaveFile file(path);
    if (Expected<void> opened = open(file); !opened)
        return opened;
    for (qint64 done = 0; done < content.size();) {
        const qint64 count = file.write(content.constData() + done, content.size() - done);
        if (count <= 0)
            return Failure{file.errorString()};
        done += count;
    }
    // A file system may accept the data and find it has no room only when it is flushed to the
    // disk (delayed allocation, quotas, network file systems); commit() ignores that result.
    if (::fsync(file.handle()) != 0) {
        const int failure = errno;
        // EINVAL: a special file that cannot be synchronised; there is nothing to flush.
        if (failure != EINVAL)
            return Failure{QString::fromLocal8Bit(std::strerror(failure))};
    }
    if (!file.commit())
        return Failure{file.errorString()};
    return {};
}

Expected<void> AtomicFile::probe(const QString& path)
{
    QSaveFile file(path);
    Expected<void> opened = open(file);
    if (opened)
        file.cancelWriting();
    return opened;
}
