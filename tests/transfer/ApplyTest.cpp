#include "transfer/ui/Apply.h"

#include "device/point_catalogue/PointCatalogue.h"
#include "device/ui/MainWindow.h"
#include "host/Log.h"
#include "host/object_server/Error.h"
#include "support/DemoSession.h"
#include "transfer/DeviceTransfer.h"
#include "transfer/TransferState.h"
#include "transfer/ui/CancelEdits.h"
#include "transfer/ui/TransferStatus.h"
#include "transfer/ui/fStatus.h"
#include "ui/ChangeMarker.h"
#include "ui/StatusPanels.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

using change_marker::isMarked;
using Operation = lnssim::PlatformAdmin::Operation;

const QString Rou1 = QStringLiteral("F1/ROU_1");
const QString Rou2 = QStringLiteral("F1/ROU_2");
const QString Rou4 = QStringLiteral("F2/ROU_4");

using namespace point_catalogue;
constexpr int MaxSendTime = cp::ofSwitch(0, cp::MaxSendTime); // F:1/C:0:49, SNVT_time_sec
constexpr int MinSendTime = cp::SpaceTempMinSendTime;         // N:47/C:0:52, a CP of an NV
constexpr int OffsetTemp = cp::OffsetTemp;                    // the one CP that is never synchronised
constexpr int BacklightMin = cp::BacklightMin;                // two elements
constexpr int SetpointInput = nvi::TempSetpoint;
// Failures of one call that the transfer repeats silently; one more asks.
constexpr int SilentRetries = DeviceTransfer::Retries.silentRetries; // a plain number

class RecordingStatus final : public TransferStatus
{
public:
    void start(int deviceCount, int) override { started.append(deviceCount); }
    void setDevice(int device) override
    {
        devices.append(device);
        if (onDevice)
            onDevice(device);
    }
    void setParameter(int) override {}
    void setEstimate(qint64 seconds) override { estimates.append(seconds); }
    void finish() override { ++finished; }

    QList<int> started;
    QList<int> devices;
    QList<qint64> estimates;
    int finished = 0;
    std::function<void(int)> onDevice;
};

// The window on ROU_1 of the demo network with its editors, and apply and cancel over its
// controls; the window's procedures they call are recorded.
class ApplyTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        window->show();
        demo.open(*window, Rou1);
        log().clear();
    }

    MainControls& c() { return window->controls(); }
    Log& log() { return *c().echLog; }
    QStringList logLines()
    {
        QStringList lines;
        for (const Log::Entry& entry : log().entries())
            lines.append(entry.text);
        return lines;
    }
    QString value(const QString& path, int cp) { return demo.value(path, demo.points.cp(cp).id); }
    // A number as the server writes it, with the user's separator.
    QString n(const char* text) const
    {
        return QString::fromLatin1(text).replace(QLatin1Char('.'), demo.settings.decimalSeparator);
    }
    void edit(QLineEdit* field, const QString& text)
    {
        field->setFocus();
        field->selectAll();
        QTest::keyClick(field, Qt::Key_Backspace);
        QTest::keyClicks(field, text);
    }

    // The one line a transfer to chosen devices ends with, in the status bar.
    QString statusSummary() const
    {
        const auto* label =
            window->controls().PlugInStatus->findChild<QLabel*>(QStringLiteral("PlugInStatus.Summary"));
        return label && label->isVisibleTo(window.get()) ? label->text() : QString();
    }
    void expectOfflineDevice(const QString& device)
    {
        demo.ui.expectMessage(QStringLiteral("Error updating \r\n") + device +
                                  QStringLiteral(" did not respond: device is offline in cmdApply(fMain)"),
                              QStringLiteral("fMain cmdApply_Click"), UiServices::Icon::Information,
                              UiServices::Buttons::AbortRetryIgnore, UiServices::Answer::Ignore);
    }

    void expectQuestion(UiServices::Answer answer)
    {
        demo.ui.expectMessage(QStringLiteral("Transmit parameters to the current Device ?"),
                              QStringLiteral(" ! No Device selected !"), UiServices::Icon::None,
                              UiServices::Buttons::YesNo, answer);
    }
    void expectFailedCpWrite(const QString& device, UiServices::Answer answer)
    {
        demo.ui.expectMessage(
            QStringLiteral("Error updating \r\n") + device +
                QStringLiteral(" did not respond to the CP write: injected fault in cmdApply(fMain)"),
            QStringLiteral("fMain cmdApply_Click"), UiServices::Icon::Information,
            UiServices::Buttons::AbortRetryIgnore, answer);
    }

    // Chooses devices as the selection window's Done does.
    void choose(const QStringList& paths)
    {
        transfer.deviceTemplate =
            demo.connection.system->deviceTemplates()->findByProgramId(demo.device(Rou1)->programId());
        const std::shared_ptr<lns::AppDevices> devices = transfer.deviceTemplate->devices();
        for (const QString& path : paths) {
            const std::shared_ptr<lns::AppDevice> wanted = demo.device(path);
            for (int item = 1; item <= devices->count(); ++item)
                if (devices->item(item)->neuronId() == wanted->neuronId())
                    transfer.selectedDevices.push_back({wanted->name(), item, wanted->neuronId()});
        }
        transfer.deviceListBuilt = true;
    }

    DemoSession demo;
    std::unique_ptr<MainWindow> window = std::make_unique<MainWindow>(demo.context);
    TransferState transfer;
    RecordingStatus status;
    QList<bool> monitorCalls;
    bool synchronise = false;
    int knotenResets = 0;
    QList<bool> runningCalls;
    Apply apply{demo.context,
                window->controls(),
                window->session(),
                window->editorState(),
                transfer,
                status,
                {[this](bool on) {
                     monitorCalls.append(on);
                     return true;
                 },
                 [this] { return synchronise; }, [this] { ++knotenResets; },
                 [this] { window->func_red_field(); },
                 [this](bool running) { runningCalls.append(running); }}};
    CancelEdits cancel{demo.context,
                       window->controls(),
                       window->session(),
                       transfer,
                       {[this] {
                            ++knotenResets;
                            transfer.selectedDevices.clear();
                        },
                        [this] { transfer.selectedDevices.clear(); }, [this] { window->func_red_field(); }}};
};

TEST_F(ApplyTest, NothingMarkedWritesNothingAndAsksNothing)
{
    apply.cmdApply_Click();
    EXPECT_TRUE(log().entries().isEmpty());
    EXPECT_FALSE(c().cmdApply->isEnabled());
    EXPECT_EQ(monitorCalls, (QList<bool>{false, true}));
    EXPECT_EQ(runningCalls, (QList<bool>{true, false}));
}

TEST_F(ApplyTest, MarkedNvInputGoesToTheCurrentDeviceWithoutAQuestion)
{
    edit(c().txtNvi(SetpointInput), QStringLiteral("23"));
    ASSERT_TRUE(isMarked(c().txtNvi(SetpointInput)));
    apply.cmdApply_Click();

    const QString name = demo.points.nvi(SetpointInput).name;
    const QString stored = demo.value(Rou1, name);
    EXPECT_EQ(logLines(),
              (QStringList{QString(), QStringLiteral("writing Networkvariables.."), QString(),
                           QStringLiteral("F1 : ROU_1:  ") + name + QStringLiteral(" = ") + stored}));
    EXPECT_FALSE(isMarked(c().txtNvi(SetpointInput)));
    EXPECT_EQ(demo.points.nvi(SetpointInput).value, c().txtNvi(SetpointInput)->text());
    EXPECT_FALSE(c().cmdApply->isEnabled());
}

TEST_F(ApplyTest, CurrentDeviceAfterTheQuestion)
{
    edit(c().txtNci(MaxSendTime), QStringLiteral("12"));
    expectQuestion(UiServices::Answer::No);
    apply.cmdApply_Click();
    EXPECT_NE(value(Rou1, MaxSendTime), n("12.0"));
    EXPECT_TRUE(isMarked(c().txtNci(MaxSendTime)));
    EXPECT_TRUE(c().cmdApply->isEnabled());
    EXPECT_TRUE(log().entries().isEmpty());

    expectQuestion(UiServices::Answer::Yes);
    apply.cmdApply_Click();
    EXPECT_EQ(value(Rou1, MaxSendTime), n("12.0"));
    EXPECT_EQ(logLines(), (QStringList{QString(), QStringLiteral("writing Parameters..."), QString(),
                                       QStringLiteral("F1 : ROU_1: SCPTmaxSendTime = ") + n("12.0")}));
    EXPECT_FALSE(isMarked(c().txtNci(MaxSendTime)));
    EXPECT_FALSE(c().cmdApply->isEnabled());
}

TEST_F(ApplyTest, SynchronisingSendsEveryGeneralCpToEveryChosenDevice)
{
    const QString offsetBefore = value(Rou2, OffsetTemp);
    edit(c().txtNci(MaxSendTime), QStringLiteral("33"));
    edit(c().txtNci(OffsetTemp), QStringLiteral("1"));
    // The selection window always includes the current device.
    choose({Rou1, Rou2, Rou4});
    synchronise = true;
    apply.cmdApply_Click();

    for (const QString& path : {Rou2, Rou4}) {
        for (int cp = 0; cp < demo.points.cpCount; ++cp) {
            if (cp == OffsetTemp)
                continue;
            EXPECT_EQ(value(path, cp), value(Rou1, cp)) << path.toStdString() << " " << cp;
        }
    }
    EXPECT_EQ(value(Rou2, MaxSendTime), n("33.0"));
    EXPECT_EQ(value(Rou2, OffsetTemp), offsetBefore);
    const QStringList lines = logLines();
    EXPECT_EQ(lines.count(QStringLiteral("SCPToffsetTemp not possible to synchronize !")), 3);
    EXPECT_EQ(lines.count(QStringLiteral("writing Parameters...")), 3);
    EXPECT_EQ(lines.count(QStringLiteral("to disable 'sync. Devices'. ")), 1);
    EXPECT_TRUE(lines.contains(QStringLiteral("F2 : ROU_4 :   SCPTmaxSendTime  =  ") + n("33.0")));
    EXPECT_TRUE(isMarked(c().txtNci(OffsetTemp)));
    EXPECT_FALSE(isMarked(c().txtNci(MaxSendTime)));
    EXPECT_TRUE(c().cmdApply->isEnabled());
    EXPECT_EQ(status.devices, (QList<int>{1, 2, 3}));
    EXPECT_EQ(status.finished, 1);
}

TEST_F(ApplyTest, ChangedOnlyWritesTheMarkedCpsToEachDeviceAndResolvesOnTheTarget)
{
    const QString otherBefore = value(Rou2, 9);
    const QString currentMinSend = value(Rou1, MinSendTime);
    edit(c().txtNci(MaxSendTime), QStringLiteral("44"));
    edit(c().txtNci(MinSendTime), QStringLiteral("3"));
    choose({Rou2, Rou4});
    apply.cmdApply_Click();

    for (const QString& path : {Rou2, Rou4}) {
        EXPECT_EQ(value(path, MaxSendTime), n("44.0"));
        // A CP of an NV is the target's own, not the current device's.
        EXPECT_EQ(value(path, MinSendTime), n("3.0"));
    }
    EXPECT_EQ(value(Rou1, MinSendTime), currentMinSend);
    EXPECT_EQ(value(Rou2, 9), otherBefore);
    EXPECT_EQ(logLines().count(QStringLiteral("writing Parameters...")), 1);
    EXPECT_FALSE(isMarked(c().txtNci(MaxSendTime)));
    // The value read back, as a field of whole numbers shows it.
    EXPECT_EQ(c().txtNci(MaxSendTime)->text(), QStringLiteral("44"));
    EXPECT_FALSE(c().cmdApply->isEnabled());
}

TEST_F(ApplyTest, SilentRetriesPerCallThenTheUserDecides)
{
    edit(c().txtNci(MaxSendTime), QStringLiteral("21"));
    choose({Rou2});
    demo.admin.failNext(DemoSession::Network, Rou2, Operation::CpWrite, SilentRetries);
    apply.cmdApply_Click();
    EXPECT_EQ(value(Rou2, MaxSendTime), n("21.0"));
    EXPECT_EQ(logLines().filter(QStringLiteral("  repeating...")).size(), SilentRetries);

    // The next failure asks; Retry sends the text the user typed, not the old value.
    edit(c().txtNci(MaxSendTime), QStringLiteral("22"));
    demo.admin.failNext(DemoSession::Network, Rou2, Operation::CpWrite, SilentRetries + 1);
    expectFailedCpWrite(QStringLiteral("ROU_2"), UiServices::Answer::Retry);
    apply.cmdApply_Click();
    EXPECT_EQ(value(Rou2, MaxSendTime), n("22.0"));
    EXPECT_FALSE(isMarked(c().txtNci(MaxSendTime)));
}

TEST_F(ApplyTest, IgnoreLeavesThePointMarkedAndUnreported)
{
    const QString before = value(Rou1, MaxSendTime);
    edit(c().txtNci(MaxSendTime), QStringLiteral("17"));
    demo.admin.failNext(DemoSession::Network, Rou1, Operation::CpWrite, SilentRetries + 1);
    expectQuestion(UiServices::Answer::Yes);
    expectFailedCpWrite(QStringLiteral("ROU_1"), UiServices::Answer::Ignore);
    apply.cmdApply_Click();

    EXPECT_EQ(value(Rou1, MaxSendTime), before);
    EXPECT_EQ(demo.points.cp(MaxSendTime).value, before);
    EXPECT_TRUE(isMarked(c().txtNci(MaxSendTime)));
    EXPECT_EQ(c().txtNci(MaxSendTime)->text(), QStringLiteral("17"));
    EXPECT_TRUE(c().cmdApply->isEnabled());
    EXPECT_TRUE(logLines().contains(QStringLiteral("F1 : ROU_1: SCPTmaxSendTime not written")));
    EXPECT_FALSE(logLines().contains(QStringLiteral("F1 : ROU_1: SCPTmaxSendTime = 17")));
    // No synchronisation ran, so nothing is explained as device-specific.
    EXPECT_FALSE(logLines().contains(QStringLiteral("to disable 'sync. Devices'. ")));
}

// A synchronised CP stays marked until every chosen device took it, and the transfer ends with
// one line saying how many devices have the values.
TEST_F(ApplyTest, ASynchronisedCpStaysMarkedUntilEveryChosenDeviceTookIt)
{
    edit(c().txtNci(MaxSendTime), QStringLiteral("33"));
    choose({Rou1, Rou2, Rou4});
    synchronise = true;
    demo.admin.setUnreachable(DemoSession::Network, Rou4, true);
    expectOfflineDevice(QStringLiteral("ROU_4"));
    apply.cmdApply_Click();
    EXPECT_EQ(value(Rou2, MaxSendTime), n("33.0"));
    EXPECT_TRUE(isMarked(c().txtNci(MaxSendTime)));
    EXPECT_EQ(c().txtNci(MaxSendTime)->text(), QStringLiteral("33"));
    EXPECT_TRUE(c().cmdApply->isEnabled());
    const QString partly = QStringLiteral("2 of 3 devices written, 1 skipped");
    EXPECT_EQ(logLines().constLast(), partly);
    EXPECT_EQ(statusSummary(), partly);
    // Only a device-specific CP the user changed is explained, and the offset is untouched.
    EXPECT_FALSE(logLines().contains(QStringLiteral("to disable 'sync. Devices'. ")));

    demo.admin.setUnreachable(DemoSession::Network, Rou4, false);
    log().clear();
    apply.cmdApply_Click();
    EXPECT_EQ(value(Rou4, MaxSendTime), n("33.0"));
    EXPECT_FALSE(isMarked(c().txtNci(MaxSendTime)));
    EXPECT_EQ(c().txtNci(MaxSendTime)->text(), n("33"));
    EXPECT_FALSE(c().cmdApply->isEnabled());
    EXPECT_EQ(statusSummary(), QStringLiteral("3 of 3 devices written, 0 skipped"));
}

// A device that is not commissioned takes the CPs into the network database only, and says so.
TEST_F(ApplyTest, ADeviceNotCommissionedHoldsTheValuesInTheDatabaseOnly)
{
    const QString rou5 = QStringLiteral("F2/ROU_5");
    edit(c().txtNci(MaxSendTime), QStringLiteral("34"));
    choose({Rou4, rou5});
    apply.cmdApply_Click();
    EXPECT_EQ(value(rou5, MaxSendTime), n("34.0"));
    const QStringList lines = logLines();
    EXPECT_TRUE(
        lines.contains(QStringLiteral("F2 : ROU_5: stored in the database only (device not commissioned)")));
    EXPECT_TRUE(lines.filter(QStringLiteral("ROU_4: stored in the database only")).isEmpty());
    const QString summary = QStringLiteral("1 of 2 devices written, 0 skipped, 1 stored in the database only "
                                           "(device not commissioned or not online)");
    EXPECT_EQ(lines.constLast(), summary);
    EXPECT_EQ(statusSummary(), summary);
    EXPECT_FALSE(isMarked(c().txtNci(MaxSendTime)));
}

TEST_F(ApplyTest, AbortLeavesAndResetsTheSelection)
{
    edit(c().txtNci(MaxSendTime), QStringLiteral("19"));
    choose({Rou2, Rou4});
    demo.admin.failNext(DemoSession::Network, Rou2, Operation::CpWrite, SilentRetries + 1);
    expectFailedCpWrite(QStringLiteral("ROU_2"), UiServices::Answer::Abort);
    apply.cmdApply_Click();
    EXPECT_NE(value(Rou4, MaxSendTime), n("19.0"));
    EXPECT_EQ(knotenResets, 1);
    EXPECT_EQ(status.finished, 1);
    EXPECT_TRUE(isMarked(c().txtNci(MaxSendTime)));
    EXPECT_TRUE(c().cmdApply->isEnabled());
}

// Closing the status as the first device ends starts no more devices; a set under way on the
// other floor's channel ends whole. Which devices got the set depends on who ended first, so the
// log, the summary and the database must agree device by device.
TEST_F(ApplyTest, ClosingTheStatusLetsTheSetsUnderWayEndAndStartsNoMore)
{
    edit(c().txtNci(MaxSendTime), QStringLiteral("27"));
    synchronise = true;
    status.onDevice = [this](int device) {
        if (device == 2)
            transfer.transferCancelled = true;
    };
    // One channel: the second device waits for the first, so it is never started.
    choose({Rou2, Rou1});
    apply.cmdApply_Click();
    EXPECT_EQ(value(Rou2, MaxSendTime), n("27.0"));
    EXPECT_NE(value(Rou1, MaxSendTime), n("27.0"));

    log().clear();
    edit(c().txtNci(MaxSendTime), QStringLiteral("28"));
    transfer.selectedDevices.clear();
    choose({Rou2, Rou1, Rou4});
    apply.cmdApply_Click();
    const QStringList lines = logLines();
    int written = 0;
    for (const QString& path : {Rou2, Rou1, Rou4}) {
        const bool logged = lines.contains(path.section(QLatin1Char('/'), 0, 0) + QStringLiteral(" : ") +
                                           path.section(QLatin1Char('/'), 1) +
                                           QStringLiteral(" :   SCPTmaxSendTime  =  ") + n("28.0"));
        EXPECT_EQ(value(path, MaxSendTime) == n("28.0"), logged) << path.toStdString();
        written += logged ? 1 : 0;
    }
    EXPECT_GE(written, 1);
    EXPECT_LE(written, 2);
    EXPECT_EQ(lines.constLast(),
              QStringLiteral("%1 of 3 devices written, %2 skipped").arg(written).arg(3 - written));
    EXPECT_TRUE(isMarked(c().txtNci(MaxSendTime)));
    EXPECT_FALSE(transfer.transferCancelled);
    EXPECT_FALSE(transfer.transferRunning);
}

TEST_F(ApplyTest, DevicesThatCannotBeWrittenAreReportedAndSkipped)
{
    edit(c().txtNci(MaxSendTime), QStringLiteral("29"));
    choose({Rou2, Rou4});
    demo.admin.setUnreachable(DemoSession::Network, Rou2, true);
    demo.ui.expectMessage(
        QStringLiteral("Error updating \r\nROU_2 did not respond: device is offline in cmdApply(fMain)"),
        QStringLiteral("fMain cmdApply_Click"), UiServices::Icon::Information,
        UiServices::Buttons::AbortRetryIgnore, UiServices::Answer::Ignore);
    apply.cmdApply_Click();
    EXPECT_NE(value(Rou2, MaxSendTime), n("29.0"));
    EXPECT_EQ(value(Rou4, MaxSendTime), n("29.0"));
    EXPECT_FALSE(logLines().filter(QStringLiteral("ROU_2")).filter(QStringLiteral("skipped")).isEmpty());
    // ROU_2 did not get it, so the edit stays to be applied again.
    EXPECT_TRUE(isMarked(c().txtNci(MaxSendTime)));

    // A chosen device that is no longer the one at its place is not written.
    demo.admin.setUnreachable(DemoSession::Network, Rou2, false);
    transfer.selectedDevices.front().neuronId = QStringLiteral("000000000000");
    log().clear();
    apply.cmdApply_Click();
    EXPECT_NE(value(Rou2, MaxSendTime), n("29.0"));
    EXPECT_EQ(logLines().filter(QStringLiteral("no longer the device chosen")).size(), 1);
}

TEST_F(ApplyTest, BacklightElementsKeepTheirDecimals)
{
    const QString separator = demo.settings.decimalSeparator;
    // Loaded or read values may carry decimals the key filter would not let anyone type.
    c().txtNci(100)->setText(QStringLiteral("20") + separator + QStringLiteral("5"));
    ASSERT_TRUE(isMarked(c().txtNci(BacklightMin)));
    expectQuestion(UiServices::Answer::Yes);
    apply.cmdApply_Click();
    EXPECT_EQ(demo.value(Rou1, demo.points.cp(BacklightMin).id, 0),
              QStringLiteral("20") + separator + QStringLiteral("5"));
    EXPECT_EQ(DeviceTransfer::backlightElement(QStringLiteral("20.5"), QStringLiteral(",")),
              QStringLiteral("20,5"));
    EXPECT_EQ(DeviceTransfer::backlightElement(QStringLiteral("20,5 %"), QStringLiteral(".")),
              QStringLiteral("20.5"));
    EXPECT_EQ(DeviceTransfer::backlightElement(QStringLiteral("abc"), QStringLiteral(",")),
              QStringLiteral("0"));
}

TEST_F(ApplyTest, ASecondClickWhileTransferringStartsNothing)
{
    edit(c().txtNci(MaxSendTime), QStringLiteral("31"));
    choose({Rou2, Rou4});
    int inner = 0;
    status.onDevice = [&](int) {
        apply.cmdApply_Click();
        cancel.cmdCancel_Click();
        ++inner;
    };
    apply.cmdApply_Click();
    EXPECT_EQ(inner, 2);
    EXPECT_EQ(status.started.size(), 1);
    EXPECT_EQ(value(Rou4, MaxSendTime), n("31.0"));
}

TEST_F(ApplyTest, CancelPutsTheReadValuesBackAndDropsTheSelection)
{
    const QString cpBefore = c().txtNci(MaxSendTime)->text();
    const QString nvBefore = c().txtNvi(SetpointInput)->text();
    edit(c().txtNci(MaxSendTime), QStringLiteral("55"));
    edit(c().txtNvi(SetpointInput), QStringLiteral("25"));
    edit(c().txtNcielement(3), QStringLiteral("01 02 03 04"));
    choose({Rou2});
    cancel.cmdCancel_Click();

    EXPECT_EQ(c().txtNci(MaxSendTime)->text(), cpBefore);
    EXPECT_EQ(c().txtNvi(SetpointInput)->text(), nvBefore);
    EXPECT_EQ(c().txtNcielement(3)->text(), demo.value(Rou1, QStringLiteral("F:0/C:3:44"), 3));
    for (QLineEdit* field :
         {c().txtNci(MaxSendTime), c().txtNvi(SetpointInput), c().txtNcielement(3), c().txtNci(2)})
        EXPECT_FALSE(isMarked(field)) << field->objectName().toStdString();
    EXPECT_FALSE(c().cmdApply->isEnabled());
    EXPECT_TRUE(transfer.selectedDevices.empty());
    EXPECT_EQ(knotenResets, 1);
}

} // namespace

// One hundred more devices of ROU_1's program ID in their own subsystem, all chosen.
class ManyDevicesTest : public ApplyTest
{
protected:
    static constexpr int Count = 100;

    void SetUp() override
    {
        const QString programId = demo.device(Rou1)->programId();
        demo.admin.addSubsystem(DemoSession::Network, QStringLiteral("Bench"));
        for (int n = 1; n <= Count; ++n)
            demo.admin.addDevice(DemoSession::Network, QStringLiteral("Bench"), name(n), QString(),
                                 programId);
        ApplyTest::SetUp();
        QStringList paths;
        for (int n = 1; n <= Count; ++n)
            paths.append(QStringLiteral("Bench/") + name(n));
        choose(paths);
        synchronise = true;
    }

    static QString name(int n) { return QStringLiteral("B_%1").arg(n); }

    // What the log must say about device n: the header, then each CP with the value the
    // network database holds now, in catalogue order.
    QStringList expectedLines(int n)
    {
        QStringList lines{QString(), QStringLiteral("writing Parameters..."), QString()};
        for (int cp = 0; cp < demo.points.cpCount; ++cp) {
            const CpEntry& entry = demo.points.cp(cp);
            lines.append(entry.syncable
                             ? QStringLiteral("Bench : ") + name(n) + QStringLiteral(" :   ") + entry.name +
                                   QStringLiteral("  =  ") + value(QStringLiteral("Bench/") + name(n), cp)
                             : entry.name + QStringLiteral(" not possible to synchronize !"));
        }
        return lines;
    }

    void expectEveryDeviceSynchronised()
    {
        for (int n = 1; n <= Count; ++n) {
            const QString path = QStringLiteral("Bench/") + name(n);
            for (int cp = 0; cp < demo.points.cpCount; ++cp) {
                if (!demo.points.cp(cp).syncable)
                    continue;
                EXPECT_EQ(value(path, cp), value(Rou1, cp)) << n << " " << cp;
            }
        }
    }
};

TEST_F(ManyDevicesTest, TheLogAndTheNetworkDatabaseAgreeDeviceByDevice)
{
    edit(c().txtNci(MaxSendTime), QStringLiteral("41"));
    apply.cmdApply_Click();
    // ROU_1's own CPs (in the box now) are what every chosen device holds.
    demo.admin.set(DemoSession::Network, Rou1, demo.points.cp(MaxSendTime).id,
                   c().txtNci(MaxSendTime)->text());
    expectEveryDeviceSynchronised();
    const QStringList lines = logLines();
    const int perDevice = 3 + demo.points.cpCount;
    for (int n = 1; n <= Count; ++n)
        EXPECT_EQ(lines.mid((n - 1) * perDevice, perDevice), expectedLines(n)) << n;
}

TEST_F(ManyDevicesTest, RareFailuresAreRepeatedSilentlyUntilEveryDeviceHasTheValues)
{
    for (int n = 1; n <= Count; ++n)
        demo.admin.setFailureRate(DemoSession::Network, QStringLiteral("Bench/") + name(n), 0.1);
    // Six failures of one call in a row are rare but possible: the user would answer Retry.
    demo.ui.setRelaxed(UiServices::Answer::Retry);
    edit(c().txtNci(MaxSendTime), QStringLiteral("43"));
    apply.cmdApply_Click();
    demo.admin.set(DemoSession::Network, Rou1, demo.points.cp(MaxSendTime).id,
                   c().txtNci(MaxSendTime)->text());
    expectEveryDeviceSynchronised();
    EXPECT_FALSE(logLines().filter(QStringLiteral("  repeating...")).isEmpty());
    EXPECT_TRUE(logLines().filter(QStringLiteral("not written")).isEmpty());
}

// Synchronising devices of three channels, each device's CPs as one set: the log names every CP
// as before; a device that does not answer and one whose set keeps failing are skipped and named,
// and each keeps its old values whole.
class ChannelSyncTest : public ManyDevicesTest
{
protected:
    void SetUp() override
    {
        const QString programId = demo.device(Rou1)->programId();
        demo.admin.addSubsystem(DemoSession::Network, QStringLiteral("Bench"));
        for (int channel = 1; channel <= 3; ++channel)
            demo.admin.addChannel(DemoSession::Network, QStringLiteral("C%1").arg(channel));
        for (int n = 1; n <= Devices; ++n)
            demo.admin.addDevice(DemoSession::Network, QStringLiteral("Bench"), name(n), QString(), programId,
                                 4, true, QStringLiteral("C%1").arg((n - 1) % 3 + 1));
        ApplyTest::SetUp();
        QStringList paths;
        for (int n = 1; n <= Devices; ++n)
            paths.append(QStringLiteral("Bench/") + name(n));
        choose(paths);
        synchronise = true;
    }

    static constexpr int Devices = 6;
};

TEST_F(ChannelSyncTest, EveryCpIsLoggedAndAFailedDeviceIsNamedAndKeepsItsValues)
{
    const QString offline = QStringLiteral("Bench/B_3");
    const QString failing = QStringLiteral("Bench/B_5");
    demo.admin.setUnreachable(DemoSession::Network, offline, true);
    demo.admin.failNext(DemoSession::Network, failing, Operation::CpWrite, 100);
    const QString offlineBefore = value(offline, MaxSendTime);
    const QString failingBefore = value(failing, MaxSendTime);
    demo.ui.setRelaxed(UiServices::Answer::Ignore);
    edit(c().txtNci(MaxSendTime), QStringLiteral("47"));
    apply.cmdApply_Click();
    demo.admin.set(DemoSession::Network, Rou1, demo.points.cp(MaxSendTime).id,
                   c().txtNci(MaxSendTime)->text());

    const QStringList lines = logLines();
    for (int n = 1; n <= Devices; ++n) {
        const QString path = QStringLiteral("Bench/") + name(n);
        if (path == offline || path == failing)
            continue;
        const QStringList expected = expectedLines(n);
        const qsizetype start = lines.indexOf(expected.at(3));
        ASSERT_GE(start, 3) << n;
        EXPECT_EQ(lines.mid(start - 3, expected.size()), expected) << n;
        for (int cp = 0; cp < demo.points.cpCount; ++cp)
            if (demo.points.cp(cp).syncable) {
                EXPECT_EQ(value(path, cp), value(Rou1, cp)) << n << " " << cp;
            }
    }
    EXPECT_TRUE(lines.contains(QStringLiteral("Bench : B_3: skipped")));
    EXPECT_EQ(value(offline, MaxSendTime), offlineBefore);
    // The set that failed left nothing behind, and the log says so CP by CP.
    EXPECT_EQ(value(failing, MaxSendTime), failingBefore);
    EXPECT_NE(value(failing, MaxSendTime), value(Rou1, MaxSendTime));
    EXPECT_TRUE(lines.contains(QStringLiteral("Bench : B_5: SCPTmaxSendTime not written")));
    EXPECT_TRUE(lines.filter(QStringLiteral("Bench : B_5 :   ")).isEmpty());
    // Neither device took the edits, so they stay to be applied again.
    EXPECT_TRUE(isMarked(c().txtNci(MaxSendTime)));
}

// The status counts down what the channel model says the busiest channel still has to carry.
TEST_F(ChannelSyncTest, TheTimeLeftComesFromTheChannelModel)
{
    demo.admin.setTransactionTime(DemoSession::Network, 11);
    edit(c().txtNci(MaxSendTime), QStringLiteral("48"));
    apply.cmdApply_Click();
    ASSERT_EQ(status.estimates.size(), Devices + 1);
    EXPECT_GT(status.estimates.constFirst(), 0);
    EXPECT_TRUE(std::is_sorted(status.estimates.rbegin(), status.estimates.rend()));
    EXPECT_EQ(status.estimates.constLast(), 0);
    EXPECT_EQ(status.devices, (QList<int>{1, 2, 3, 4, 5, 6}));
}

// Abort for one device's set stops its channel at once and the others after their sets.
TEST_F(ChannelSyncTest, AbortStopsEveryChannelAndResetsTheSelection)
{
    demo.admin.failNext(DemoSession::Network, QStringLiteral("Bench/B_2"), Operation::CpWrite, 100);
    demo.ui.setRelaxed(UiServices::Answer::Abort);
    edit(c().txtNci(MaxSendTime), QStringLiteral("46"));
    apply.cmdApply_Click();
    for (const char* path : {"Bench/B_2", "Bench/B_5"})
        EXPECT_NE(value(QString::fromLatin1(path), MaxSendTime), n("46.0")) << path;
    EXPECT_EQ(demo.ui.messages().size(), 1);
    EXPECT_EQ(knotenResets, 1);
    EXPECT_TRUE(isMarked(c().txtNci(MaxSendTime)));
    EXPECT_FALSE(transfer.transferRunning);
}

TEST_F(ChannelSyncTest, AWorkerThatCannotOpenTheNetworkWritesNothingAndSaysWhy)
{
    const QString before = value(QStringLiteral("Bench/B_1"), MaxSendTime);
    demo.context.openObjectServer = []() -> std::unique_ptr<lns::ObjectServer> {
        throw lns::Error(lns::errors::Database, QStringLiteral("database is locked"));
    };
    edit(c().txtNci(MaxSendTime), QStringLiteral("49"));
    apply.cmdApply_Click();
    const QStringList lines = logLines();
    EXPECT_TRUE(
        lines.contains(QStringLiteral("A second connection to the network could not be opened (database "
                                      "is locked); the devices not reached were not written.")));
    EXPECT_EQ(lines.constLast(), QStringLiteral("0 of 6 devices written, 6 skipped"));
    EXPECT_EQ(value(QStringLiteral("Bench/B_1"), MaxSendTime), before);
    EXPECT_TRUE(isMarked(c().txtNci(MaxSendTime)));
    EXPECT_FALSE(transfer.transferRunning);
}

// The window's own Apply, clicked, with the devices chosen in the window's transfer state.
class WindowTransferTest : public ApplyTest
{
protected:
    void chooseInWindow(const QStringList& paths)
    {
        choose(paths);
        window->transfer().deviceTemplate = transfer.deviceTemplate;
        window->transfer().selectedDevices = transfer.selectedDevices;
        window->transfer().deviceListBuilt = true;
    }
};

TEST_F(WindowTransferTest, WhileTransferringNothingElseStartsAndTheNextDeviceWaits)
{
    edit(c().txtNci(MaxSendTime), QStringLiteral("38"));
    chooseInWindow({Rou1, Rou2});
    bool checked = false;
    demo.ui.setOnProcessEvents([&](int) {
        if (checked || !window->transfer().transferRunning)
            return;
        checked = true;
        for (QAction* action :
             {c().mnuParameter_laden, c().mnuParameter_speichern, c().mnuDrucken, c().mnuExit})
            EXPECT_FALSE(action->isEnabled()) << action->objectName().toStdString();
        EXPECT_FALSE(c().cmdApply->isEnabled());
        EXPECT_FALSE(c().cmdCancel->isEnabled());
        EXPECT_FALSE(c().cmdGerAuswahl->isEnabled());
        // A director hands over another device in the middle.
        demo.open(*window, Rou4);
        EXPECT_EQ(window->session().currentDevice->name(), QStringLiteral("ROU_1"));
    });
    QTest::mouseClick(c().cmdApply, Qt::LeftButton);
    demo.ui.setOnProcessEvents({});
    ASSERT_TRUE(checked);
    EXPECT_EQ(value(Rou2, MaxSendTime), n("38.0"));
    EXPECT_TRUE(c().mnuParameter_laden->isEnabled());
    // The waiting device command runs once the transfer is over.
    EXPECT_TRUE(QTest::qWaitFor(
        [this] { return window->session().currentDevice->name() == QStringLiteral("ROU_4"); }));
    EXPECT_TRUE(window->transfer().selectedDevices.empty());
}

// Typing while the values are written changes nothing: the editors are read-only until the end.
TEST_F(WindowTransferTest, TheEditorsAreReadOnlyWhileTheirValuesAreWritten)
{
    const QString minSendBefore = c().txtNci(MinSendTime)->text();
    edit(c().txtNci(MaxSendTime), QStringLiteral("38"));
    chooseInWindow({Rou1, Rou2});
    bool typed = false;
    demo.ui.setOnProcessEvents([&](int) {
        if (typed || !window->transfer().transferRunning)
            return;
        typed = true;
        // Into the box being written and into one that is not.
        QTest::keyClicks(c().txtNci(MaxSendTime), QStringLiteral("9"));
        QTest::keyClicks(c().txtNci(MinSendTime), QStringLiteral("7"));
        EXPECT_EQ(c().txtNci(MaxSendTime)->text(), QStringLiteral("38"));
        EXPECT_EQ(c().txtNci(MinSendTime)->text(), minSendBefore);
    });
    QTest::mouseClick(c().cmdApply, Qt::LeftButton);
    demo.ui.setOnProcessEvents({});
    ASSERT_TRUE(typed);
    EXPECT_EQ(value(Rou2, MaxSendTime), n("38.0"));
    EXPECT_EQ(c().txtNci(MaxSendTime)->text(), n("38"));
    EXPECT_FALSE(isMarked(c().txtNci(MinSendTime)));

    // Once the transfer has ended the editors take edits again.
    edit(c().txtNci(MinSendTime), QStringLiteral("4"));
    EXPECT_TRUE(isMarked(c().txtNci(MinSendTime)));
}

TEST_F(WindowTransferTest, ClosingTheStatusOrTheWindowCancelsBeforeTheNextCp)
{
    edit(c().txtNci(MaxSendTime), QStringLiteral("39"));
    chooseInWindow({Rou2, Rou4});
    int steps = 0;
    demo.ui.setOnProcessEvents([&](int) {
        // Some way into the first device, the user closes the status window.
        if (window->transfer().transferRunning && ++steps == 40)
            window->transferStatus().close();
    });
    QTest::mouseClick(c().cmdApply, Qt::LeftButton);
    EXPECT_EQ(value(Rou2, MaxSendTime), n("39.0"));
    EXPECT_NE(value(Rou4, MaxSendTime), n("39.0"));
    EXPECT_FALSE(window->transferStatus().isVisible());
    EXPECT_TRUE(isMarked(c().txtNci(MaxSendTime)));
    EXPECT_TRUE(c().cmdApply->isEnabled());

    steps = 0;
    demo.ui.setOnProcessEvents([&](int) {
        if (window->transfer().transferRunning && ++steps == 40)
            window->close();
    });
    QTest::mouseClick(c().cmdApply, Qt::LeftButton);
    demo.ui.setOnProcessEvents({});
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(demo.endProgramCalls, 0);
    EXPECT_NE(value(Rou4, MaxSendTime), n("39.0"));
}
