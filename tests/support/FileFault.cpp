#include "support/FileFault.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <csignal>
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFileBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

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

std::string faultName(const ::testing::TestParamInfo<FileFault>& fault)
{
    const char* names[] = {"FullDisk", "UnwritableFile", "UnwritableFolder", "TargetIsFolder"};
    return names[static_cast<int>(fault.param)];
}

FileFaultScope::FileFaultScope(FileFault fault, QString target, const QByteArray& old)
    : m_target(std::move(target)), m_kept(m_target)
{
    QDir().mkpath(QFileInfo(m_target).path());
    if (fault == FileFault::TargetIsFolder) {
        QDir().mkpath(m_target);
        m_kept = m_target + QStringLiteral("/inside");
    }
    writeFileBytes(m_kept, old);
    if (fault == FileFault::UnwritableFile)
        m_protected = m_target;
    else if (fault == FileFault::UnwritableFolder)
        m_protected = QFileInfo(m_target).path();
    if (!m_protected.isEmpty() && !protect(true)) {
        m_skipReason = QStringLiteral("%1 cannot be made unwritable here").arg(m_protected);
        m_protected.clear();
    }
}

FileFaultScope::~FileFaultScope()
{
    if (!m_protected.isEmpty())
        protect(false);
}

QByteArray FileFaultScope::content() const
{
    return fileBytes(m_kept);
}

bool FileFaultScope::protect(bool on)
{
    if (geteuid() != 0) {
        const QFileDevice::Permissions write = QFileDevice::WriteOwner | QFileDevice::WriteUser;
        const QFileDevice::Permissions now = QFile::permissions(m_protected);
        return QFile::setPermissions(m_protected, on ? now & ~write : now | write);
    }
    const int descriptor = ::open(QFile::encodeName(m_protected).constData(), O_RDONLY | O_NONBLOCK);
    int flags = 0;
    bool done = descriptor >= 0 && ::ioctl(descriptor, FS_IOC_GETFLAGS, &flags) == 0;
    flags = on ? flags | FS_IMMUTABLE_FL : flags & ~FS_IMMUTABLE_FL;
    done = done && ::ioctl(descriptor, FS_IOC_SETFLAGS, &flags) == 0;
    if (descriptor >= 0)
        ::close(descriptor);
    return done;
}
