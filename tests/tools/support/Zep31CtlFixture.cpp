#include "tools/support/Zep31CtlFixture.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

Zep31CtlTest::Zep31CtlTest()
{
    admin.init(QStringLiteral(","));
    admin.createDemo();
}

QString Zep31CtlTest::programPath()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/zep31ctl");
}

CtlRun Zep31CtlTest::ctl(const QStringList& arguments)
{
    QProcess process;
    process.start(programPath(), arguments);
    CtlRun run;
    if (!process.waitForFinished(600000))
        return run;
    run.code = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

QString Zep31CtlTest::addDevices(int count)
{
    admin.addSubsystem(Network, QStringLiteral("Floor"));
    for (int n = 1; n <= count; ++n)
        admin.addDevice(Network, QStringLiteral("Floor"), QStringLiteral("B_%1").arg(n), QString(),
                        ProgramId);
    return ProgramId;
}

QString Zep31CtlTest::get(const QString& device, const QString& point, std::optional<int> element) const
{
    return admin.get(Network, device, point, element);
}
