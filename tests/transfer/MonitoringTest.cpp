#include "device/ui/MainWindow.h"
#include "host/Log.h"
#include "host/object_server/DeviceInterface.h"
#include "support/DemoSession.h"
#include "ui/ChangeMarker.h"
#include "ui/StatusPanels.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTextEdit>
#include <gtest/gtest.h>

namespace {

using change_marker::isMarked;

const QString Rou1 = QStringLiteral("F1/ROU_1");
const QString Rou2 = QStringLiteral("F1/ROU_2");
const QString Offline = QStringLiteral("F2/ROU_6");
const QString On = QStringLiteral("Monitoring On");
const QString Off = QStringLiteral("Monitoring Off");
// Only keeps a broken build from hanging; it measures nothing.
constexpr int EventTimeoutMs = 10000;

// The monitoring settings of one NV as the object server holds them.
struct Settings
{
    qint32 tag;
    int poll;
    bool enabled;
    int mode;
    bool option1;
    bool option2;
    bool hold;

    bool operator==(const Settings&) const = default;
};

void PrintTo(const Settings& s, std::ostream* os)
{
    *os << "tag " << s.tag << ", poll " << s.poll << ", enabled " << s.enabled << ", mode " << s.mode
        << ", options " << s.option1 << s.option2 << ", hold " << s.hold;
}

// The main window on the demo network with "," as decimal separator, shown as the director shows
// it, with ROU_1 opened: its monitoring is on.
class MonitoringTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        window->show();
        open(Rou1);
    }

    void open(const QString& path) { demo.open(*window, path); }

    std::shared_ptr<lns::NetworkVariable> nv(const QString& path, int nvIndex) const
    {
        return demo.device(path)->deviceInterface()->networkVariables()->item(nvIndex);
    }
    Settings settings(const QString& path, int nvIndex) const
    {
        const auto v = nv(path, nvIndex);
        return {v->tag(),         v->pollInterval(),   v->monitorEnabled(),
                v->monitorMode(), v->monitorOption1(), v->monitorOption2(),
                v->hold()};
    }
    // Every NV of the catalogue with its expected settings.
    void expectEveryNv(const QString& path,
                       const std::function<Settings(const NvEntry&, bool input)>& expected)
    {
        for (int i = 0; i < PointTables::NviTotal; ++i)
            EXPECT_EQ(settings(path, demo.points.nvi(i).nvIndex), expected(demo.points.nvi(i), true))
                << path.toStdString() << " nvi " << i;
        for (int i = 0; i < PointTables::NvoTotal; ++i)
            EXPECT_EQ(settings(path, demo.points.nvo(i).nvIndex), expected(demo.points.nvo(i), false))
                << path.toStdString() << " nvo " << i;
    }
    static Settings monitored(const NvEntry& entry, bool input, int poll = 50)
    {
        return {entry.tag, poll, true, 3, input, true, false};
    }
    void expectReleased(const QString& path)
    {
        for (int i = 0; i < PointTables::NviTotal; ++i)
            EXPECT_EQ(nv(path, demo.points.nvi(i).nvIndex)->tag(), 0) << path.toStdString() << " nvi " << i;
        for (int i = 0; i < PointTables::NvoTotal; ++i)
            EXPECT_EQ(nv(path, demo.points.nvo(i).nvIndex)->tag(), 0) << path.toStdString() << " nvo " << i;
    }

    void update(qint32 tag, const QString& value) { emit demo.objectServer->nvUpdate(tag, value, nullptr); }
    void retype(QLineEdit* field, const QString& text)
    {
        field->selectAll();
        QTest::keyClick(field, Qt::Key_Backspace);
        QTest::keyClicks(field, text);
    }
    QString lastLogLine() const
    {
        const QList<Log::Entry>& entries = c().echLog->entries();
        return entries.isEmpty() ? QString() : entries.last().text;
    }
    QString monitorState() const { return c().PlugInStatus->panelText(5); }
    MainControls& c() const { return window->controls(); }

    DemoSession demo{QStringLiteral("english"), QStringLiteral(",")};
    std::unique_ptr<MainWindow> window = std::make_unique<MainWindow>(demo.context);
};

} // namespace

TEST_F(MonitoringTest, OpeningConfiguresEveryNvAndSwitchingOffReleasesThem)
{
    EXPECT_TRUE(c().chkMonitor->isChecked());
    EXPECT_EQ(monitorState(), On);
    expectEveryNv(Rou1, [](const NvEntry& e, bool input) { return monitored(e, input); });

    // A release clears the tag and the switch; interval, mode and options stay.
    c().chkMonitor->click();
    EXPECT_EQ(monitorState(), Off);
    expectEveryNv(Rou1,
                  [](const NvEntry&, bool input) { return Settings{0, 50, false, 3, input, true, false}; });

    // Switched on by apply with the box unticked: configured all the same, shown as off.
    EXPECT_TRUE(window->Monitor_An(true));
    EXPECT_EQ(monitorState(), Off);
    expectEveryNv(Rou1, [](const NvEntry& e, bool input) { return monitored(e, input); });
    EXPECT_TRUE(demo.ui.messages().isEmpty());
}

TEST_F(MonitoringTest, SwitchingOffLeavesNvsThePlugInNeverTagged)
{
    ASSERT_TRUE(window->Monitor_An(false));
    // Another client monitors nviSpaceTemp without a tag.
    const int spaceTemp = demo.points.nvi(9).nvIndex;
    const auto foreign = nv(Rou1, spaceTemp);
    foreign->setPollInterval(77);
    foreign->setMonitorEnabled(true);
    foreign->setHold(true);

    ASSERT_TRUE(window->Monitor_An(false));
    EXPECT_EQ(settings(Rou1, spaceTemp), (Settings{0, 77, true, 3, true, true, true}));
}

TEST_F(MonitoringTest, UpdatesReachTheBoxOfTheirTag)
{
    const QString before4 = c().txtNvo(4)->text();
    update(5, QStringLiteral("50,0 1"));
    EXPECT_EQ(c().txtNvi(4)->text(), QStringLiteral("50,0 1"));
    EXPECT_EQ(demo.points.nvi(4).value, QStringLiteral("50,0 1"));
    EXPECT_FALSE(isMarked(c().txtNvi(4)));
    EXPECT_EQ(c().txtNvo(4)->text(), before4) << "an input's tag never reaches an output";

    update(205, QStringLiteral("OFF 0,0 0,0"));
    EXPECT_EQ(c().txtNvo(5)->text(), QStringLiteral("OFF 0,0 0,0"));
    EXPECT_EQ(demo.points.nvo(5).value, QStringLiteral("OFF 0,0 0,0"));

    // A value shown in a structured input fills its sub-fields as a read does.
    update(9, QStringLiteral("SC_RECALL 7"));
    EXPECT_EQ(c().txtNvi(80)->text(), QStringLiteral("SC_RECALL"));
    EXPECT_EQ(c().txtNvi(81)->text(), QStringLiteral("7"));

    // nvoSwitch_6 keeps its text up to the first ",".
    update(210, QStringLiteral("100,0 1"));
    EXPECT_EQ(c().txtNvo(10)->text(), QStringLiteral("100"));
    EXPECT_EQ(demo.points.nvo(10).value, QStringLiteral("100,0 1"));
    update(212, QStringLiteral("100,0 1"));
    EXPECT_EQ(c().txtNvo(12)->text(), QStringLiteral("100,0 1"));
    EXPECT_TRUE(demo.ui.messages().isEmpty());
}

TEST_F(MonitoringTest, UpdatesNeverOverwriteAPendingEdit)
{
    QLineEdit* spaceTemp = c().txtNvi(9);
    retype(spaceTemp, QStringLiteral("21,5"));
    ASSERT_TRUE(isMarked(spaceTemp));
    const QString reference = demo.points.nvi(9).value;
    update(10, QStringLiteral("30,00"));
    EXPECT_EQ(spaceTemp->text(), QStringLiteral("21,5"));
    EXPECT_EQ(demo.points.nvi(9).value, reference);
    EXPECT_TRUE(isMarked(spaceTemp));

    // Edits in the controls that compose a value count as well.
    const QString scene = c().txtNvi(8)->text();
    change_marker::mark(c().txtNvi(81));
    update(9, QStringLiteral("SC_LEARN 9"));
    EXPECT_EQ(c().txtNvi(8)->text(), scene);
    change_marker::mark(c().txttime(2));
    const QString timeSet = c().txtNvi(25)->text();
    update(26, QStringLiteral("2030/01/01 00:00:00"));
    EXPECT_EQ(c().txtNvi(25)->text(), timeSet);
}

TEST_F(MonitoringTest, OutputBoxesShowTheirHelpOnFocus)
{
    QFocusEvent focusIn(QEvent::FocusIn);
    QApplication::sendEvent(c().txtNvo(18), &focusIn);
    EXPECT_EQ(c().RTHinweis->toPlainText(),
              QString(demo.catalogue.NvoHelp[18]).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
}

TEST_F(MonitoringTest, UpdateErrorsAreLoggedWithTheNvName)
{
    emit demo.objectServer->nvUpdateError(10);
    EXPECT_EQ(lastLogLine(), QStringLiteral("Nv update error: nviSpaceTemp"));
    emit demo.objectServer->nvUpdateError(219);
    EXPECT_EQ(lastLogLine(), QStringLiteral("Nv update error: nvoSetptEffect"));
}

TEST_F(MonitoringTest, NewPollIntervalReachesEveryNv)
{
    EXPECT_TRUE(c().cmd_Poll_ok->isHidden());
    retype(c().txtPoll, QStringLiteral("0,5"));
    EXPECT_FALSE(c().cmd_Poll_ok->isHidden());
    c().cmd_Poll_ok->click();
    EXPECT_TRUE(c().cmd_Poll_ok->isHidden());
    EXPECT_EQ(demo.ui.pointer(), UiServices::Pointer::Default);
    EXPECT_TRUE(demo.ui.pointerChanges().contains(UiServices::Pointer::Hourglass));
    expectEveryNv(Rou1, [](const NvEntry& e, bool input) { return monitored(e, input, 5); });

    // An empty box takes the initial interval back when it loses the focus.
    c().txtPoll->clear();
    QFocusEvent focusOut(QEvent::FocusOut);
    QApplication::sendEvent(c().txtPoll, &focusOut);
    EXPECT_EQ(c().txtPoll->text(), QStringLiteral("5"));
}

TEST_F(MonitoringTest, AnIntervalThatIsNoNumberIsRefused)
{
    for (const char* typed : {"abc", "-1", "99999999999", "0.5"}) {
        retype(c().txtPoll, QString::fromLatin1(typed));
        c().cmd_Poll_ok->click();
        EXPECT_EQ(lastLogLine(), QStringLiteral("Error: not a number")) << typed;
        EXPECT_EQ(c().txtPoll->text(), QStringLiteral("5")) << typed;
        EXPECT_EQ(demo.ui.pointer(), UiServices::Pointer::Default) << typed;
        EXPECT_EQ(nv(Rou1, demo.points.nvi(9).nvIndex)->pollInterval(), 50) << typed;
    }

    // Switching on with such a text left in the box uses the initial interval.
    c().txtPoll->setText(QStringLiteral("-3"));
    ASSERT_TRUE(window->Monitor_An(true));
    EXPECT_EQ(lastLogLine(), QStringLiteral("Error: not a number"));
    EXPECT_EQ(c().txtPoll->text(), QStringLiteral("5"));
    EXPECT_EQ(nv(Rou1, demo.points.nvo(3).nvIndex)->pollInterval(), 50);
}

TEST_F(MonitoringTest, AnOfflineDeviceIsNeverMonitored)
{
    open(Offline);
    EXPECT_FALSE(c().chkMonitor->isChecked());
    expectReleased(Rou1);
    expectReleased(Offline);

    c().chkMonitor->click();
    EXPECT_FALSE(c().chkMonitor->isChecked());
    expectReleased(Offline);
    EXPECT_EQ(monitorState(), Off);
    EXPECT_TRUE(demo.ui.messages().isEmpty());
}

TEST_F(MonitoringTest, ASecondDeviceCommandMovesMonitoring)
{
    ASSERT_TRUE(c().chkMonitor->isChecked());
    open(Rou2);
    EXPECT_TRUE(c().chkMonitor->isChecked());
    EXPECT_EQ(monitorState(), On);
    expectReleased(Rou1);
    expectEveryNv(Rou2, [](const NvEntry& e, bool input) { return monitored(e, input); });

    // Switching on for another current device releases the one monitored before.
    window->session().currentDevice = demo.device(Rou1);
    ASSERT_TRUE(window->Monitor_An(true));
    expectReleased(Rou2);
    expectEveryNv(Rou1, [](const NvEntry& e, bool input) { return monitored(e, input); });
}

TEST_F(MonitoringTest, AbortLeavesMonitoringOff)
{
    demo.ui.setRelaxed(UiServices::Answer::Abort);
    demo.progress.showProgress(false);
    demo.connection.system->close();
    EXPECT_FALSE(window->Monitor_An(false));
    ASSERT_EQ(demo.ui.messages().size(), 1);
    const UiServices::Message& box = demo.ui.messages().first();
    EXPECT_TRUE(box.text.endsWith(QStringLiteral(" Monitor_An(fmain)"))) << box.text.toStdString();
    EXPECT_EQ(box.icon, UiServices::Icon::Critical);
    EXPECT_EQ(box.buttons, UiServices::Buttons::AbortRetryIgnore);
    EXPECT_FALSE(c().chkMonitor->isChecked());
    EXPECT_EQ(monitorState(), Off);
    EXPECT_FALSE(demo.progress.progressVisible());
}

TEST_F(MonitoringTest, AValueChangedInTheNetworkAppearsInTheOpenWindow)
{
    retype(c().txtPoll, QStringLiteral("0,2"));
    c().cmd_Poll_ok->click();
    demo.admin.set(DemoSession::Network, Rou1, QStringLiteral("nviSpaceTemp"), QStringLiteral("24,75"));

    // nvoSpaceTemp follows nviSpaceTemp on the device.
    const auto waitFor = [](QLineEdit* box, const QString& expected) {
        [&] { QTRY_COMPARE_WITH_TIMEOUT(box->text(), expected, EventTimeoutMs); }();
        EXPECT_EQ(box->text(), expected) << box->objectName().toStdString();
    };
    waitFor(c().txtNvi(9), QStringLiteral("24,75"));
    waitFor(c().txtNvo(18), QStringLiteral("24,75"));
    EXPECT_FALSE(isMarked(c().txtNvi(9)));
}
