#include "WindowReport.h"
#include "WindowScreenshot.h"
#include "device/FrameworkSettings.h"
#include "device/point_catalogue/PointTables.h"
#include "device/ui/MainWindow.h"
#include "entry/CommandLine.h"
#include "entry/ui/PlugInEntry.h"
#include "host/AppContext.h"
#include "host/CommandTable.h"
#include "host/ConnectionState.h"
#include "host/LonWorksHome.h"
#include "host/MessageCatalogue.h"
#include "host/PlugInIdentity.h"
#include "host/ResourceDirSpec.h"
#include "host/UnattendedUi.h"
#include "host/ui/ProgressWindows.h"
#include "lns/SimObjectServer.h"
#include "qt/QtUi.h"
#include "registration/ProcessSelfLauncher.h"
#include "registry/SqliteRegistryStore.h"

#include <QApplication>
#include <QGuiApplication>
#include <QTextStream>
#include <memory>

namespace {

QStringList argumentsAfterProgram(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    return arguments;
}

// Qt drew on no screen: the display was missing or could not be reached.
bool drawsOffScreen()
{
    const QString platform = QGuiApplication::platformName();
    return platform == QLatin1String("offscreen") || platform == QLatin1String("minimal");
}

// A DISPLAY that names no running server would end the program in Qt's start-up. While the
// application is made, the platform is tried first and then the off-screen one, so such a run
// goes on without a person; the programs it starts later see the variable as it was.
class OffScreenFallback final
{
public:
    OffScreenFallback() : m_original(qgetenv(Variable)), m_wasSet(qEnvironmentVariableIsSet(Variable))
    {
        QString platforms = QString::fromLocal8Bit(m_original);
        if (platforms.split(QLatin1Char(';')).contains(QLatin1String("offscreen")))
            return;
        if (platforms.isEmpty())
            platforms = qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ? QStringLiteral("xcb")
                                                                       : QStringLiteral("wayland;xcb");
        qputenv(Variable, (platforms + QStringLiteral(";offscreen")).toLocal8Bit());
    }
    ~OffScreenFallback()
    {
        if (m_wasSet)
            qputenv(Variable, m_original);
        else
            qunsetenv(Variable);
    }
    OffScreenFallback(const OffScreenFallback&) = delete;
    OffScreenFallback& operator=(const OffScreenFallback&) = delete;

private:
    static constexpr const char* Variable = "QT_QPA_PLATFORM";
    QByteArray m_original;
    bool m_wasSet;
};

QApplication* makeApplication(int& argc, char** argv, bool fallBack)
{
    if (!fallBack)
        return new QApplication(argc, argv);
    const OffScreenFallback fallback;
    return new QApplication(argc, argv);
}

QString usage()
{
    return QStringLiteral(
        "Usage: zep31-plugin [SWITCH]\n"
        "       zep31-plugin --help | --version\n"
        "The ZEP31 configuration plug-in. A director starts it over D-Bus; started by hand it\n"
        "registers or deregisters itself, or shows its registration dialog (which needs a display).\n"
        "\n"
        "Switches (in any case):\n"
        "  /regplugin [/german | /english]          register the plug-in, in the language given\n"
        "  /deregplugin [/deregmode:-1 | 0 | 1]     deregister it; every mode deregisters fully\n"
        "  /regserver, /unregserver                 write or remove the D-Bus activation file\n"
        "  -Embedding                               serve a director (D-Bus activation starts it so)\n");
}

int runPlugIn(const QStringList& arguments)
{
    SqliteRegistryStore registry(lonworks_home::registryFile());
    if (!registry.lastError().isEmpty())
        QTextStream(stderr) << QCoreApplication::applicationName() << ": " << registry.lastError()
                            << Qt::endl;
    const std::unique_ptr<lns::ObjectServer> objectServer =
        lnssim::createObjectServer(lonworks_home::path(), registry);
    std::unique_ptr<UiServices> ui;
    if (UnattendedUi::requested() || drawsOffScreen())
        ui = std::make_unique<UnattendedUi>();
    else
        ui = std::make_unique<QtUi>();
    ProgressWindows progress(*ui);
    MessageCatalogue catalogue(registry);
    ConnectionState connection;
    CommandTable commands;
    FrameworkSettings settings;
    PointTables points;
    ResourceDirSpec resourceDir;
    AppContext context{
        registry,
        *objectServer,
        *ui,
        progress,
        catalogue,
        connection,
        commands,
        settings,
        points,
        resourceDir,
        [] { QCoreApplication::exit(0); },
        [] { return lnssim::createObjectServer(lonworks_home::path(), lonworks_home::registryFile()); }};

    ProcessSelfLauncher launcher;
    // ZEP31_SCREENSHOT names a file for a picture of the main window once it shows a device;
    // ZEP31_WINDOW_REPORT one for the text of what it shows after each device command.
    const QString screenshot = qEnvironmentVariable("ZEP31_SCREENSHOT");
    const QString windowReport = qEnvironmentVariable("ZEP31_WINDOW_REPORT");
    PlugInEntry entry(
        context,
        [screenshot, windowReport](AppContext& shared) {
            auto window = std::make_unique<MainWindow>(shared);
            if (!screenshot.isEmpty())
                new WindowScreenshot(window.get(), screenshot);
            if (!windowReport.isEmpty())
                new WindowReport(window.get(), windowReport);
            return window;
        },
        launcher);
    const PlugInEntry::Result result = entry.run(arguments);
    int exitCode = result.exitCode;
    if (result.runEventLoop)
        exitCode = QCoreApplication::exec();
    entry.shutdown();
    return exitCode;
}

} // namespace

int main(int argc, char** argv)
{
    const QStringList arguments = argumentsAfterProgram(argc, argv);
    if (arguments == QStringList{QStringLiteral("--version")}) {
        QTextStream(stdout) << plugin_identity::versionLine(QStringLiteral("zep31-plugin")) << Qt::endl;
        return 0;
    }
    if (arguments == QStringList{QStringLiteral("--help")} ||
        arguments == QStringList{QStringLiteral("-h")}) {
        QTextStream(stdout) << usage();
        return 0;
    }
    // Writing or removing the activation file needs no windows, so it runs without a display.
    const CommandLine::Action action = CommandLine::interpret(CommandLine::raw(arguments)).action;
    if (action == CommandLine::Action::RegisterServer || action == CommandLine::Action::UnregisterServer) {
        QCoreApplication app(argc, argv);
        QCoreApplication::setApplicationName(QStringLiteral("zep31-plugin"));
        return PlugInEntry::registerServer(action);
    }
    // Without a display the plug-in draws off screen and nobody answers its boxes (see
    // UnattendedUi); the registration dialog alone needs a person.
    const bool dialog =
        action == CommandLine::Action::ShowDialog && !CommandLine::startedByAutomation(arguments);
    const auto refuseDialog = [] {
        QTextStream(stderr) << "zep31-plugin: no display for the registration dialog; use /regplugin or "
                               "/deregplugin"
                            << Qt::endl;
        return PlugInEntry::ExitFailure;
    };
    const bool displayMissing = UnattendedUi::displayMissing();
    if (displayMissing) {
        if (dialog)
            return refuseDialog();
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    const std::unique_ptr<QApplication> app(makeApplication(argc, argv, !displayMissing));
    QCoreApplication::setApplicationName(QStringLiteral("zep31-plugin"));
    if (dialog && drawsOffScreen())
        return refuseDialog();
    // The plug-in ends through EndPlugIn, not when its last window closes (the progress window
    // closing after a command would otherwise end it).
    QApplication::setQuitOnLastWindowClosed(false);
    return runPlugIn(arguments);
}
