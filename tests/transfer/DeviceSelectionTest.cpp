#include "transfer/ui/DeviceSelection.h"

#include "device/ui/MainWindow.h"
#include "host/Log.h"
#include "host/object_server/Network.h"
#include "support/DemoSession.h"
#include "transfer/DeviceDirectory.h"
#include "transfer/ui/fGeraeteauswahl.h"
#include "transfer/ui/fStatus.h"
#include "ui/ChangeMarker.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyleOptionViewItem>
#include <QTest>
#include <QTextEdit>
#include <QTreeWidget>
#include <gtest/gtest.h>
#include <stdexcept>

using namespace Qt::StringLiterals;

namespace {

const QString Demo = u"Demo"_s;
const QString Variant06 = u"Korvandel zep31_06"_s;
const QString Title = u"Korvandel_zep31_PlugIn"_s;
const QColor Red(255, 0, 0);
const QColor Black(0, 0, 0);

class DeviceSelectionTest : public ::testing::Test
{
protected:
    void open(const QString& path) { demo.open(*window, path); }

    MainControls& controls() { return window->controls(); }
    TransferState& transfer() { return window->transfer(); }
    DeviceSelection& selection() { return window->deviceSelection(); }

    fGeraeteauswahl* choose()
    {
        controls().cmdGerAuswahl->click();
        return selection().window();
    }
    template <typename T> T* control(const char* name)
    {
        const fGeraeteauswahl* dialog = selection().window();
        if (!dialog)
            throw std::logic_error("the device selection window is not loaded");
        T* found = dialog->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    QTreeWidget* tree() { return control<QTreeWidget>("TreeView1"); }

    QTreeWidgetItem* node(const QString& subsystem, const QString& device = QString())
    {
        const QList<QTreeWidgetItem*> roots = tree()->findItems(subsystem, Qt::MatchExactly);
        if (roots.size() != 1)
            return nullptr;
        for (int index = 0; index < roots.front()->childCount() && !device.isEmpty(); ++index) {
            if (roots.front()->child(index)->text(0) == device)
                return roots.front()->child(index);
        }
        return device.isEmpty() ? roots.front() : nullptr;
    }

    // A node as its text, starred when checked, with "!" when its colour does not follow the mark.
    static QString label(const QTreeWidgetItem* item)
    {
        const bool checked = item->checkState(0) == Qt::Checked;
        return item->text(0) + (checked ? u"*"_s : QString()) +
               (item->foreground(0).color() == (checked ? Red : Black) ? QString() : u"!"_s);
    }
    // The tree as "F1: ROU_1* ROU_2", one line per subsystem.
    QStringList shape()
    {
        QStringList lines;
        for (int root = 0; root < tree()->topLevelItemCount(); ++root) {
            const QTreeWidgetItem* group = tree()->topLevelItem(root);
            QString line = label(group) + u":"_s;
            for (int index = 0; index < group->childCount(); ++index)
                line += u" "_s + label(group->child(index));
            lines.append(line);
        }
        return lines;
    }

    QStringList chosenNames() const
    {
        QStringList names;
        for (const SelectedDevice& device : window->transfer().selectedDevices)
            names.append(device.name);
        return names;
    }

    // A real click on the node's check box, so that the tree toggles it and sees the release.
    void clickCheckBox(QTreeWidgetItem* item)
    {
        QTreeWidget* view = tree();
        if (item->parent())
            item->parent()->setExpanded(true);
        QStyleOptionViewItem option;
        option.initFrom(view);
        option.rect = view->visualItemRect(item);
        option.features |= QStyleOptionViewItem::HasCheckIndicator;
        const QRect box = view->style()->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &option, view);
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, box.center());
    }

    void done() { control<QPushButton>("cmdFertig")->click(); }

    DemoSession demo;
    std::unique_ptr<MainWindow> window = std::make_unique<MainWindow>(demo.context);
};

TEST_F(DeviceSelectionTest, ListsTheProgramIdsDevicesBySubsystemWithTheCurrentOneChosen)
{
    EXPECT_FALSE(controls().cmdGerAuswahl->isEnabled());
    open(u"F1/ROU_1"_s);
    ASSERT_TRUE(controls().cmdGerAuswahl->isEnabled());

    fGeraeteauswahl* dialog = choose();
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_TRUE(dialog->isModal());
    EXPECT_EQ(dialog->parentWidget(), window.get());
    EXPECT_TRUE(demo.progress.statuses().contains(u"searching for further devices..."_s));
    EXPECT_FALSE(demo.progress.progressVisible());
    EXPECT_FALSE(demo.progress.splashVisible());
    EXPECT_FALSE(demo.progress.searchVisible());
    EXPECT_EQ(demo.progress.searchRange(), 4);
    EXPECT_EQ(demo.progress.searchText(), u"found: 4"_s);
    EXPECT_EQ(demo.ui.pointer(), UiServices::Pointer::Default);

    EXPECT_EQ(shape(), (QStringList{u"F1: ROU_1* ROU_2"_s, u"F2: ROU_4 ROU_5"_s}));
    EXPECT_TRUE(transfer().deviceListBuilt);
    ASSERT_NE(transfer().deviceTemplate, nullptr);
    EXPECT_EQ(transfer().deviceTemplate->name(), Variant06);
    // Nothing is chosen before Done.
    EXPECT_TRUE(transfer().selectedDevices.empty());
}

struct CaptionCase
{
    const char* language;
    const char* window;
    const char* reset;
    const char* sync;
    const char* syncTip;
    const char* done;
};

class DeviceSelectionCaptions : public ::testing::TestWithParam<CaptionCase>
{
};

TEST_P(DeviceSelectionCaptions, FollowTheLanguage)
{
    const CaptionCase& expected = GetParam();
    DemoSession demo(QString::fromLatin1(expected.language));
    MainWindow window(demo.context);
    window.session().currentDevice = demo.device(u"F2/ROU_4"_s);
    window.deviceSelection().cmdGerAuswahl_Click();
    const fGeraeteauswahl* dialog = window.deviceSelection().window();
    ASSERT_NE(dialog, nullptr);
    const auto text = [dialog](const char* name) {
        return dialog->findChild<QAbstractButton*>(QString::fromLatin1(name))->text();
    };
    EXPECT_EQ(dialog->windowTitle(), QString::fromUtf8(expected.window));
    EXPECT_EQ(text("cmdreset"), QString::fromUtf8(expected.reset));
    EXPECT_EQ(text("chksynchronisiern"), QString::fromUtf8(expected.sync));
    EXPECT_EQ(dialog->findChild<QCheckBox*>(u"chksynchronisiern"_s)->toolTip(),
              QString::fromUtf8(expected.syncTip));
    EXPECT_EQ(text("cmdFertig"), QString::fromUtf8(expected.done));
}

const CaptionCase German{"german",
                         "Geräteauswahl",
                         "Auswahl &reset",
                         "synchronisieren",
                         "es werden ' alle'  Parameter zu den gewählten Geräten übertragen",
                         "Auswahl &beendet"};
INSTANTIATE_TEST_SUITE_P(
    Languages, DeviceSelectionCaptions,
    ::testing::Values(
        CaptionCase{"english", "select Devices...", "Reset selection", "sync. Devices",
                    "By activating this option, 'all' parameters will be transmit to the selcted devices.",
                    "Done"},
        German, CaptionCase{"", German.window, German.reset, German.sync, German.syncTip, German.done}));

TEST_F(DeviceSelectionTest, OnlyDeviceOfItsProgramIdIsOneCheckedNode)
{
    lnssim::PlatformAdmin& admin = demo.admin;
    const QString solo = u"Solo"_s;
    admin.addNetwork(solo);
    admin.importTemplate(solo, Variant06,
                         QDir(demo.home.path()).filePath(u"Import/Korvandel/zep31/zep31_06.xif"_s));
    admin.addSubsystem(solo, u"Hall"_s, u"Site/Hall"_s);
    const QString neuronId = admin.addDevice(solo, u"Hall"_s, u"Only"_s, Variant06, QString());
    const std::shared_ptr<lns::Network> network = demo.objectServer->networks()->item(solo);
    network->open();
    demo.connection.system = network->systems()->item(1);
    demo.connection.system->open();
    window->session().currentDevice =
        demo.connection.system->subsystems()->item(u"Hall"_s)->applicationDevices()->item(u"Only"_s);

    selection().cmdGerAuswahl_Click();
    EXPECT_EQ(shape(), QStringList{u"Hall: Only*"_s});
    done();
    ASSERT_EQ(transfer().selectedDeviceCount(), 1);
    EXPECT_EQ(transfer().selectedDevices.front().name, u"Only"_s);
    EXPECT_EQ(transfer().selectedDevices.front().deviceIndex, 1);
    EXPECT_EQ(transfer().selectedDevices.front().neuronId, neuronId);
    EXPECT_FALSE(selection().window()->isVisible());
}

TEST_F(DeviceSelectionTest, CheckingARootChecksAndReddensItsDevices)
{
    open(u"F1/ROU_1"_s);
    choose();
    clickCheckBox(node(u"F2"_s));
    EXPECT_EQ(shape(), (QStringList{u"F1: ROU_1* ROU_2"_s, u"F2*: ROU_4* ROU_5*"_s}));

    // Unchecking a root takes its devices along, except the current one, which comes back.
    clickCheckBox(node(u"F1"_s));
    EXPECT_EQ(shape(), (QStringList{u"F1*: ROU_1* ROU_2*"_s, u"F2*: ROU_4* ROU_5*"_s}));
    clickCheckBox(node(u"F1"_s));
    EXPECT_EQ(shape(), (QStringList{u"F1: ROU_1* ROU_2"_s, u"F2*: ROU_4* ROU_5*"_s}));
}

TEST_F(DeviceSelectionTest, TheCurrentDeviceCannotBeLeftOutByMouseOrKey)
{
    open(u"F1/ROU_1"_s);
    choose();
    QTreeWidgetItem* current = node(u"F1"_s, u"ROU_1"_s);
    QTreeWidgetItem* other = node(u"F1"_s, u"ROU_2"_s);

    clickCheckBox(other);
    clickCheckBox(current);
    EXPECT_EQ(shape(), (QStringList{u"F1: ROU_1* ROU_2*"_s, u"F2: ROU_4 ROU_5"_s}));

    // Space toggles other nodes, never the current one.
    tree()->setCurrentItem(other);
    QTest::keyClick(tree(), Qt::Key_Space);
    tree()->setCurrentItem(current);
    QTest::keyClick(tree(), Qt::Key_Space);
    EXPECT_EQ(shape(), (QStringList{u"F1: ROU_1* ROU_2"_s, u"F2: ROU_4 ROU_5"_s}));
}

TEST_F(DeviceSelectionTest, DoneListsTheChosenDevicesInTheTemplatesOrder)
{
    // A device of the first subsystem listed after those of the second.
    const QString neuronId = demo.admin.addDevice(Demo, u"F1"_s, u"ROU_7"_s, Variant06, QString());
    open(u"F1/ROU_1"_s);
    fGeraeteauswahl* dialog = choose();
    EXPECT_EQ(shape(), (QStringList{u"F1: ROU_1* ROU_2 ROU_7"_s, u"F2: ROU_4 ROU_5"_s}));
    clickCheckBox(node(u"F1"_s, u"ROU_7"_s));
    clickCheckBox(node(u"F2"_s, u"ROU_4"_s));
    done();

    EXPECT_EQ(chosenNames(), (QStringList{u"ROU_1"_s, u"ROU_4"_s, u"ROU_7"_s}));
    for (const SelectedDevice& chosen : transfer().selectedDevices) {
        const std::shared_ptr<lns::AppDevice> device =
            transfer().deviceTemplate->devices()->item(chosen.deviceIndex);
        EXPECT_EQ(device->name(), chosen.name);
        EXPECT_EQ(device->neuronId(), chosen.neuronId);
    }
    EXPECT_EQ(transfer().selectedDevices.back().neuronId, neuronId);

    // Shown again as it was left, without a new search.
    const int statuses = static_cast<int>(demo.progress.statuses().size());
    demo.progress.setSearchValue(0);
    EXPECT_EQ(choose(), dialog);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(demo.progress.searchValue(), 0);
    EXPECT_EQ(demo.progress.statuses().size(), statuses + 1);
    EXPECT_EQ(shape(), (QStringList{u"F1: ROU_1* ROU_2 ROU_7*"_s, u"F2: ROU_4* ROU_5"_s}));
}

struct ApplyCase
{
    bool synchronise;
    bool fieldMarked;
    bool applyEnabled;
};

class DeviceSelectionApply : public DeviceSelectionTest, public ::testing::WithParamInterface<ApplyCase>
{
};

TEST_P(DeviceSelectionApply, DoneEnablesApplyForSyncOrAnEditedField)
{
    const ApplyCase& given = GetParam();
    open(u"F1/ROU_1"_s);
    ASSERT_FALSE(controls().cmdApply->isEnabled());
    if (given.fieldMarked)
        change_marker::mark(controls().txtNci(59));
    // Done also takes back an Apply that nothing justifies any more.
    if (!given.applyEnabled)
        controls().cmdApply->setEnabled(true);
    choose();
    control<QCheckBox>("chksynchronisiern")->setChecked(given.synchronise);
    done();
    EXPECT_EQ(controls().cmdApply->isEnabled(), given.applyEnabled);
    EXPECT_EQ(selection().synchronise(), given.synchronise);
}

INSTANTIATE_TEST_SUITE_P(Cases, DeviceSelectionApply,
                         ::testing::Values(ApplyCase{true, false, true}, ApplyCase{false, false, false},
                                           ApplyCase{false, true, true}));

TEST_F(DeviceSelectionTest, ResetKeepsOnlyTheCurrentDeviceAndEmptiesTheSelection)
{
    open(u"F1/ROU_1"_s);
    choose();
    clickCheckBox(node(u"F2"_s));
    node(u"F2"_s)->setExpanded(true);
    done();
    ASSERT_EQ(transfer().selectedDeviceCount(), 3);

    choose();
    control<QPushButton>("cmdreset")->click();
    EXPECT_EQ(shape(), (QStringList{u"F1: ROU_1* ROU_2"_s, u"F2: ROU_4 ROU_5"_s}));
    EXPECT_FALSE(node(u"F1"_s)->isExpanded());
    EXPECT_FALSE(node(u"F2"_s)->isExpanded());
    EXPECT_EQ(transfer().selectedDeviceCount(), 0);
    done();
    EXPECT_EQ(chosenNames(), QStringList{u"ROU_1"_s});

    // The transfer's Abort resets through the same way.
    selection().KnotenReset();
    EXPECT_EQ(transfer().selectedDeviceCount(), 0);
    EXPECT_EQ(shape(), (QStringList{u"F1: ROU_1 ROU_2"_s, u"F2: ROU_4 ROU_5"_s}));
}

TEST_F(DeviceSelectionTest, ClickingADeviceShowsWhereItIs)
{
    open(u"F1/ROU_1"_s);
    choose();
    QTreeWidgetItem* device = node(u"F2"_s, u"ROU_5"_s);
    node(u"F2"_s)->setExpanded(true);
    QTest::mouseClick(tree()->viewport(), Qt::LeftButton, {}, tree()->visualItemRect(device).center());
    EXPECT_EQ(controls().RTHinweis->toPlainText(), u"Location of Device:\n\nROU_5\n\nBuilding/Floor 2"_s);

    // A subsystem is no device: the box keeps its text.
    QTest::mouseClick(tree()->viewport(), Qt::LeftButton, {}, tree()->visualItemRect(node(u"F1"_s)).center());
    EXPECT_EQ(controls().RTHinweis->toPlainText(), u"Location of Device:\n\nROU_5\n\nBuilding/Floor 2"_s);
}

TEST_F(DeviceSelectionTest, ANewDeviceDropsTheSelectionTheTemplateAndTheWindow)
{
    open(u"F1/ROU_1"_s);
    QPointer<fGeraeteauswahl> old = choose();
    clickCheckBox(node(u"F2"_s));
    done();
    ASSERT_EQ(transfer().selectedDeviceCount(), 3);

    open(u"F1/ROU_2"_s);
    EXPECT_TRUE(transfer().selectedDevices.empty());
    EXPECT_EQ(transfer().deviceTemplate, nullptr);
    EXPECT_FALSE(transfer().deviceListBuilt);
    EXPECT_EQ(selection().window(), nullptr);
    EXPECT_FALSE(selection().synchronise());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(old.isNull());

    choose();
    EXPECT_EQ(shape(), (QStringList{u"F1: ROU_1 ROU_2*"_s, u"F2: ROU_4 ROU_5"_s}));

    // Another program ID: only its own devices are offered.
    window->session().currentDevice = demo.device(u"F2/ROU_6"_s);
    selection().invalidate();
    choose();
    EXPECT_EQ(shape(), (QStringList{u"F1: ROU_3"_s, u"F2: ROU_6*"_s}));
    EXPECT_EQ(transfer().deviceTemplate->name(), u"Korvandel zep31_05"_s);
}

TEST_F(DeviceSelectionTest, ADeviceCommandDuringTheSearchDiscardsItsResult)
{
    open(u"F1/ROU_1"_s);
    demo.ui.setOnProcessEvents([this](int) {
        if (demo.progress.searchValue() == 2 && selection().window())
            selection().invalidate();
    });
    EXPECT_EQ(choose(), nullptr);
    EXPECT_EQ(demo.progress.searchValue(), 2);
    EXPECT_EQ(transfer().deviceTemplate, nullptr);
    EXPECT_FALSE(transfer().deviceListBuilt);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    for (QWidget* widget : QApplication::topLevelWidgets())
        EXPECT_NE(widget->objectName(), u"fGeraeteauswahl"_s);

    demo.ui.setOnProcessEvents({});
    ASSERT_NE(choose(), nullptr);
    EXPECT_EQ(demo.progress.searchValue(), 4);
}

TEST_F(DeviceSelectionTest, AFailedSearchIsReportedAndTheWindowStillOpens)
{
    open(u"F1/ROU_1"_s);
    demo.connection.system->close();
    demo.ui.expectMessage(u"Error: Geraetefinden(fGeraeteauswahl)"_s, Title, UiServices::Icon::None,
                          UiServices::Buttons::Ok, UiServices::Answer::Ok);
    fGeraeteauswahl* dialog = choose();
    demo.ui.verifyAllShown();
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(tree()->topLevelItemCount(), 0);
    EXPECT_EQ(demo.ui.pointer(), UiServices::Pointer::Default);
    done();
    EXPECT_TRUE(transfer().selectedDevices.empty());
}

class DeviceDirectoryTest : public ::testing::Test
{
protected:
    DemoSession demo;
};

TEST_F(DeviceDirectoryTest, ReportsProgressAndStopsWhenAsked)
{
    const DeviceDirectory directory(*demo.connection.system);
    QList<int> found;
    int counted = 0;
    DeviceDirectory::Progress progress;
    progress.counted = [&counted](int count) { counted = count; };
    progress.found = [&found](int number) {
        found.append(number);
        return number < 3;
    };
    const DeviceDirectory::Listing listing = directory.search(*demo.device(u"F2/ROU_4"_s), progress);
    EXPECT_EQ(counted, 4);
    EXPECT_EQ(found, (QList<int>{1, 2, 3}));
    EXPECT_FALSE(listing.complete);
    EXPECT_FALSE(listing.failure.has_value());
    ASSERT_EQ(listing.groups.size(), 2u);
    EXPECT_EQ(listing.groups[1].devices.size(), 1u);
    EXPECT_EQ(listing.currentGroup, 1);
    EXPECT_EQ(listing.currentPosition, 0);

    const DeviceDirectory::Listing whole = directory.search(*demo.device(u"F2/ROU_5"_s));
    EXPECT_TRUE(whole.complete);
    EXPECT_EQ(whole.currentPosition, 1);
    const DeviceDirectory::Location location = DeviceDirectory::location(*whole.deviceTemplate, 2);
    EXPECT_EQ(location.name, u"ROU_2"_s);
    EXPECT_EQ(location.path, u"Building/Floor 1"_s);
    EXPECT_THROW(DeviceDirectory::location(*whole.deviceTemplate, 5), lns::Error);
}

} // namespace

// As a user does it: ROU_4 ticked beside ROU_1, "sync. Devices", Done, Apply. The two floors'
// channels are written at once and the status shows the time the channel model gives.
TEST_F(DeviceSelectionTest, SyncOfBothFloorsThroughTheWindows)
{
    open(u"F1/ROU_1"_s);
    choose();
    clickCheckBox(node(u"F2"_s, u"ROU_4"_s));
    control<QCheckBox>("chksynchronisiern")->setChecked(true);
    done();
    demo.admin.setTransactionTime(Demo, 11);
    QStringList estimates;
    demo.ui.setOnProcessEvents([&](int) {
        const QLabel* time = window->transferStatus().findChild<QLabel*>(u"lbl_time"_s);
        if (window->transferStatus().isVisible() &&
            (estimates.isEmpty() || estimates.constLast() != time->text()))
            estimates.append(time->text());
    });
    QTest::mouseClick(controls().cmdApply, Qt::LeftButton);
    demo.ui.setOnProcessEvents({});

    ASSERT_FALSE(estimates.isEmpty());
    EXPECT_EQ(estimates.constFirst(), u"1 sec"_s);
    const Log& log = *controls().echLog;
    EXPECT_EQ(log.entries().constLast().text, u"2 of 2 devices written, 0 skipped"_s);
    demo.points.fillCpTable();
    for (int cp = 0; cp < demo.points.cpCount; ++cp)
        if (demo.points.cp(cp).syncable) {
            EXPECT_EQ(demo.value(u"F2/ROU_4"_s, demo.points.cp(cp).id),
                      demo.value(u"F1/ROU_1"_s, demo.points.cp(cp).id))
                << cp;
        }
    EXPECT_FALSE(window->transferStatus().isVisible());
}
