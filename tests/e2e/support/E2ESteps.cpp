#include "e2e/support/E2ESteps.h"

#include "host/RegistryKeys.h"
#include "host/object_server/Error.h"
#include "host/object_server/ObjectServer.h"
#include "lns/SimObjectServer.h"
#include "registry/SqliteRegistryStore.h"

namespace e2e_steps {

QString setUpRegisteredPlugIn(PrivateSession& session)
{
    if (!session.failure().isEmpty())
        return session.failure();
    for (const char* name : {"zep31-plugin", "lnsdirector", "lns-netdb"})
        if (PrivateSession::program(QString::fromLatin1(name)).isEmpty())
            return QStringLiteral("%1 is not built next to the test").arg(QString::fromLatin1(name));

    const PrivateSession::Run demo = session.run(QStringLiteral("lns-netdb"), {QStringLiteral("demo")});
    if (demo.exitCode != 0)
        return QStringLiteral("lns-netdb demo failed: ") + demo.err;
    const PrivateSession::Run registration = session.run(
        QStringLiteral("zep31-plugin"), {QStringLiteral("/regplugin"), QStringLiteral("/english")});
    if (registration.exitCode != 0)
        return QStringLiteral("zep31-plugin /regplugin /english failed: ") + registration.err;
    const PrivateSession::Run server =
        session.run(QStringLiteral("zep31-plugin"), {QStringLiteral(" /regserver")});
    if (server.exitCode != 0)
        return QStringLiteral("zep31-plugin /regserver failed: ") + server.err;
    if (!PrivateSession::waitForFile(session.activationFile(), true, 10000))
        return QStringLiteral("no activation file ") + session.activationFile();
    return QString();
}

QMap<QString, int> registeredCommands(const PrivateSession& session, const QString& network)
{
    QMap<QString, int> counts;
    SqliteRegistryStore registry(session.lonWorksHome() + QStringLiteral("/registry.sqlite"));
    const std::unique_ptr<lns::ObjectServer> server =
        lnssim::createObjectServer(session.lonWorksHome(), registry);
    server->open();
    const auto opened = server->networks()->item(network);
    opened->open();
    const auto system = opened->systems()->item(1);
    system->open();
    const auto templates = system->deviceTemplates();
    for (int i = 1; i <= templates->count(); ++i) {
        const auto deviceTemplate = templates->item(i);
        const auto apps = deviceTemplate->componentApps();
        int own = 0;
        for (int j = 1; j <= apps->count(); ++j)
            own += apps->item(j)->progId() == registry_keys::ProgId ? 1 : 0;
        counts.insert(deviceTemplate->programId(), own);
    }
    system->close();
    opened->close();
    server->close();
    return counts;
}

std::string describe(const PrivateSession::Run& run)
{
    return QStringLiteral("finished %1, exit %2\nstdout: %3\nstderr: %4")
        .arg(run.finished)
        .arg(run.exitCode)
        .arg(run.out, run.err)
        .toStdString();
}

} // namespace e2e_steps
