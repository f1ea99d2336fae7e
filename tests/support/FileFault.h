#pragma once

#include <QByteArray>
#include <QString>
#include <csignal>
#include <sys/resource.h>

// Makes every write beyond `bytes` fail (EFBIG) in this process while it lives: a write path
// meets it exactly where a full disk would stop it.
class FileSizeLimit final
{
public:
    explicit FileSizeLimit(rlim_t bytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit m_previous{};
    void (*m_previousHandler)(int);
};

// The ways a file cannot be written that every writing path must survive with the old content
// intact and a clear error.
enum class FileFault
{
    FullDisk,
    UnwritableFile,
    UnwritableFolder,
    TargetIsFolder
};

const char* faultName(FileFault fault);

// One fault made real on disk around `target` (a file in a folder of its own) for as long as it
// lives; FullDisk only prepares the old content, the caller adds a FileSizeLimit or a full file
// system. Before the fault `target` holds `old`; for TargetIsFolder it is a folder holding a
// file with `old`, and content() reads that. A file or folder is made unwritable by its mode, or
// for root (whom modes do not stop) by the immutable flag; skipReason() says when neither works.
class FileFaultScope final
{
public:
    FileFaultScope(FileFault fault, QString target, const QByteArray& old);
    ~FileFaultScope();
    FileFaultScope(const FileFaultScope&) = delete;
    FileFaultScope& operator=(const FileFaultScope&) = delete;

    const QString& skipReason() const { return m_skipReason; }
    // What the target holds now, to compare with the old content.
    QByteArray content() const;

private:
    bool protect(const QString& path, bool on);

    FileFault m_fault;
    QString m_target;
    QString m_protected;
    QString m_skipReason;
};

QByteArray fileBytes(const QString& path);
