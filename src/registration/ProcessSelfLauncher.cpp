#include "registration/ProcessSelfLauncher.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>

ProcessSelfLauncher::ProcessSelfLauncher(QString program, std::chrono::milliseconds timeout)
    : m_program(std::move(program)), m_timeout(timeout)
{
}

Expected<void> ProcessSelfLauncher::start(const QString& argument)
{
    QProcess process;
    process.setProgram(m_program.isEmpty() ? QCoreApplication::applicationFilePath() : m_program);
    process.setArguments({argument});
    process.setProcessChannelMode(QProcess::SeparateChannels);
    process.setStandardOutputFile(QProcess::nullDevice());
    process.start();
    if (!process.waitForStarted()) {
        const QString reason = process.errorString();
        return Failure{reason.isEmpty() ? QStringLiteral("Cannot start ") + process.program() : reason};
    }
    if (!process.waitForFinished(static_cast<int>(m_timeout.count()))) {
        process.kill();
        process.waitForFinished();
        return Failure{process.program() + QLatin1Char(' ') + argument +
                       QStringLiteral(" did not end in time")};
    }
    QString said = QString::fromLocal8Bit(process.readAllStandardError()).trimmed();
    // The child names itself as every program does; the caller names the program once, not twice.
    const QString ownPrefix = QFileInfo(process.program()).fileName() + QStringLiteral(": ");
    if (said.startsWith(ownPrefix))
        said.remove(0, ownPrefix.size());
    if (process.exitStatus() != QProcess::NormalExit)
        return Failure{process.program() + QLatin1Char(' ') + argument + QStringLiteral(" crashed")};
    if (process.exitCode() != 0)
        return Failure{said.isEmpty()
                           ? process.program() + QLatin1Char(' ') + argument +
                                 QStringLiteral(" failed with status ") + QString::number(process.exitCode())
                           : said};
    return {};
}
