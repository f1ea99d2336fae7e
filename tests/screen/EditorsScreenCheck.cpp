// The editors in a real window on an X server, driven through the X server by pointer and key
// events (xdotool). Run by the end-to-end screen test with DISPLAY set; pictures go to
// $ZEP31_ARTIFACTS.
#include "device/point_catalogue/PointCatalogue.h"
#include "device/ui/MainWindow.h"
#include "support/DemoSession.h"
#include "transfer/ui/fStatus.h"
#include "ui/ChangeMarker.h"
#include "ui/StatusPanels.h"
#include "ui/UpDown.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QStyleOptionFrame>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTextEdit>
#include <gtest/gtest.h>
#include <iostream>

namespace {

constexpr int CmdConfigTab = 6;
constexpr int MaxSendTime = point_catalogue::cp::CommandModuleMaxSendTime;
constexpr int MinSendTime = point_catalogue::cp::SpaceTempMinSendTime;

QString artifact(const QString& name)
{
    const QString folder = qEnvironmentVariable("ZEP31_ARTIFACTS", QDir::currentPath());
    return folder + QStringLiteral("/editors-") + name + QStringLiteral(".png");
}

class EditorsScreenCheck : public ::testing::Test
{
protected:
    void SetUp() override
    {
        window->show();
        demo.open(*window, QStringLiteral("F1/ROU_1"));
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        xdotool({QStringLiteral("windowfocus"), QString::number(window->winId())});
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }

    // Runs xdotool while the window goes on handling what the X server sends it.
    static void xdotool(const QStringList& arguments)
    {
        QProcess tool;
        tool.start(QStringLiteral("xdotool"), arguments);
        ASSERT_TRUE(tool.waitForStarted());
        while (tool.state() != QProcess::NotRunning)
            QTest::qWait(20);
        ASSERT_EQ(tool.exitCode(), 0) << tool.readAllStandardError().toStdString();
        // Let the last events arrive.
        QTest::qWait(100);
    }

    static QStringList at(const QWidget* widget, QPoint point)
    {
        const QPoint global = widget->mapToGlobal(point);
        return {QStringLiteral("mousemove"), QString::number(global.x()), QString::number(global.y())};
    }

    static void click(const QWidget* widget, QPoint point)
    {
        xdotool(at(widget, point) << QStringLiteral("click") << QStringLiteral("1"));
    }

    static void type(const QString& text)
    {
        xdotool({QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("40"), text});
    }

    void keep(const QString& name)
    {
        const QPixmap picture = window->screen()->grabWindow(window->winId());
        EXPECT_TRUE(picture.save(artifact(name))) << artifact(name).toStdString();
    }

    MainControls& c() { return window->controls(); }

    DemoSession demo{QStringLiteral("english"), QStringLiteral(",")};
    std::unique_ptr<MainWindow> window = std::make_unique<MainWindow>(demo.context);
};

TEST_F(EditorsScreenCheck, TypingPointingAndHoldingInTheRealWindow)
{
    QTabBar* tabs = c().tabData->tabBar();
    click(tabs, tabs->tabRect(CmdConfigTab).center());
    ASSERT_EQ(c().tabData->currentIndex(), CmdConfigTab);
    EXPECT_FALSE(c().cmdApply->isEnabled());

    // Typing into a CP field marks it and enables Apply.
    QLineEdit* maxSendTime = c().txtNci(MaxSendTime);
    click(maxSendTime, maxSendTime->rect().center());
    xdotool({QStringLiteral("key"), QStringLiteral("ctrl+a")});
    type(QStringLiteral("42"));
    EXPECT_EQ(maxSendTime->text(), QStringLiteral("42"));
    EXPECT_TRUE(change_marker::isMarked(maxSendTime));
    EXPECT_TRUE(c().cmdApply->isEnabled());
    EXPECT_TRUE(c().cmdCancel->isEnabled());
    keep(QStringLiteral("typed-cp-marked"));

    // Letters typed into a numeric field change nothing; its help is shown in English.
    QLineEdit* minSendTime = c().txtNci(MinSendTime);
    const QString before = minSendTime->text();
    click(minSendTime, minSendTime->rect().center());
    type(QStringLiteral("abc"));
    EXPECT_EQ(minSendTime->text(), before);
    EXPECT_FALSE(change_marker::isMarked(minSendTime));
    EXPECT_TRUE(c().RTHinweis->toPlainText().contains(QStringLiteral("Minimum send time of nvoSpaceTemp")))
        << c().RTHinweis->toPlainText().toStdString();
    keep(QStringLiteral("help-english"));

    // The up arrow held for a second steps about four times: once for the press and once per
    // 250 ms tick. A loaded machine may stretch the hold or delay ticks, hence the wide range; the
    // count seen is printed for the record.
    UpDown* arrows = c().UpD_nci(MaxSendTime);
    xdotool(at(arrows, QPoint(arrows->width() / 2, 3))
            << QStringLiteral("mousedown") << QStringLiteral("1") << QStringLiteral("sleep")
            << QStringLiteral("1") << QStringLiteral("mouseup") << QStringLiteral("1"));
    const int steps = maxSendTime->text().toInt() - 42;
    EXPECT_GE(steps, 2) << maxSendTime->text().toStdString();
    EXPECT_LE(steps, 20) << maxSendTime->text().toStdString();
    std::cout << "steps while held for 1 s: " << steps << std::endl;
    keep(QStringLiteral("held-up-arrow"));

    // Typing the device's value back leaves no field marked.
    click(maxSendTime, maxSendTime->rect().center());
    xdotool({QStringLiteral("key"), QStringLiteral("ctrl+a")});
    type(demo.points.cp(MaxSendTime).value.section(QLatin1Char(','), 0, 0));
    EXPECT_FALSE(change_marker::isMarked(maxSendTime));
    EXPECT_FALSE(c().cmdApply->isEnabled());
}

// What a user would find wrong with the controls shown below root: text cut off, a label with
// nothing to say, a control a screen reader cannot name. One line per finding.
QStringList findings(const QWidget* root)
{
    QStringList found;
    const auto visible = [root](const QWidget* widget) {
        return widget->isVisibleTo(root) && widget->isVisible();
    };
    for (const QLabel* label : root->findChildren<QLabel*>()) {
        if (!visible(label) || !label->pixmap().isNull())
            continue;
        const QString text = label->text();
        if (text.trimmed().isEmpty()) {
            found << QStringLiteral("empty label ") + label->objectName();
            continue;
        }
        if (!label->wordWrap() && label->textFormat() != Qt::RichText && !text.contains(QLatin1Char('<')) &&
            label->contentsRect().width() < label->fontMetrics().horizontalAdvance(text))
            found << QStringLiteral("cut label ") + label->objectName() + QStringLiteral(": ") + text;
    }
    for (const QComboBox* list : root->findChildren<QComboBox*>()) {
        if (!visible(list))
            continue;
        QStyleOptionComboBox option;
        option.initFrom(list);
        const int room =
            list->style()
                ->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, list)
                .width();
        if (room < list->fontMetrics().horizontalAdvance(list->currentText()))
            found << QStringLiteral("cut list ") + list->objectName() + QStringLiteral(": ") +
                         list->currentText();
    }
    // A box that shows a value rather than takes one must show all of it.
    for (const QLineEdit* box : root->findChildren<QLineEdit*>()) {
        if (!visible(box) || !box->isReadOnly())
            continue;
        QStyleOptionFrame option;
        option.initFrom(box);
        constexpr int TextMargins = 4;
        const int room =
            box->style()->subElementRect(QStyle::SE_LineEditContents, &option, box).width() - TextMargins;
        if (room < box->fontMetrics().horizontalAdvance(box->text()))
            found << QStringLiteral("cut value ") + box->objectName() + QStringLiteral(": ") + box->text();
    }
    for (const QAbstractButton* button : root->findChildren<QAbstractButton*>()) {
        if (visible(button) && !button->text().isEmpty() && button->width() < button->sizeHint().width())
            found << QStringLiteral("cut button ") + button->objectName() + QStringLiteral(": ") +
                         button->text();
    }
    for (QWidget* control : root->findChildren<QWidget*>()) {
        const bool takesInput = qobject_cast<QLineEdit*>(control) || qobject_cast<QComboBox*>(control) ||
                                qobject_cast<QAbstractButton*>(control) || qobject_cast<UpDown*>(control);
        if (!takesInput || !visible(control) || qobject_cast<QTabBar*>(control->parentWidget()))
            continue;
        const QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(control);
        if (!spoken || spoken->text(QAccessible::Name).trimmed().isEmpty())
            found << QStringLiteral("no accessible name ") + control->objectName();
    }
    return found;
}

// The window in each language and with each decimal separator, on an online device, an offline
// one and the online one again: every tab it shows, looked at as a user would.
class EveryTabScreenCheck : public ::testing::TestWithParam<std::pair<const char*, const char*>>
{
protected:
    QString language() const { return QString::fromLatin1(GetParam().first); }
    QString variant() const
    {
        return language() + (QString::fromLatin1(GetParam().second) == QLatin1String(",")
                                 ? QStringLiteral("-comma")
                                 : QStringLiteral("-point"));
    }
    MainControls& c() { return window->controls(); }

    void keep(QWidget* shown, const QString& name)
    {
        const QPixmap picture = shown->screen()->grabWindow(shown->winId());
        EXPECT_TRUE(picture.save(artifact(variant() + QLatin1Char('-') + name))) << name.toStdString();
    }

    // Every tab the device switches on: a picture of each and what is wrong on it.
    void lookAtEveryTab(const QString& step)
    {
        QTabWidget* tabs = c().tabData;
        for (int tab = 0; tab < tabs->count(); ++tab) {
            if (!tabs->isTabVisible(tab))
                continue;
            tabs->setCurrentIndex(tab);
            QTest::qWait(50);
            const QString name = step + QStringLiteral("-tab%1").arg(tab, 2, 10, QLatin1Char('0'));
            keep(window.get(), name);
            EXPECT_EQ(findings(tabs->widget(tab)), QStringList()) << name.toStdString();
        }
        EXPECT_EQ(findings(c().PlugInStatus), QStringList()) << step.toStdString();
    }

    void expectInputsEnabled(bool enabled)
    {
        for (QWidget* input :
             {static_cast<QWidget*>(c().txtNvi(9)), static_cast<QWidget*>(c().txtNvi(25)),
              static_cast<QWidget*>(c().cmb_nvi(22)), static_cast<QWidget*>(c().nviCmd_all(0)),
              static_cast<QWidget*>(c().cmd_Nvi_Reset(9)), static_cast<QWidget*>(c().txttime(1))})
            EXPECT_EQ(input->isEnabled(), enabled) << input->objectName().toStdString();
    }

    DemoSession demo{language(), QString::fromLatin1(GetParam().second)};
    std::unique_ptr<MainWindow> window = std::make_unique<MainWindow>(demo.context);
};

TEST_P(EveryTabScreenCheck, OnlineOfflineAndOnlineAgainWithATransfer)
{
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    demo.open(*window, QStringLiteral("F1/ROU_1"));
    lookAtEveryTab(QStringLiteral("1-ROU_1"));
    expectInputsEnabled(true);

    demo.admin.setState(DemoSession::Network, QStringLiteral("F1/ROU_2"), 6);
    demo.open(*window, QStringLiteral("F1/ROU_2"));
    EXPECT_EQ(c().PlugInStatus->panelText(4), QStringLiteral("Cnfg Offline"));
    lookAtEveryTab(QStringLiteral("2-ROU_2-offline"));
    expectInputsEnabled(false);

    demo.open(*window, QStringLiteral("F1/ROU_1"));
    lookAtEveryTab(QStringLiteral("3-ROU_1-again"));
    expectInputsEnabled(true);

    // A transfer to two devices: the status window names what its bars count, in the language.
    c().tabData->setCurrentIndex(CmdConfigTab);
    c().txtNci(MaxSendTime)->setText(QStringLiteral("42"));
    const auto deviceTemplate = demo.connection.system->deviceTemplates()->findByProgramId(
        demo.device(QStringLiteral("F1/ROU_1"))->programId());
    const std::shared_ptr<lns::AppDevices> devices = deviceTemplate->devices();
    TransferState& transfer = window->transfer();
    transfer.deviceTemplate = deviceTemplate;
    for (int item = 1; item <= devices->count(); ++item) {
        const QString name = devices->item(item)->name();
        if (name == QLatin1String("ROU_1") || name == QLatin1String("ROU_4"))
            transfer.selectedDevices.push_back({name, item, devices->item(item)->neuronId()});
    }
    transfer.deviceListBuilt = true;
    ASSERT_EQ(transfer.selectedDeviceCount(), 2);
    bool seen = false;
    demo.ui.setOnProcessEvents([&](int) {
        // At the second device every counter and the estimate have something to say.
        fStatus& status = window->transferStatus();
        const auto text = [&status](const char* name) {
            return status.findChild<QLabel*>(QString::fromLatin1(name))->text();
        };
        if (seen || !status.isVisible() || !text("Lbl_Devices").startsWith(QStringLiteral("2 /")) ||
            text("Lbl_Parameters").isEmpty())
            return;
        seen = true;
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&status));
        QTest::qWait(100);
        keep(&status, QStringLiteral("4-transfer-status"));
        for (const char* name : {"lbl_St_Device", "lbl_St_Parameter", "lbl_Zeit", "lblclose"})
            EXPECT_TRUE(status.findChild<QLabel*>(QString::fromLatin1(name))->isVisible()) << name;
        EXPECT_EQ(findings(&status), QStringList());
    });
    c().cmdApply->click();
    demo.ui.setOnProcessEvents({});
    EXPECT_TRUE(seen);
    EXPECT_EQ(demo.value(QStringLiteral("F2/ROU_4"), demo.points.cp(MaxSendTime).id)
                  .section(QRegularExpression(QStringLiteral("[.,]")), 0, 0),
              QStringLiteral("42"));
}

INSTANTIATE_TEST_SUITE_P(LanguagesAndSeparators, EveryTabScreenCheck,
                         ::testing::Values(std::pair{"english", ","}, std::pair{"english", "."},
                                           std::pair{"german", ","}, std::pair{"german", "."}));

} // namespace

int main(int argc, char** argv)
{
    // The platform comes from the environment: xcb on the test's X server.
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
