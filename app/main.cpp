#include "WindowScreenshot.h"
#include "device/FrameworkSettings.h"
#include "device/point_catalogue/PointTables.h"
#include "device/ui/MainWindow.h"
#include "host/AppContext.h"
#include "host/CommandLine.h"
#include "host/CommandTable.h"
#include "host/ConnectionState.h"
#include "host/LonWorksHome.h"
#include "host/MessageCatalogue.h"
#include "host/PlugInIdentity.h"
#include "host/ResourceDirSpec.h"
#include "host/UnattendedUi.h"
#include "host/ui/PlugInEntry.h"
#include "host/ui/ProgressWindows.h"
#include "lns/SimObjectServer.h"
#include "qt/QtUi.h"
#include "registration/ProcessSelfLauncher.h"
#include "registry/SqliteRegistryStore.h"

#include <QApplication>
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
    std::unique_ptr<Ui> ui;
    if (UnattendedUi::requested())
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
    AppContext context{registry,
                       *objectServer,
                       *ui,
                       progress,
                       catalogue,
                       connection,
                       commands,
                       settings,
                       points,
                       resourceDir,
                       [] { QCoreApplication::exit(0); }};

    ProcessSelfLauncher launcher;
    // ZEP31_SCREENSHOT names a file for a picture of the main window once it shows a device.
    const QString screenshot = qEnvironmentVariable("ZEP31_SCREENSHOT");
    PlugInEntry entry(
        context,
        [screenshot](AppContext& shared) {
            auto window = std::make_unique<MainWindow>(shared);
            if (!screenshot.isEmpty())
                new WindowScreenshot(window.get(), screenshot);
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
    if (UnattendedUi::displayMissing()) {
        if (action == CommandLine::Action::ShowDialog && !CommandLine::startedByAutomation(arguments)) {
            QTextStream(stderr) << "zep31-plugin: no display for the registration dialog; use /regplugin or "
                                   "/deregplugin"
                                << Qt::endl;
            return PlugInEntry::ExitFailure;
        }
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("zep31-plugin"));
    // The plug-in ends through EndPlugIn, not when its last window closes (the progress window
    // closing after a command would otherwise end it).
    QApplication::setQuitOnLastWindowClosed(false);
    return runPlugIn(arguments);
}
