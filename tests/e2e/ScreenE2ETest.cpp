#include "e2e/support/E2ESteps.h"
#include "e2e/support/PrivateSession.h"

#include <QCoreApplication>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QStandardPaths>
#include <QThread>
#include <gtest/gtest.h>

namespace {

using e2e_steps::describe;

// An X server without a screen of its own, for looking at the real window.
class VirtualScreen final
{
public:
    VirtualScreen()
    {
        const QString xvfb = QStandardPaths::findExecutable(QStringLiteral("Xvfb"));
        if (xvfb.isEmpty())
            return;
        // The server writes the display number it chose to stdout once it accepts clients.
        m_server.start(xvfb, {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
                              QStringLiteral("0"), QStringLiteral("1400x1000x24"),
                              QStringLiteral("-nolisten"), QStringLiteral("tcp")});
        QDeadlineTimer deadline(20000);
        QString out;
        while (!out.contains(QLatin1Char('\n')) && !deadline.hasExpired() &&
               m_server.state() != QProcess::NotRunning) {
            m_server.waitForReadyRead(200);
            out += QString::fromUtf8(m_server.readAllStandardOutput());
        }
        if (out.contains(QLatin1Char('\n')))
            m_display = QLatin1Char(':') + out.trimmed();
    }

    ~VirtualScreen()
    {
        if (m_server.state() != QProcess::NotRunning) {
            m_server.kill();
            m_server.waitForFinished(5000);
        }
    }

    VirtualScreen(const VirtualScreen&) = delete;
    VirtualScreen& operator=(const VirtualScreen&) = delete;

    QString display() const { return m_display; }

private:
    QProcess m_server;
    QString m_display;
};

QString artifactsFolder()
{
    const QString configured = qEnvironmentVariable("ZEP31_ARTIFACTS");
    return configured.isEmpty() ? QDir::currentPath() : configured;
}

// Runs a check program from beside the test on the X server; its output when it fails.
struct CheckRun
{
    bool finished = false;
    int exitCode = -1;
    QString output;
};

CheckRun runScreenCheck(const QString& program, const QString& display)
{
    QProcess check;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DISPLAY"), display);
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    environment.insert(QStringLiteral("ZEP31_ARTIFACTS"), artifactsFolder());
    check.setProcessEnvironment(environment);
    check.setProcessChannelMode(QProcess::MergedChannels);
    check.start(QCoreApplication::applicationDirPath() + QLatin1Char('/') + program, {});
    CheckRun run;
    if (!check.waitForStarted())
        return run;
    run.finished = check.waitForFinished(300000) && check.exitStatus() == QProcess::NormalExit;
    run.exitCode = check.exitCode();
    run.output = QString::fromUtf8(check.readAll());
    return run;
}

} // namespace

// The director opens a device and the plug-in shows it in a real window on an X server; the
// picture of that window is kept with the test output for a reviewer.
TEST(ScreenE2ETest, TheDirectorOpensTheDeviceInARealWindow)
{
    VirtualScreen screen;
    if (screen.display().isEmpty())
        GTEST_SKIP() << "Xvfb is not available";

    PrivateSession session;
    const QString failure = e2e_steps::setUpRegisteredPlugIn(session);
    ASSERT_TRUE(failure.isEmpty()) << failure.toStdString();

    const QString picture = session.dataHome() + QStringLiteral("/main-window-ROU_1.png");
    // The plug-in is started by the bus, so it takes its environment from the bus.
    QDBusMessage update = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.DBus"), QStringLiteral("/org/freedesktop/DBus"),
        QStringLiteral("org.freedesktop.DBus"), QStringLiteral("UpdateActivationEnvironment"));
    qDBusRegisterMetaType<QMap<QString, QString>>();
    const QMap<QString, QString> environment{{QStringLiteral("DISPLAY"), screen.display()},
                                             {QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb")},
                                             {QStringLiteral("ZEP31_SCREENSHOT"), picture}};
    update << QVariant::fromValue(environment);
    ASSERT_EQ(session.bus().call(update).type(), QDBusMessage::ReplyMessage);

    QProcess& open = session.start(QStringLiteral("lnsdirector"),
                                   {QStringLiteral("--network"), QStringLiteral("Demo"),
                                    QStringLiteral("--wait"), QStringLiteral("open"), e2e_steps::Rou1});
    ASSERT_TRUE(PrivateSession::waitForFile(picture, true, 90000))
        << describe(PrivateSession::finish(open, 1000));
    // The file is written once; give the writer a moment to finish it.
    QImage image;
    QDeadlineTimer deadline(10000);
    while (!image.load(picture) && !deadline.hasExpired())
        QThread::msleep(100);
    ASSERT_FALSE(image.isNull());
    EXPECT_GE(image.width(), 1000);
    EXPECT_GE(image.height(), 700);
    EXPECT_EQ(open.state(), QProcess::Running);

    const QString kept = artifactsFolder() + QStringLiteral("/e2e-main-window-ROU_1.png");
    QFile::remove(kept);
    QFile::copy(picture, kept);
}

// The editors in a real window, driven through the X server by pointer and key events: typing
// marks a CP field and enables Apply, letters stay out of a number, a held arrow repeats, and the
// focused point's help is shown in the registered language. The pictures are kept for a reviewer.
TEST(ScreenE2ETest, EditorsAnswerRealPointerAndKeyEvents)
{
    VirtualScreen screen;
    if (screen.display().isEmpty())
        GTEST_SKIP() << "Xvfb is not available";
    if (QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty())
        GTEST_SKIP() << "xdotool is not available";

    QProcess check;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DISPLAY"), screen.display());
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    environment.insert(QStringLiteral("ZEP31_ARTIFACTS"), artifactsFolder());
    check.setProcessEnvironment(environment);
    check.setProcessChannelMode(QProcess::MergedChannels);
    check.start(QCoreApplication::applicationDirPath() + QStringLiteral("/editors-screen-check"), {});
    ASSERT_TRUE(check.waitForStarted());
    ASSERT_TRUE(check.waitForFinished(180000));
    const QString output = QString::fromUtf8(check.readAll());
    EXPECT_EQ(check.exitStatus(), QProcess::NormalExit) << output.toStdString();
    EXPECT_EQ(check.exitCode(), 0) << output.toStdString();
    EXPECT_TRUE(QFile::exists(artifactsFolder() + QStringLiteral("/editors-typed-cp-marked.png")));
}

// Every menu item chosen through the X server, with the pointer or with Alt and the item's key:
// the log is cleared and saved, parameters are saved and loaded with exactly the differing field
// marked, the print selection window leads to a PDF, the documents and the about box open, and
// Exit ends the plug-in. The trend of the monitored outputs shows beside them, and with German
// registered Qt's own file dialog is German. The pictures of the open menus and dialogs are kept
// for a reviewer.
TEST(ScreenE2ETest, EveryMenuItemDoesItsJobInTheRealWindow)
{
    VirtualScreen screen;
    if (screen.display().isEmpty())
        GTEST_SKIP() << "Xvfb is not available";
    if (QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty())
        GTEST_SKIP() << "xdotool is not available";

    const CheckRun run = runScreenCheck(QStringLiteral("menus-screen-check"), screen.display());
    EXPECT_TRUE(run.finished) << run.output.toStdString();
    EXPECT_EQ(run.exitCode, 0) << run.output.toStdString();
    EXPECT_TRUE(QFile::exists(artifactsFolder() + QStringLiteral("/menus-print-selection.png")));
    EXPECT_TRUE(QFile::exists(artifactsFolder() + QStringLiteral("/menus-about-box.png")));
    EXPECT_TRUE(QFile::exists(artifactsFolder() + QStringLiteral("/menus-trend-chart.png")));
    EXPECT_TRUE(QFile::exists(artifactsFolder() + QStringLiteral("/menus-german-file-dialog.png")));
}
