#include "support/FileFault.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>

FileSizeLimit::FileSizeLimit(rlim_t bytes)
{
    getrlimit(RLIMIT_FSIZE, &m_previous);
    m_previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit = m_previous;
    limit.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limit);
}

FileSizeLimit::~FileSizeLimit()
{
    setrlimit(RLIMIT_FSIZE, &m_previous);
    std::signal(SIGXFSZ, m_previousHandler);
}

const char* faultName(FileFault fault)
{
    switch (fault) {
    case FileFault::FullDisk:
        return "full disk";
    case FileFault::UnwritableFile:
        return "unwritable target file";
    case FileFault::UnwritableFolder:
        return "unwritable folder";
    case FileFault::TargetIsFolder:
        return "target is a folder";
    }
    return "?";
}

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

namespace {

void writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

} // namespace

FileFaultScope::FileFaultScope(FileFault fault, QString target, const QByteArray& old)
    : m_fault(fault), m_target(std::move(target))
{
    QDir().mkpath(QFileInfo(m_target).path());
    if (fault == FileFault::TargetIsFolder) {
        QDir().mkpath(m_target);
        writeBytes(m_target + QStringLiteral("/inside"), old);
        return;
    }
    writeBytes(m_target, old);
    if (fault == FileFault::UnwritableFile && !protect(m_target, true))
        m_skipReason = QStringLiteral("a file cannot be made unwritable here");
    if (fault == FileFault::UnwritableFolder && !protect(QFileInfo(m_target).path(), true))
        m_skipReason = QStringLiteral("a folder cannot be made unwritable here");
}

FileFaultScope::~FileFaultScope()
{
    if (!m_protected.isEmpty())
        protect(m_protected, false);
}

QByteArray FileFaultScope::content() const
{
    return fileBytes(m_fault == FileFault::TargetIsFolder ? m_target + QStringLiteral("/inside") : m_target);
}

bool FileFaultScope::protect(const QString& path, bool on)
{
    if (geteuid() != 0) {
        const QFileDevice::Permissions readable =
            QFileDevice::ReadOwner | QFileDevice::ReadUser |
            (QFileInfo(path).isDir() ? QFileDevice::ExeOwner | QFileDevice::ExeUser
                                     : QFileDevice::Permissions());
        const bool done = QFile::setPermissions(
            path, on ? readable : readable | QFileDevice::WriteOwner | QFileDevice::WriteUser);
        m_protected = on && done ? path : QString();
        return done;
    }
    const int descriptor = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK);
    if (descriptor < 0)
        return false;
    int flags = 0;
    bool done = ::ioctl(descriptor, FS_IOC_GETFLAGS, &flags) == 0;
    flags = on ? flags | FS_IMMUTABLE_FL : flags & ~FS_IMMUTABLE_FL;
    done = done && ::ioctl(descriptor, FS_IOC_SETFLAGS, &flags) == 0;
    ::close(descriptor);
    m_protected = on && done ? path : QString();
    return done;
}
