#pragma once

#include <QByteArray>
#include <QString>
#include <gtest/gtest.h>
#include <sys/resource.h>

QByteArray fileBytes(const QString& path);
void writeFileBytes(const QString& path, const QByteArray& bytes);

// Every write past `bytes` fails (EFBIG) in this process while it lives: a write path meets it
// exactly where a full disk would stop it.
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

// The ways a file cannot be written that every writing path must survive, old content intact.
enum class FileFault
{
    FullDisk,
    UnwritableFile,
    UnwritableFolder,
    TargetIsFolder
};

const auto AllFileFaults = ::testing::Values(FileFault::FullDisk, FileFault::UnwritableFile,
                                             FileFault::UnwritableFolder, FileFault::TargetIsFolder);
std::string faultName(const ::testing::TestParamInfo<FileFault>& fault);

// A fault made real around `target` while it lives. `target` first holds `old` (TargetIsFolder:
// it is a folder, and a file in it holds `old`); FullDisk is left to the caller (FileSizeLimit or a
// full file system). Modes make a file or folder unwritable, the immutable flag for root, whom modes
// do not stop; skipReason() says when neither works here.
class FileFaultScope final
{
public:
    FileFaultScope(FileFault fault, QString target, const QByteArray& old);
    ~FileFaultScope();
    FileFaultScope(const FileFaultScope&) = delete;
    FileFaultScope& operator=(const FileFaultScope&) = delete;

    const QString& skipReason() const { return m_skipReason; }
    // What the target holds now.
    QByteArray content() const;

private:
    bool protect(bool on);

    QString m_target;
    QString m_kept;
    QString m_protected;
    QString m_skipReason;
};
