#include "host/ui/ApplyControlTexts.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QVBoxLayout>
#include <gtest/gtest.h>

namespace {

ControlText caption(const QString& window, const QString& control, const QString& text)
{
    return ControlText{window, control, ControlText::Kind::Caption, text, {}};
}

ControlText toolTip(const QString& window, const QString& control, const QString& text)
{
    return ControlText{window, control, ControlText::Kind::ToolTip, text, {}};
}

ControlText items(const QString& window, const QString& control, const QStringList& list)
{
    return ControlText{window, control, ControlText::Kind::Items, {}, list};
}

template <typename T> T* named(QWidget* parent, const QString& name)
{
    auto* object = new T(parent);
    object->setObjectName(name);
    parent->layout()->addWidget(object);
    return object;
}

// A window with one control of each kind the catalogue addresses, inside nested containers
// as in the real windows.
class ApplyControlTextsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        window.setObjectName(QStringLiteral("fMain"));
        auto* central = new QWidget(&window);
        central->setLayout(new QVBoxLayout);
        window.setCentralWidget(central);
        frame = named<QGroupBox>(central, QStringLiteral("fraTasten"));
        frame->setLayout(new QVBoxLayout);
        label = named<QLabel>(frame, QStringLiteral("lblNc(18)"));
        apply = named<QPushButton>(central, QStringLiteral("cmdApply"));
        apply->setText(QStringLiteral("&Übernehmen"));
        check = named<QCheckBox>(central, QStringLiteral("chksynchronisiern"));
        combo = named<QComboBox>(frame, QStringLiteral("cmb_time(2)"));
        combo->addItems({QStringLiteral("ausgeblendet"), QStringLiteral("mit Sekunden"),
                         QStringLiteral("ohne Sekunden")});
        combo->setCurrentIndex(2);
        menu = window.menuBar()->addMenu(QStringLiteral("&Datei"));
        menu->setObjectName(QStringLiteral("mnuOptionen"));
        action = menu->addAction(QStringLiteral("Drucken"));
        action->setObjectName(QStringLiteral("mnuDrucken"));
    }

    QMainWindow window;
    QGroupBox* frame = nullptr;
    QLabel* label = nullptr;
    QPushButton* apply = nullptr;
    QCheckBox* check = nullptr;
    QComboBox* combo = nullptr;
    QMenu* menu = nullptr;
    QAction* action = nullptr;
};

} // namespace

TEST_F(ApplyControlTextsTest, CaptionsReachEveryKindOfControl)
{
    applyControlTexts(
        &window,
        {caption(QStringLiteral("fMain"), QString(), QStringLiteral("ZEP31 Plug-in")),
         caption(QStringLiteral("fMain"), QStringLiteral("lblNc(18)"), QStringLiteral("Setpoint [°C]:")),
         caption(QStringLiteral("fMain"), QStringLiteral("cmdApply"), QStringLiteral("A&pply")),
         caption(QStringLiteral("fMain"), QStringLiteral("chksynchronisiern"),
                 QStringLiteral("sync. Devices")),
         caption(QStringLiteral("fMain"), QStringLiteral("fraTasten"), QStringLiteral("Button Allocation")),
         caption(QStringLiteral("fMain"), QStringLiteral("mnuOptionen"), QStringLiteral("&File")),
         caption(QStringLiteral("fMain"), QStringLiteral("mnuDrucken"), QStringLiteral("Print"))});
    EXPECT_EQ(window.windowTitle(), QStringLiteral("ZEP31 Plug-in"));
    EXPECT_EQ(label->text(), QStringLiteral("Setpoint [°C]:"));
    EXPECT_EQ(apply->text(), QStringLiteral("A&pply"));
    EXPECT_EQ(check->text(), QStringLiteral("sync. Devices"));
    EXPECT_EQ(frame->title(), QStringLiteral("Button Allocation"));
    EXPECT_EQ(menu->title(), QStringLiteral("&File"));
    EXPECT_EQ(action->text(), QStringLiteral("Print"));
}

TEST_F(ApplyControlTextsTest, ToolTipsAndEmptyTexts)
{
    apply->setToolTip(QStringLiteral("alt"));
    applyControlTexts(&window,
                      {toolTip(QStringLiteral("fMain"), QStringLiteral("cmdApply"),
                               QStringLiteral("shows a list with all devices of the same program-id ")),
                       toolTip(QStringLiteral("fMain"), QStringLiteral("mnuDrucken"), QStringLiteral("tip")),
                       caption(QStringLiteral("fMain"), QStringLiteral("lblNc(18)"), QString())});
    EXPECT_EQ(apply->toolTip(), QStringLiteral("shows a list with all devices of the same program-id "));
    EXPECT_EQ(apply->text(), QStringLiteral("&Übernehmen")) << "a tooltip entry leaves the caption alone";
    EXPECT_EQ(action->toolTip(), QStringLiteral("tip"));
    EXPECT_EQ(label->text(), QString());
}

TEST_F(ApplyControlTextsTest, ComboItemsKeepTheSelectionWithoutSignallingAChange)
{
    QSignalSpy changes(combo, &QComboBox::currentIndexChanged);
    applyControlTexts(&window, {items(QStringLiteral("fMain"), QStringLiteral("cmb_time(2)"),
                                      {QStringLiteral("faded out"), QStringLiteral("with seconds"),
                                       QStringLiteral("without seconds")})});
    EXPECT_EQ(combo->count(), 3);
    EXPECT_EQ(combo->itemText(0), QStringLiteral("faded out"));
    EXPECT_EQ(combo->currentIndex(), 2);
    EXPECT_EQ(combo->currentText(), QStringLiteral("without seconds"));
    EXPECT_EQ(changes.count(), 0);
}

TEST_F(ApplyControlTextsTest, ComboLosingItsSelectionSignalsTheChange)
{
    QSignalSpy changes(combo, &QComboBox::currentIndexChanged);
    applyControlTexts(&window, {items(QStringLiteral("fMain"), QStringLiteral("cmb_time(2)"),
                                      {QStringLiteral("24-hours-mode"), QStringLiteral("12-hours-mode")})});
    EXPECT_EQ(combo->count(), 2);
    EXPECT_LT(combo->currentIndex(), 2);
    EXPECT_GT(changes.count(), 0);
    EXPECT_EQ(changes.last().first().toInt(), combo->currentIndex());
}

TEST_F(ApplyControlTextsTest, OtherWindowsAndUnknownNamesAreIgnored)
{
    applyControlTexts(
        &window,
        {caption(QStringLiteral("fStatus"), QString(), QStringLiteral("State")),
         caption(QStringLiteral("fGeraeteauswahl"), QStringLiteral("cmdApply"), QStringLiteral("Done")),
         caption(QStringLiteral("fMain"), QStringLiteral("lblMissing"), QStringLiteral("x")),
         items(QStringLiteral("fMain"), QStringLiteral("cmdApply"), {QStringLiteral("y")}),
         items(QStringLiteral("fMain"), QString(), {QStringLiteral("z")})});
    EXPECT_EQ(window.windowTitle(), QString());
    EXPECT_EQ(apply->text(), QStringLiteral("&Übernehmen"));
    EXPECT_EQ(combo->currentText(), QStringLiteral("ohne Sekunden"));
    applyControlTexts(nullptr, {caption(QString(), QString(), QStringLiteral("none"))});
}
