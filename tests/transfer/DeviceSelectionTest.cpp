#include "transfer/ui/DeviceSelection.h"

#include "device/ui/MainWindow.h"
#include "editors/ui/ChangeMarker.h"
#include "host/object_server/Network.h"
#include "support/DemoSession.h"
#include "transfer/DeviceDirectory.h"
#include "transfer/ui/fGeraeteauswahl.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QStyleOptionViewItem>
#include <QTest>
#include <QTextEdit>
#include <QTreeWidget>
#include <gtest/gtest.h>
#include <stdexcept>

namespace {

const QString Demo = QStringLiteral("Demo");
const QString Variant06 = QStringLiteral("Korvandel zep31_06");
const QString Title = QStringLiteral("Korvandel_zep31_PlugIn");
const QColor Red(255, 0, 0);
const QColor Black(0, 0, 0);

class DeviceSelectionTest : public ::testing::Test
{
protected:
    void open(const QString& path)
    {
        std::shared_ptr<lns::AppDevice> device = demo.device(path);
        PlugInCommand command = demo.commands.row(0);
        window->ProcessDeviceCommand(device, command);
    }

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

    // The tree as "F1: ROU_1* ROU_2", checked nodes starred.
    QStringList shape()
    {
        QStringList lines;
        for (int root = 0; root < tree()->topLevelItemCount(); ++root) {
            const QTreeWidgetItem* group = tree()->topLevelItem(root);
            QString line = group->text(0) + QStringLiteral(":");
            for (int index = 0; index < group->childCount(); ++index) {
                const QTreeWidgetItem* device = group->child(index);
                line += QStringLiteral(" ") + device->text(0) +
                        (device->checkState(0) == Qt::Checked ? QStringLiteral("*") : QString());
            }
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
    open(QStringLiteral("F1/ROU_1"));
    ASSERT_TRUE(controls().cmdGerAuswahl->isEnabled());

    fGeraeteauswahl* dialog = choose();
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_TRUE(dialog->isModal());
    EXPECT_EQ(dialog->parentWidget(), window.get());
    EXPECT_TRUE(demo.progress.statuses().contains(QStringLiteral("searching for further devices...")));
    EXPECT_FALSE(demo.progress.progressVisible());
    EXPECT_FALSE(demo.progress.splashVisible());
    EXPECT_FALSE(demo.progress.searchVisible());
    EXPECT_EQ(demo.progress.searchRange(), 4);
    EXPECT_EQ(demo.progress.searchText(), QStringLiteral("found: 4"));
    EXPECT_EQ(demo.ui.pointer(), Ui::Pointer::Default);

    EXPECT_EQ(shape(), (QStringList{QStringLiteral("F1: ROU_1* ROU_2"), QStringLiteral("F2: ROU_4 ROU_5")}));
    EXPECT_EQ(node(QStringLiteral("F1"), QStringLiteral("ROU_1"))->foreground(0).color(), Red);
    EXPECT_EQ(node(QStringLiteral("F1"), QStringLiteral("ROU_2"))->foreground(0).color(), Black);
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
    window.session().currentDevice = demo.device(QStringLiteral("F2/ROU_4"));
    window.deviceSelection().cmdGerAuswahl_Click();
    const fGeraeteauswahl* dialog = window.deviceSelection().window();
    ASSERT_NE(dialog, nullptr);
    const auto text = [dialog](const char* name) {
        return dialog->findChild<QAbstractButton*>(QString::fromLatin1(name))->text();
    };
    EXPECT_EQ(dialog->windowTitle(), QString::fromUtf8(expected.window));
    EXPECT_EQ(text("cmdreset"), QString::fromUtf8(expected.reset));
    EXPECT_EQ(text("chksynchronisiern"), QString::fromUtf8(expected.sync));
    EXPECT_EQ(dialog->findChild<QCheckBox*>(QStringLiteral("chksynchronisiern"))->toolTip(),
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
    const QString solo = QStringLiteral("Solo");
    admin.addNetwork(solo);
    admin.importTemplate(
        solo, Variant06,
        QDir(demo.home.path()).filePath(QStringLiteral("Import/Korvandel/zep31/zep31_06.xif")));
    admin.addSubsystem(solo, QStringLiteral("Hall"), QStringLiteral("Site/Hall"));
    const QString neuronId =
        admin.addDevice(solo, QStringLiteral("Hall"), QStringLiteral("Only"), Variant06, QString());
    const std::shared_ptr<lns::Network> network = demo.objectServer->networks()->item(solo);
    network->open();
    demo.connection.system = network->systems()->item(1);
    demo.connection.system->open();
    window->session().currentDevice = demo.connection.system->subsystems()
                                          ->item(QStringLiteral("Hall"))
                                          ->applicationDevices()
                                          ->item(QStringLiteral("Only"));

    selection().cmdGerAuswahl_Click();
    EXPECT_EQ(shape(), QStringList{QStringLiteral("Hall: Only*")});
    done();
    ASSERT_EQ(transfer().selectedDeviceCount(), 1);
    EXPECT_EQ(transfer().selectedDevices.front().name, QStringLiteral("Only"));
    EXPECT_EQ(transfer().selectedDevices.front().deviceIndex, 1);
    EXPECT_EQ(transfer().selectedDevices.front().neuronId, neuronId);
    EXPECT_FALSE(selection().window()->isVisible());
}

TEST_F(DeviceSelectionTest, CheckingARootChecksAndReddensItsDevices)
{
    open(QStringLiteral("F1/ROU_1"));
    choose();
    QTreeWidgetItem* floor2 = node(QStringLiteral("F2"));
    clickCheckBox(floor2);
    EXPECT_EQ(shape(),
              (QStringList{QStringLiteral("F1: ROU_1* ROU_2"), QStringLiteral("F2: ROU_4* ROU_5*")}));
    for (int index = 0; index < floor2->childCount(); ++index)
        EXPECT_EQ(floor2->child(index)->foreground(0).color(), Red);
    EXPECT_EQ(floor2->foreground(0).color(), Red);

    // Unchecking a root takes its devices along, except the current one, which comes back.
    QTreeWidgetItem* floor1 = node(QStringLiteral("F1"));
    clickCheckBox(floor1);
    clickCheckBox(floor1);
    EXPECT_EQ(floor1->checkState(0), Qt::Unchecked);
    EXPECT_EQ(floor1->foreground(0).color(), Black);
    EXPECT_EQ(shape(),
              (QStringList{QStringLiteral("F1: ROU_1* ROU_2"), QStringLiteral("F2: ROU_4* ROU_5*")}));
    EXPECT_EQ(node(QStringLiteral("F1"), QStringLiteral("ROU_2"))->foreground(0).color(), Black);
}

TEST_F(DeviceSelectionTest, TheCurrentDeviceCannotBeLeftOutByMouseOrKey)
{
    open(QStringLiteral("F1/ROU_1"));
    choose();
    QTreeWidgetItem* current = node(QStringLiteral("F1"), QStringLiteral("ROU_1"));
    QTreeWidgetItem* other = node(QStringLiteral("F1"), QStringLiteral("ROU_2"));

    clickCheckBox(other);
    EXPECT_EQ(other->checkState(0), Qt::Checked);
    clickCheckBox(current);
    EXPECT_EQ(current->checkState(0), Qt::Checked);
    EXPECT_EQ(current->foreground(0).color(), Red);

    // Space toggles other nodes, never the current one.
    tree()->setCurrentItem(other);
    QTest::keyClick(tree(), Qt::Key_Space);
    EXPECT_EQ(other->checkState(0), Qt::Unchecked);
    EXPECT_EQ(other->foreground(0).color(), Black);
    tree()->setCurrentItem(current);
    QTest::keyClick(tree(), Qt::Key_Space);
    EXPECT_EQ(current->checkState(0), Qt::Checked);
}

TEST_F(DeviceSelectionTest, DoneListsTheChosenDevicesInTheTemplatesOrder)
{
    // A device of the first subsystem listed after those of the second.
    const QString neuronId =
        demo.admin.addDevice(Demo, QStringLiteral("F1"), QStringLiteral("ROU_7"), Variant06, QString());
    open(QStringLiteral("F1/ROU_1"));
    fGeraeteauswahl* dialog = choose();
    EXPECT_EQ(shape(),
              (QStringList{QStringLiteral("F1: ROU_1* ROU_2 ROU_7"), QStringLiteral("F2: ROU_4 ROU_5")}));
    clickCheckBox(node(QStringLiteral("F1"), QStringLiteral("ROU_7")));
    clickCheckBox(node(QStringLiteral("F2"), QStringLiteral("ROU_4")));
    done();

    EXPECT_EQ(chosenNames(),
              (QStringList{QStringLiteral("ROU_1"), QStringLiteral("ROU_4"), QStringLiteral("ROU_7")}));
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
    EXPECT_EQ(shape(),
              (QStringList{QStringLiteral("F1: ROU_1* ROU_2 ROU_7*"), QStringLiteral("F2: ROU_4* ROU_5")}));
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
    open(QStringLiteral("F1/ROU_1"));
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
    open(QStringLiteral("F1/ROU_1"));
    choose();
    clickCheckBox(node(QStringLiteral("F2")));
    node(QStringLiteral("F2"))->setExpanded(true);
    done();
    ASSERT_EQ(transfer().selectedDeviceCount(), 3);

    choose();
    control<QPushButton>("cmdreset")->click();
    EXPECT_EQ(shape(), (QStringList{QStringLiteral("F1: ROU_1* ROU_2"), QStringLiteral("F2: ROU_4 ROU_5")}));
    EXPECT_FALSE(node(QStringLiteral("F1"))->isExpanded());
    EXPECT_FALSE(node(QStringLiteral("F2"))->isExpanded());
    EXPECT_EQ(node(QStringLiteral("F2"), QStringLiteral("ROU_4"))->foreground(0).color(), Black);
    EXPECT_EQ(transfer().selectedDeviceCount(), 0);
    done();
    EXPECT_EQ(chosenNames(), QStringList{QStringLiteral("ROU_1")});

    // The transfer's Abort resets through the same way.
    selection().KnotenReset();
    EXPECT_EQ(transfer().selectedDeviceCount(), 0);
    EXPECT_EQ(node(QStringLiteral("F1"), QStringLiteral("ROU_1"))->checkState(0), Qt::Unchecked);
}

TEST_F(DeviceSelectionTest, ClickingADeviceShowsWhereItIs)
{
    open(QStringLiteral("F1/ROU_1"));
    choose();
    QTreeWidgetItem* device = node(QStringLiteral("F2"), QStringLiteral("ROU_5"));
    node(QStringLiteral("F2"))->setExpanded(true);
    QTest::mouseClick(tree()->viewport(), Qt::LeftButton, {}, tree()->visualItemRect(device).center());
    EXPECT_EQ(controls().RTHinweis->toPlainText(),
              QStringLiteral("Location of Device:\n\nROU_5\n\nBuilding/Floor 2"));

    // A subsystem is no device: the box keeps its text.
    QTest::mouseClick(tree()->viewport(), Qt::LeftButton, {},
                      tree()->visualItemRect(node(QStringLiteral("F1"))).center());
    EXPECT_EQ(controls().RTHinweis->toPlainText(),
              QStringLiteral("Location of Device:\n\nROU_5\n\nBuilding/Floor 2"));
}

TEST_F(DeviceSelectionTest, ANewDeviceDropsTheSelectionTheTemplateAndTheWindow)
{
    open(QStringLiteral("F1/ROU_1"));
    QPointer<fGeraeteauswahl> old = choose();
    clickCheckBox(node(QStringLiteral("F2")));
    done();
    ASSERT_EQ(transfer().selectedDeviceCount(), 3);

    open(QStringLiteral("F1/ROU_2"));
    EXPECT_TRUE(transfer().selectedDevices.empty());
    EXPECT_EQ(transfer().deviceTemplate, nullptr);
    EXPECT_FALSE(transfer().deviceListBuilt);
    EXPECT_EQ(selection().window(), nullptr);
    EXPECT_FALSE(selection().synchronise());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(old.isNull());

    choose();
    EXPECT_EQ(shape(), (QStringList{QStringLiteral("F1: ROU_1 ROU_2*"), QStringLiteral("F2: ROU_4 ROU_5")}));

    // Another program ID: only its own devices are offered.
    window->session().currentDevice = demo.device(QStringLiteral("F2/ROU_6"));
    selection().invalidate();
    choose();
    EXPECT_EQ(shape(), (QStringList{QStringLiteral("F1: ROU_3"), QStringLiteral("F2: ROU_6*")}));
    EXPECT_EQ(transfer().deviceTemplate->name(), QStringLiteral("Korvandel zep31_05"));
}

TEST_F(DeviceSelectionTest, ADeviceCommandDuringTheSearchDiscardsItsResult)
{
    open(QStringLiteral("F1/ROU_1"));
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
        EXPECT_NE(widget->objectName(), QStringLiteral("fGeraeteauswahl"));

    demo.ui.setOnProcessEvents({});
    ASSERT_NE(choose(), nullptr);
    EXPECT_EQ(demo.progress.searchValue(), 4);
}

TEST_F(DeviceSelectionTest, AFailedSearchIsReportedAndTheWindowStillOpens)
{
    open(QStringLiteral("F1/ROU_1"));
    demo.connection.system->close();
    demo.ui.expectMessage(QStringLiteral("Error: Geraetefinden(fGeraeteauswahl)"), Title, Ui::Icon::None,
                          Ui::Buttons::Ok, Ui::Answer::Ok);
    fGeraeteauswahl* dialog = choose();
    demo.ui.verifyAllShown();
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(tree()->topLevelItemCount(), 0);
    EXPECT_EQ(demo.ui.pointer(), Ui::Pointer::Default);
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
    const DeviceDirectory::Listing listing =
        directory.search(*demo.device(QStringLiteral("F2/ROU_4")), progress);
    EXPECT_EQ(counted, 4);
    EXPECT_EQ(found, (QList<int>{1, 2, 3}));
    EXPECT_FALSE(listing.complete);
    EXPECT_FALSE(listing.failure.has_value());
    ASSERT_EQ(listing.groups.size(), 2u);
    EXPECT_EQ(listing.groups[1].devices.size(), 1u);
    EXPECT_EQ(listing.currentGroup, 1);
    EXPECT_EQ(listing.currentPosition, 0);

    const DeviceDirectory::Listing whole = directory.search(*demo.device(QStringLiteral("F2/ROU_5")));
    EXPECT_TRUE(whole.complete);
    EXPECT_EQ(whole.currentPosition, 1);
    const DeviceDirectory::Location location = DeviceDirectory::location(*whole.deviceTemplate, 2);
    EXPECT_EQ(location.name, QStringLiteral("ROU_2"));
    EXPECT_EQ(location.path, QStringLiteral("Building/Floor 1"));
    EXPECT_THROW(DeviceDirectory::location(*whole.deviceTemplate, 5), lns::Error);
}

} // namespace
