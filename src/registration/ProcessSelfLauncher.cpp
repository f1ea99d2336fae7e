#include "registration/ProcessSelfLauncher.h"

#include <QCoreApplication>
#include <QProcess>

std::optional<QString> ProcessSelfLauncher::start(const QString& argument)
{
    QProcess process;
    process.setProgram(QCoreApplication::applicationFilePath());
    process.setArguments({argument});
    if (process.startDetached())
        return std::nullopt;
    const QString reason = process.errorString();
    return reason.isEmpty() ? QStringLiteral("Cannot start ") + process.program() : reason;
}
