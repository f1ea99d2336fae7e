#include "device/ui/MainWindow.h"

#include "device/DeviceStateText.h"
#include "host/Log.h"
#include "support/DemoSession.h"
#include "ui/ChangeMarker.h"
#include "ui/StatusPanels.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTextEdit>
#include <gtest/gtest.h>

namespace {

using Operation = lnssim::PlatformAdmin::Operation;

const QString Rou1 = QStringLiteral("F1/ROU_1");
const QString Title = QStringLiteral("Korvandel_zep31_PlugIn");

class MainWindowTest : public ::testing::Test
{
protected:
    void open(const QString& path) { demo.open(*window, path); }

    QString panel(int number) const { return window->controls().PlugInStatus->panelText(number); }
    MainControls& controls() { return window->controls(); }
    bool statusShown(const QString& text) const { return demo.progress.statuses().contains(text); }

    // Every catalogued CP box, the element boxes and the whole values, as the server formats them.
    void expectCpBoxes(const QString& path)
    {
        for (int position = 0; position < PointTables::CpTotal; ++position)
            EXPECT_EQ(controls().txtNci(position)->text(), demo.value(path, demo.points.cp(position).id))
                << position;
        for (int element = 0; element < 12; ++element)
            EXPECT_EQ(controls().txtNcielement(element)->text(),
                      demo.value(path, QStringLiteral("F:0/C:3:44"), element));
        for (int element = 0; element < 2; ++element) {
            EXPECT_EQ(controls().txtNci(100 + element)->text(),
                      demo.value(path, QStringLiteral("F:0/C:3:48"), element));
            EXPECT_EQ(controls().txtNci(102 + element)->text(),
                      demo.value(path, QStringLiteral("F:0/C:3:47"), element));
        }
    }

    DemoSession demo;
    std::unique_ptr<MainWindow> window = std::make_unique<MainWindow>(demo.context);
};

TEST_F(MainWindowTest, LoadsHiddenWithTheDesignedShell)
{
    EXPECT_EQ(window->objectName(), QStringLiteral("fMain"));
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Korvandel Devices GmbH    "));
    EXPECT_EQ(controls().tabData->count(), 17);
    EXPECT_TRUE(demo.progress.splashVisible());
    EXPECT_TRUE(demo.progress.progressVisible());
    EXPECT_FALSE(controls().cmdApply->isEnabled());
    EXPECT_FALSE(controls().cmdCancel->isEnabled());
    EXPECT_TRUE(controls().RTHinweis->isReadOnly());
    EXPECT_TRUE(controls().RTHinweis->toPlainText().contains(
        QStringLiteral("If you want some informations about a Networkvariable")));
    // English captions through the catalogue.
    EXPECT_EQ(controls().mnuOptionen->title(), QStringLiteral("&File"));
    EXPECT_EQ(controls().mnuExit->text(), QStringLiteral("Exit"));
    EXPECT_EQ(controls().cmdApply->text(), QStringLiteral("A&pply"));
    EXPECT_EQ(controls().cmdGerAuswahl->toolTip(),
              QStringLiteral("shows a list with all devices of the same program-id "));
    // Screen readers speak the captions of the chosen language.
    EXPECT_EQ(controls().txtNci(4)->accessibleName(), QStringLiteral("Update interval [s]"));
    EXPECT_EQ(controls().cmb_function(0)->accessibleName(), QStringLiteral("T1 Button Function"));
}

TEST(MainWindowGermanTest, KeepsTheDesignedCaptions)
{
    DemoSession demo(QStringLiteral("german"));
    MainWindow window(demo.context);
    MainControls& controls = window.controls();
    EXPECT_EQ(controls.mnuOptionen->title(), QStringLiteral("&Datei"));
    EXPECT_EQ(controls.mnuHilfe->title(), QStringLiteral("&Hilfe"));
    EXPECT_EQ(controls.mnuExit->text(), QStringLiteral("B&eenden"));
    EXPECT_EQ(controls.mnuBeschreibung->text(), QStringLiteral("Gerätebeschreibung"));
    EXPECT_EQ(controls.cmdApply->text(), QStringLiteral("&Übernehmen"));
    EXPECT_EQ(controls.cmdCancel->text(), QStringLiteral("A&bbrechen"));
    EXPECT_EQ(controls.cmdGerAuswahl->text(), QStringLiteral("&Geräteauswahl"));
    EXPECT_TRUE(controls.RTHinweis->toPlainText().contains(QStringLiteral("Das Korvandel Team wünscht")));
    EXPECT_EQ(controls.txtNci(4)->accessibleName(), QStringLiteral("Aktuallisierungsintervall [s]"));
    EXPECT_EQ(controls.cmb_function(0)->accessibleName(), QStringLiteral("T1 Tastenfunktion"));
}

TEST_F(MainWindowTest, LogMenuDrivesTheLog)
{
    controls().echLog->addInformation(QStringLiteral("line"));
    controls().mnuClearLog->trigger();
    EXPECT_TRUE(controls().echLog->entries().isEmpty());
}

TEST_F(MainWindowTest, OpensAnOnlineDeviceWithEveryValueShown)
{
    const std::shared_ptr<lns::AppDevice> device = demo.device(Rou1);
    open(Rou1);

    EXPECT_EQ(panel(1), QStringLiteral("ROU_1"));
    EXPECT_EQ(panel(2), QStringLiteral("ZEP31"));
    EXPECT_EQ(panel(3), QStringLiteral("NeuronID:  ") + device->neuronId());
    EXPECT_EQ(panel(4), QStringLiteral("Cnfg Online"));
    EXPECT_EQ(window->session().lastCommandId, 13);

    expectCpBoxes(Rou1);
    ASSERT_EQ(demo.points.nviCount, 26);
    ASSERT_EQ(demo.points.nvoCount, 23);
    for (int position = 0; position < demo.points.nviCount; ++position)
        EXPECT_EQ(controls().txtNvi(position)->text(), demo.value(Rou1, demo.points.nvi(position).name))
            << position;
    for (int position = 0; position < demo.points.nvoCount; ++position)
        EXPECT_EQ(controls().txtNvo(position)->text(), demo.points.nvo(position).value) << position;
    // The set point output does not drift.
    EXPECT_EQ(controls().txtNvo(19)->text(), demo.value(Rou1, QStringLiteral("nvoSetptEffect")));

    // Showing the window is left to the director.
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(controls().tabData->currentIndex(), 0);
    EXPECT_TRUE(controls().chkMonitor->isChecked());
    EXPECT_FALSE(demo.progress.progressVisible());
    EXPECT_FALSE(demo.progress.splashVisible());
    EXPECT_EQ(demo.ui.pointer(), UiServices::Pointer::Default);
    EXPECT_TRUE(statusShown(QStringLiteral("Complete DRF look-up in progress...")));
    EXPECT_TRUE(statusShown(QStringLiteral("Set Switch[0] mode = 3")));
    EXPECT_TRUE(statusShown(QStringLiteral("testing the Device...")));
    EXPECT_TRUE(statusShown(QStringLiteral("reading State...")));
    EXPECT_TRUE(statusShown(QStringLiteral("Reading Network variables... ")));

    // For a reviewer: the window as an integrator sees it.
    QString folder = qEnvironmentVariable("ZEP31_ARTIFACTS");
    if (folder.isEmpty())
        folder = QDir::currentPath();
    QDir().mkpath(folder);
    // The offscreen screen is small; show the window as on a common desktop.
    window->resize(1440, 900);
    EXPECT_TRUE(window->grab().save(folder + QStringLiteral("/main-window-ROU_1.png")));
    for (int tab = 1; tab < controls().tabData->count(); ++tab) {
        if (!controls().tabData->isTabVisible(tab))
            continue;
        controls().tabData->setCurrentIndex(tab);
        EXPECT_TRUE(window->grab().save(
            folder + QStringLiteral("/main-window-ROU_1-tab%1.png").arg(tab, 2, 10, QLatin1Char('0'))));
    }
}

// A director's second device command that arrives while the first one reads its device waits
// for it, then opens its own device alone: no values of the first under the second's name.
TEST_F(MainWindowTest, ADeviceCommandArrivingWhileOneReadsWaitsForIt)
{
    const QString rou4 = QStringLiteral("F2/ROU_4");
    const QString setpoint = QStringLiteral("N:48/C:0:213");
    demo.admin.set(DemoSession::Network, rou4, setpoint, QStringLiteral("19"));
    ASSERT_NE(demo.value(rou4, setpoint), demo.value(Rou1, setpoint));
    bool handedOver = false;
    demo.ui.setOnProcessEvents([&](int) {
        // ROU_1's state is known: its values are being read when ROU_4 is handed over.
        if (handedOver || panel(4).isEmpty())
            return;
        handedOver = true;
        open(rou4);
        EXPECT_EQ(window->session().currentDevice->name(), QStringLiteral("ROU_1"));
    });
    open(Rou1);
    demo.ui.setOnProcessEvents({});
    ASSERT_TRUE(handedOver);
    EXPECT_EQ(panel(1), QStringLiteral("ROU_1"));

    ASSERT_TRUE(QTest::qWaitFor([this] { return panel(1) == QStringLiteral("ROU_4"); }));
    EXPECT_EQ(window->session().currentDevice->name(), QStringLiteral("ROU_4"));
    EXPECT_EQ(panel(3), QStringLiteral("NeuronID:  ") + demo.device(rou4)->neuronId());
    expectCpBoxes(rou4);
    for (const auto& [position, box] : controls().txtNci.items())
        EXPECT_FALSE(change_marker::isMarked(box)) << position;
    EXPECT_FALSE(controls().cmdApply->isEnabled());
    EXPECT_FALSE(controls().cmdCancel->isEnabled());
}

TEST_F(MainWindowTest, UnreachableDeviceIgnoredHasItsCpsReadAndNoNvs)
{
    const QString rou3 = QStringLiteral("F1/ROU_3");
    demo.ui.expectMessage(QStringLiteral("ROU_3 did not respond: device is offline in InitDevice"),
                          QStringLiteral("fMain InitDevice"), UiServices::Icon::Critical,
                          UiServices::Buttons::AbortRetryIgnore, UiServices::Answer::Ignore);
    open(rou3);
    demo.ui.verifyAllShown();
    EXPECT_EQ(panel(4), QStringLiteral("ROU_3 did not respond: device is offlineinitDevice"));
    EXPECT_EQ(demo.points.nviCount, 0);
    EXPECT_EQ(demo.points.nvoCount, 0);
    EXPECT_TRUE(controls().txtNvi(0)->text().isEmpty());
    expectCpBoxes(rou3);
    EXPECT_EQ(panel(1), QStringLiteral("ROU_3"));
    // Ticked at the end of the command, and unticked again by monitoring: the device is not online.
    EXPECT_FALSE(controls().chkMonitor->isChecked());
}

TEST_F(MainWindowTest, OfflineDeviceAfterAnOnlineOneKeepsTheNvBoxes)
{
    const QString rou2 = QStringLiteral("F1/ROU_2");
    open(Rou1);
    const QString shown = controls().txtNvi(9)->text();
    demo.admin.setState(DemoSession::Network, rou2, 6);
    demo.admin.set(DemoSession::Network, rou2, QStringLiteral("F:0/C:3:42"), QStringLiteral("4"));
    open(rou2);
    EXPECT_EQ(panel(4), QStringLiteral("Cnfg Offline"));
    EXPECT_EQ(controls().txtNvi(9)->text(), shown);
    EXPECT_EQ(demo.points.nviCount, 26);
    EXPECT_EQ(controls().txtNci(1)->text(), QStringLiteral("4"));
    expectCpBoxes(rou2);
    EXPECT_FALSE(controls().txtNvi(9)->isEnabled());

    // Back on an online device, its inputs can be sent again.
    open(Rou1);
    EXPECT_EQ(panel(4), QStringLiteral("Cnfg Online"));
    for (QWidget* input :
         {static_cast<QWidget*>(controls().txtNvi(9)), static_cast<QWidget*>(controls().cmb_nvi(22)),
          static_cast<QWidget*>(controls().txttime(1))})
        EXPECT_TRUE(input->isEnabled()) << input->objectName().toStdString();
}

TEST_F(MainWindowTest, MissingDeviceEndsTheCommandWithAMessage)
{
    demo.ui.expectMessage(
        QStringLiteral("Error: ProcessDeviceCommand in fMain\r\nDevice not online? Press Ok to Resume..."),
        Title, UiServices::Icon::None, UiServices::Buttons::OkCancel, UiServices::Answer::Ok);
    std::shared_ptr<lns::AppDevice> none;
    PlugInCommand command = demo.commands.row(1);
    window->ProcessDeviceCommand(none, command);
    demo.ui.verifyAllShown();
    EXPECT_FALSE(controls().chkMonitor->isChecked());
    EXPECT_FALSE(demo.progress.splashVisible());
    EXPECT_EQ(window->session().lastCommandId, 10000);
}

TEST_F(MainWindowTest, UncommissionedDeviceIsNotAskedForItsState)
{
    // A state query would fail and show a box the script does not allow.
    demo.admin.failNext(DemoSession::Network, QStringLiteral("F2/ROU_5"), Operation::StateQuery, 1);
    open(QStringLiteral("F2/ROU_5"));
    EXPECT_EQ(panel(4), QStringLiteral("Not Commissioned yet"));
    EXPECT_FALSE(statusShown(QStringLiteral("testing the Device...")));
    EXPECT_EQ(demo.points.nviCount, 0);
    expectCpBoxes(QStringLiteral("F2/ROU_5"));
    EXPECT_EQ(panel(1), QStringLiteral("ROU_5"));
}

TEST_F(MainWindowTest, SystemOffNetSkipsTheDeviceTest)
{
    demo.admin.setSystemMode(DemoSession::Network, 1);
    open(Rou1);
    EXPECT_EQ(panel(4), QStringLiteral("Offnet"));
    EXPECT_FALSE(statusShown(QStringLiteral("testing the Device...")));
    EXPECT_EQ(demo.points.nviCount, 0);
    expectCpBoxes(Rou1);
}

TEST_F(MainWindowTest, StatesWithoutATextShowAQuestionMark)
{
    demo.admin.setState(DemoSession::Network, QStringLiteral("F1/ROU_2"), 5);
    open(QStringLiteral("F1/ROU_2"));
    EXPECT_EQ(panel(4), QStringLiteral("?"));

    demo.admin.setTestFlag(DemoSession::Network, Rou1, true);
    demo.admin.failNext(DemoSession::Network, Rou1, Operation::StateQuery, 1);
    open(Rou1);
    EXPECT_EQ(panel(4), QStringLiteral("?"));
    EXPECT_EQ(device_state::stateText(140), QStringLiteral("Cnfg Bypass"));
    EXPECT_EQ(device_state::stateText(3), QStringLiteral("App'less"));
}

TEST_F(MainWindowTest, FailedStateQueryIgnoredShowsTheErrorAsState)
{
    demo.admin.failNext(DemoSession::Network, Rou1, Operation::StateQuery, 1);
    demo.ui.setRelaxed(UiServices::Answer::Ignore);
    open(Rou1);
    ASSERT_EQ(demo.ui.messages().size(), 1);
    const UiServices::Message& box = demo.ui.messages().first();
    ASSERT_TRUE(box.text.endsWith(QStringLiteral(" in InitDevice")));
    EXPECT_EQ(box.title, QStringLiteral("fMain InitDevice"));
    EXPECT_EQ(box.icon, UiServices::Icon::Critical);
    EXPECT_EQ(box.buttons, UiServices::Buttons::AbortRetryIgnore);
    const QString description = box.text.chopped(14);
    EXPECT_EQ(panel(4), description + QStringLiteral("initDevice"));
    // Not online, so no NV was read; the CPs were.
    EXPECT_EQ(demo.points.nviCount, 0);
    expectCpBoxes(Rou1);
    EXPECT_FALSE(controls().chkMonitor->isChecked());
}

TEST_F(MainWindowTest, FailedStateQueryRetriedReadsTheState)
{
    demo.admin.failNext(DemoSession::Network, Rou1, Operation::StateQuery, 1);
    demo.ui.setRelaxed(UiServices::Answer::Retry);
    open(Rou1);
    EXPECT_EQ(demo.ui.messages().size(), 1);
    EXPECT_EQ(panel(4), QStringLiteral("Cnfg Online"));
    EXPECT_EQ(demo.points.nviCount, 26);
}

TEST_F(MainWindowTest, FailedStateQueryAbortedLeavesTheWindowClosed)
{
    demo.admin.failNext(DemoSession::Network, Rou1, Operation::StateQuery, 1);
    demo.ui.setRelaxed(UiServices::Answer::Abort);
    open(Rou1);
    EXPECT_EQ(demo.ui.messages().size(), 1);
    EXPECT_FALSE(controls().chkMonitor->isChecked());
    EXPECT_TRUE(panel(4).isEmpty());
    EXPECT_TRUE(controls().txtNci(1)->text().isEmpty());
    EXPECT_FALSE(demo.progress.progressVisible());
    EXPECT_FALSE(demo.progress.splashVisible());
}

TEST_F(MainWindowTest, FailedCpReadIgnoredKeepsTheModelValue)
{
    demo.admin.failNext(DemoSession::Network, Rou1, Operation::CpRead, 1);
    demo.ui.setRelaxed(UiServices::Answer::Ignore);
    open(Rou1);
    ASSERT_EQ(demo.ui.messages().size(), 1);
    const UiServices::Message& box = demo.ui.messages().first();
    EXPECT_TRUE(box.text.endsWith(QStringLiteral(" ReadInit")));
    EXPECT_EQ(box.title, QStringLiteral("fMain in ReadInitValues(fMain)"));
    EXPECT_EQ(box.icon, UiServices::Icon::Critical);
    EXPECT_EQ(box.buttons, UiServices::Buttons::AbortRetryIgnore);
    // The model read failed, the box read after it did not.
    EXPECT_TRUE(demo.points.cp(0).value.isNull());
    EXPECT_EQ(controls().txtNci(0)->text(), demo.value(Rou1, QStringLiteral("N:1/C:3:45")));
    EXPECT_EQ(demo.points.cp(1).value, demo.value(Rou1, QStringLiteral("F:0/C:3:42")));
    EXPECT_TRUE(controls().chkMonitor->isChecked());
}

TEST_F(MainWindowTest, FailedCpReadRetriedIsAskedAgain)
{
    demo.admin.failNext(DemoSession::Network, Rou1, Operation::CpRead, 1);
    demo.ui.setRelaxed(UiServices::Answer::Retry);
    open(Rou1);
    EXPECT_EQ(demo.ui.messages().size(), 1);
    EXPECT_EQ(demo.points.cp(0).value, demo.value(Rou1, QStringLiteral("N:1/C:3:45")));
    expectCpBoxes(Rou1);
}

TEST_F(MainWindowTest, FailedCpReadAbortedEndsTheCommand)
{
    demo.admin.failNext(DemoSession::Network, Rou1, Operation::CpRead, 1);
    demo.ui.setRelaxed(UiServices::Answer::Abort);
    open(Rou1);
    EXPECT_EQ(demo.ui.messages().size(), 1);
    EXPECT_FALSE(controls().chkMonitor->isChecked());
    EXPECT_EQ(panel(4), QStringLiteral("Cnfg Online"));
    EXPECT_TRUE(panel(1).isEmpty());
    EXPECT_EQ(demo.ui.pointer(), UiServices::Pointer::Default);
    EXPECT_FALSE(demo.progress.progressVisible());
    EXPECT_FALSE(controls().chkMonitor->isChecked());
}

// A device of the third program ID whose interface file lacks SCPToffsetTemp (CP position 59).
class LackingCpTest : public MainWindowTest
{
protected:
    void SetUp() override
    {
        QFile source(demo.home.path() + QStringLiteral("/Import/Korvandel/zep31/zep31_06.xif"));
        ASSERT_TRUE(source.open(QIODevice::ReadOnly));
        QStringList lines;
        for (const QString& line : QString::fromUtf8(source.readAll()).split(QLatin1Char('\n'))) {
            if (line.startsWith(QLatin1String("program-id ")))
                lines.append(QStringLiteral("program-id 9FFF3C0A00060414"));
            else if (line.startsWith(QLatin1String("template ")))
                lines.append(QStringLiteral("template Lacking"));
            else if (!line.startsWith(QLatin1String("cp nv:47 0:70 ")))
                lines.append(line);
        }
        const QString xif = demo.home.path() + QStringLiteral("/lacking.xif");
        QFile target(xif);
        ASSERT_TRUE(target.open(QIODevice::WriteOnly));
        target.write(lines.join(QLatin1Char('\n')).toUtf8());
        target.close();
        demo.connection.system->deviceTemplates()->add(QStringLiteral("Lacking"), 1)->importXif(xif);
        demo.admin.addDevice(DemoSession::Network, QStringLiteral("F1"), QStringLiteral("ROU_7"),
                             QStringLiteral("Lacking"), QString());
    }

    void expectMissing(UiServices::Answer answer)
    {
        demo.ui.expectMessage(
            QStringLiteral("The configuration property SCPToffsetTemp (N:47/C:0:70) was not found "
                           "on the device. ReadInit"),
            QStringLiteral("fMain in ReadInitValues(fMain)"), UiServices::Icon::Critical,
            UiServices::Buttons::AbortRetryIgnore, answer);
    }
};

TEST_F(LackingCpTest, IgnoredEachReadOfTheMissingCpIsReported)
{
    expectMissing(UiServices::Answer::Ignore);
    expectMissing(UiServices::Answer::Ignore);
    open(QStringLiteral("F1/ROU_7"));
    demo.ui.verifyAllShown();
    EXPECT_TRUE(controls().txtNci(59)->text().isEmpty());
    EXPECT_TRUE(demo.points.cp(59).value.isNull());
    EXPECT_EQ(controls().txtNci(58)->text(),
              demo.value(QStringLiteral("F1/ROU_7"), QStringLiteral("N:47/C:0:64")));
    EXPECT_EQ(controls().txtNci(60)->text(),
              demo.value(QStringLiteral("F1/ROU_7"), QStringLiteral("N:48/C:0:213")));
    EXPECT_EQ(panel(4), QStringLiteral("Cnfg Online"));
    EXPECT_TRUE(controls().chkMonitor->isChecked());
}

TEST_F(LackingCpTest, AbortedTheWindowStaysClosed)
{
    expectMissing(UiServices::Answer::Abort);
    open(QStringLiteral("F1/ROU_7"));
    demo.ui.verifyAllShown();
    EXPECT_FALSE(controls().chkMonitor->isChecked());
    EXPECT_TRUE(controls().txtNci(60)->text().isEmpty());
}

TEST_F(MainWindowTest, MissingResourceFilesAskBeforeGoingOn)
{
    ASSERT_TRUE(QDir(demo.home.path() + QStringLiteral("/Types")).removeRecursively());
    const QString question = QStringLiteral("The device resource files required for this device are not "
                                            "present in this enviroment. Browsing and data "
                                            "formating capabilities might be restricted to standard types "
                                            "and standard functional profile templates "
                                            "therefore. Do you wish to continue?");
    demo.ui.expectMessage(question, Title, UiServices::Icon::Warning, UiServices::Buttons::YesNo,
                          UiServices::Answer::No);
    open(Rou1);
    demo.ui.verifyAllShown();
    EXPECT_FALSE(controls().chkMonitor->isChecked());
    EXPECT_TRUE(panel(1).isEmpty());
    EXPECT_TRUE(demo.settings.lonWorksPath.isEmpty());
    EXPECT_FALSE(demo.progress.splashVisible());

    // Yes goes on without the look-up of the resource scopes.
    demo.ui.expectMessage(question, Title, UiServices::Icon::Warning, UiServices::Buttons::YesNo,
                          UiServices::Answer::Yes);
    open(Rou1);
    demo.ui.verifyAllShown();
    EXPECT_EQ(panel(4), QStringLiteral("Cnfg Online"));
    EXPECT_FALSE(statusShown(QStringLiteral("Complete DRF look-up in progress...")));
}

TEST_F(MainWindowTest, ResourceFilesAreCheckedOncePerProcess)
{
    open(Rou1);
    ASSERT_TRUE(window->session().resourceFilesFound);
    ASSERT_TRUE(QDir(demo.home.path() + QStringLiteral("/Types")).removeRecursively());
    // The look-up of the resource scopes now fails, so only its question comes.
    demo.ui.expectMessage(
        QStringLiteral("Unable to set the Mode for the LonMark Objects, do you want to proceed?"), Title,
        UiServices::Icon::Warning, UiServices::Buttons::YesNo, UiServices::Answer::Yes);
    open(QStringLiteral("F1/ROU_2"));
    demo.ui.verifyAllShown();
    EXPECT_EQ(panel(1), QStringLiteral("ROU_2"));
}

TEST_F(MainWindowTest, RemoteClientSkipsTheResourceScopes)
{
    demo.connection.RemoteClient = true;
    open(Rou1);
    EXPECT_FALSE(statusShown(QStringLiteral("Complete DRF look-up in progress...")));
    EXPECT_EQ(panel(4), QStringLiteral("Cnfg Online"));
}

TEST_F(MainWindowTest, ExitWithoutDirectorsEndsAtOnce)
{
    open(Rou1);
    controls().mnuExit->trigger();
    EXPECT_EQ(demo.endProgramCalls, 1);
    EXPECT_FALSE(window->isVisible());
    EXPECT_FALSE(demo.objectServer->isOpen());
    EXPECT_FALSE(demo.connection.ServerOpen);
    EXPECT_FALSE(demo.connection.NetworkOpen);
    EXPECT_EQ(demo.connection.system, nullptr);
    EXPECT_EQ(demo.connection.network, nullptr);
    EXPECT_EQ(window->session().currentDevice, nullptr);
}

TEST_F(MainWindowTest, ExitAsksWhileDirectorsHoldThePlugIn)
{
    open(Rou1);
    window->show();
    demo.connection.directorCount = 3;
    demo.ui.expectMessage(
        QStringLiteral("There are 3 directors using this plug-in.  Exiting may cause the "
                       "directors to experience errors.  Are you sure that you want to exit?"),
        Title, UiServices::Icon::None, UiServices::Buttons::YesNo, UiServices::Answer::No);
    // Closing the window is the exit command.
    window->close();
    demo.ui.verifyAllShown();
    EXPECT_EQ(demo.ui.messages().last().defaultButton, 1);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(demo.endProgramCalls, 0);

    demo.connection.directorCount = 1;
    demo.ui.expectMessage(
        QStringLiteral("A director is using this plug-in.  Exiting may cause the director to "
                       "experience errors.  Are you sure that you want to exit?"),
        Title, UiServices::Icon::None, UiServices::Buttons::YesNo, UiServices::Answer::Yes);
    window->mnuExit_Click();
    demo.ui.verifyAllShown();
    EXPECT_EQ(demo.endProgramCalls, 1);
    EXPECT_FALSE(window->isVisible());
}

TEST_F(MainWindowTest, MinimisedWindowIsCaptionedWithTheDevice)
{
    open(Rou1);
    window->showMinimized();
    EXPECT_EQ(window->windowTitle(), QStringLiteral("ROU_1"));
    window->showNormal();
    EXPECT_EQ(window->windowTitle(), MainWindow::Caption);
}

} // namespace
