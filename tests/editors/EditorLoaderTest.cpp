#include "device/ui/EditorLoader.h"

#include "device/EditorState.h"
#include "device/FrameworkSettings.h"
#include "device/point_catalogue/PointTables.h"
#include "editors/support/PagesFixture.h"
#include "host/MessageCatalogue.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {

class EditorLoaderTest : public PagesFixture
{
protected:
    void load(bool online = true, const QString& language = QString())
    {
        EditorLoader(controls, state, points, settings, catalogue(language)).load(online);
    }

    // The six default values of the unit's larger variant, as the object server hands them out.
    void demoValues()
    {
        controls.txtNci(0)->setText(QStringLiteral("2,2,2,0"));
        controls.txtNci(1)->setText(QStringLiteral("12"));
        controls.txtNci(3)->setText(QStringLiteral("1 0 1 0 1 1 0 0 0 1 1 0 0 0 0 0"));
        controls.txtNci(63)->setText(QStringLiteral("3"));
        const QStringList elements = QStringLiteral("a,1,0,0;a,2,0,0;a,3,0,0;9,2,1,0;0,2,2,0;1,2,2,0;2,2,2,0;"
                                                    "3,2,2,0;4,a,3,0;4,b,4,0;8,1,1,0;8,2,1,0")
                                         .split(QLatin1Char(';'));
        for (int row = 0; row < 12; ++row)
            controls.txtNcielement(row)->setText(elements.at(row));
        points.nvi(12).value = QStringLiteral("HVAC_AUTO,0,000,0,000,0,000,0,000,0,000,0");
        controls.txtNvi(12)->setText(points.nvi(12).value);
        controls.txtNvi(16)->setText(QStringLiteral("0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0"));
        controls.txtNvi(8)->setText(QStringLiteral("SC_NUL 0"));
        controls.txtNvi(25)->setText(QStringLiteral("0/0/0 0:0:0"));
        for (int position : {11, 13, 14, 15, 22})
            controls.txtNvi(position)->setText(QStringLiteral("0,0 0"));
        controls.txtNvi(17)->setText(QStringLiteral("OC_NUL"));
        controls.txtNvi(18)->setText(QStringLiteral("OC_NUL"));
    }

    EditorState state;
    PointTables points;
    FrameworkSettings settings;
};

TEST_F(EditorLoaderTest, DemoDefaultsDecodeIntoTheEditors)
{
    settings.decimalSeparator = QStringLiteral(",");
    demoValues();
    load();

    EXPECT_EQ(controls.cmb_time(0)->currentText(), QStringLiteral("deutsch"));
    EXPECT_EQ(controls.cmb_time(2)->currentText(), QStringLiteral("ohne Sekunde"));
    EXPECT_EQ(controls.cmb_time(3)->currentIndex(), 0);
    EXPECT_FALSE(controls.Frametime->isHidden());

    EXPECT_TRUE(controls.UCPTdisplConfig(0)->isChecked());
    EXPECT_FALSE(controls.UCPTdisplConfig(1)->isChecked());
    EXPECT_TRUE(controls.UCPTdisplConfig(10)->isChecked());
    EXPECT_FALSE(controls.UCPTdisplConfig(13)->isChecked());
    EXPECT_TRUE(controls.Unit(0)->isChecked());

    EXPECT_EQ(controls.cmb_nci(1)->currentText(), QStringLiteral("12"));
    EXPECT_TRUE(controls.menucheck->isChecked());
    EXPECT_FALSE(controls.Image12T->isHidden());
    EXPECT_TRUE(state.menuRowsActive && state.rows11to12Active);

    // No language registered: the lists show the German texts the window is designed in.
    EXPECT_EQ(controls.cmb_device(0)->currentText(), QStringLiteral("SCC Module"));
    EXPECT_EQ(controls.cmb_function(0)->currentText(), QStringLiteral("1 Solltemperatur Plus"));
    EXPECT_EQ(controls.cmb_function(0)->count(), 7);
    EXPECT_EQ(controls.cmb_led(0)->currentIndex(), -1);
    EXPECT_EQ(controls.cmb_device(3)->currentText(), QStringLiteral("Occupancy Sensor"));
    EXPECT_EQ(controls.cmb_function(3)->currentText(), QStringLiteral("2 Toggle Occupied / UnOccupied"));
    EXPECT_EQ(controls.cmb_led(3)->currentText(),
              QStringLiteral("1 EIN, Taste gedrückt / AUS, Taste nicht gedrückt"));
    EXPECT_EQ(controls.cmb_function(8)->currentText(), QStringLiteral("A Jalousie Auf"));
    EXPECT_EQ(controls.cmb_function(9)->currentText(), QStringLiteral("B Jalousie Ab"));
    EXPECT_EQ(controls.cmb_led(9)->currentIndex(), 3);
    EXPECT_EQ(controls.cmb_device(11)->currentText(), QStringLiteral("Scene Panel"));
    EXPECT_EQ(controls.txtNciscene(11)->text(), QStringLiteral("2"));
    EXPECT_FALSE(controls.txtNciscene(11)->isHidden());
    EXPECT_TRUE(controls.cmb_function(11)->isHidden());

    // Switch objects 0-4, the scene panel and the occupancy sensor are driven by some button.
    for (int tab = 7; tab <= 11; ++tab)
        EXPECT_TRUE(tabs->isTabVisible(tab)) << tab;
    for (int tab = 12; tab <= 14; ++tab)
        EXPECT_FALSE(tabs->isTabVisible(tab)) << tab;
    EXPECT_TRUE(tabs->isTabVisible(15));
    EXPECT_TRUE(tabs->isTabVisible(16));

    EXPECT_EQ(controls.cmb_nci(63)->currentIndex(), 2);
    EXPECT_EQ(controls.txtNvi(70)->text(), QStringLiteral("HVAC_AUTO"));
    EXPECT_EQ(controls.txtNvi(71)->text(), QStringLiteral("0,000"));
    EXPECT_EQ(controls.txtNvi(80)->text(), QStringLiteral("SC_NUL"));
    EXPECT_EQ(controls.txtdate(1)->text(), QStringLiteral("0"));
    EXPECT_EQ(controls.txttime(0)->text(), QStringLiteral("0:0:0"));
    EXPECT_EQ(controls.cmb_nvi(11)->currentIndex(), 1);
    EXPECT_EQ(controls.cmb_nvi(22)->currentIndex(), 0);
    EXPECT_EQ(controls.cmb_nvi(17)->currentText(), QStringLiteral("OC_NUL"));
}

TEST_F(EditorLoaderTest, ButtonListsFollowTheCatalogueLanguage)
{
    demoValues();
    load(true, QStringLiteral("english"));
    EXPECT_EQ(controls.cmb_function(0)->currentText(), QStringLiteral("1 Set temperature Plus"));
    EXPECT_EQ(controls.cmb_function(4)->currentText(), QStringLiteral("2 Light Toggle"));
    EXPECT_EQ(controls.cmb_led(4)->currentText(),
              QStringLiteral("2 ON, if light = ON / OFF, if light = OFF"));
    EXPECT_EQ(controls.cmb_function(3)->itemText(0), QStringLiteral("1 Occupied, Overtimefunction."));
}

TEST_F(EditorLoaderTest, TimeConfigSelectsTheListsAndHidesTheHourModeWithoutTime)
{
    controls.txtNci(0)->setText(QStringLiteral("2,2,0,0"));
    load();
    EXPECT_EQ(controls.cmb_time(0)->currentIndex(), 2);
    EXPECT_EQ(controls.cmb_time(1)->currentIndex(), 2);
    EXPECT_EQ(controls.cmb_time(2)->currentIndex(), 0);
    EXPECT_EQ(controls.cmb_time(3)->currentIndex(), 0);
    EXPECT_TRUE(controls.Frametime->isHidden());
}

TEST_F(EditorLoaderTest, AFailingStepIsSkippedAndTheNextOneRuns)
{
    controls.txtNci(0)->setText(QStringLiteral("2,2,2,0"));
    load();
    controls.txtNci(0)->setText(QStringLiteral("2,zz,0,0"));
    controls.txtNci(3)->setText(QStringLiteral("0 1 0 0 0 0 0 0 0 0 0 0 0 0 0 0"));
    controls.txtNci(63)->setText(QStringLiteral("4"));
    load();
    // The malformed time configuration changes none of its lists, not even byte 0.
    EXPECT_EQ(controls.cmb_time(0)->currentIndex(), 2);
    EXPECT_EQ(controls.cmb_time(2)->currentIndex(), 2);
    EXPECT_FALSE(controls.Frametime->isHidden());
    EXPECT_TRUE(controls.UCPTdisplConfig(1)->isChecked());
    EXPECT_TRUE(controls.Unit(1)->isChecked());
    EXPECT_EQ(controls.cmb_nci(63)->currentIndex(), -1);

    // A byte beyond its list is refused like a malformed one.
    controls.txtNci(0)->setText(QStringLiteral("1,1,1,5"));
    load();
    EXPECT_EQ(controls.cmb_time(0)->currentIndex(), 2);
}

TEST_F(EditorLoaderTest, UnknownDeviceTypeLeavesTheLayoutAsItWas)
{
    controls.txtNci(1)->setText(QStringLiteral("6"));
    load();
    ASSERT_EQ(controls.cmb_nci(1)->currentIndex(), 2);
    const EditorState before = state;

    for (const QString& text : {QStringLiteral("5"), QStringLiteral("abc"), QString()}) {
        controls.txtNci(1)->setText(text);
        load();
        EXPECT_EQ(controls.cmb_nci(1)->currentIndex(), 2);
        EXPECT_FALSE(controls.Frame8T1->isHidden());
        EXPECT_TRUE(controls.Frame12T1->isHidden());
        EXPECT_FALSE(controls.Image6T->isHidden());
        EXPECT_EQ(state.rows9to10Active, before.rows9to10Active);
        EXPECT_EQ(state.rows11to12Active, before.rows11to12Active);
        EXPECT_EQ(state.menuRowsActive, before.menuRowsActive);
    }
}

TEST_F(EditorLoaderTest, ScenePanelElementFillsTheSceneNumberAndLeavesTheFunctionList)
{
    controls.cmb_function(5)->setCurrentIndex(3);
    const QStringList before = [this] {
        QStringList items;
        for (int i = 0; i < controls.cmb_function(5)->count(); ++i)
            items << controls.cmb_function(5)->itemText(i);
        return items;
    }();
    controls.txtNcielement(5)->setText(QStringLiteral("8,c,2,0"));
    load(true, QStringLiteral("english"));

    EXPECT_EQ(controls.cmb_device(5)->currentIndex(), 8);
    EXPECT_EQ(controls.txtNciscene(5)->text(), QStringLiteral("12"));
    EXPECT_EQ(controls.cmb_function(5)->currentIndex(), 3);
    ASSERT_EQ(controls.cmb_function(5)->count(), before.size());
    EXPECT_EQ(controls.cmb_function(5)->itemText(0), before.at(0));
    EXPECT_TRUE(controls.cmb_function(5)->isHidden());
    EXPECT_FALSE(controls.txtNciscene(5)->isHidden());
    EXPECT_EQ(controls.cmb_led(5)->currentText(),
              QStringLiteral("2 ON, pressed or .scene_number = Byte[1] / OFF,  .scene_number <> Byte[1]"));
    EXPECT_TRUE(tabs->isTabVisible(15));
}

TEST_F(EditorLoaderTest, ButtonRowsDecodeIndependently)
{
    controls.txtNcielement(4)->setText(QStringLiteral("1,3,1,0"));
    controls.txtNcielement(5)->setText(QStringLiteral("0,d,6,0"));
    load(true, QStringLiteral("english"));
    EXPECT_EQ(controls.cmb_device(4)->currentText(), QStringLiteral("Switch-Object 1"));
    EXPECT_EQ(controls.cmb_function(4)->currentText(), QStringLiteral("3 Light ON"));
    EXPECT_EQ(controls.cmb_led(4)->currentIndex(), 0);
    // Codes beyond the lists select nothing; the object is still shown.
    EXPECT_EQ(controls.cmb_device(5)->currentIndex(), 0);
    EXPECT_EQ(controls.cmb_function(5)->currentIndex(), -1);
    EXPECT_EQ(controls.cmb_led(5)->currentIndex(), -1);

    // A row that names no object shows nothing of the row loaded before it; the others load.
    controls.txtNcielement(4)->setText(QStringLiteral("ff,3,1,0"));
    controls.txtNcielement(5)->setText(QStringLiteral("9,3,2,0"));
    load(true, QStringLiteral("english"));
    EXPECT_EQ(controls.cmb_device(4)->currentIndex(), -1);
    EXPECT_EQ(controls.cmb_function(4)->currentIndex(), -1);
    EXPECT_EQ(controls.cmb_led(4)->currentIndex(), -1);
    EXPECT_EQ(controls.txtNcielement(4)->text(), QStringLiteral("ff,3,1,0"));
    EXPECT_EQ(controls.cmb_function(5)->currentText(), QStringLiteral("3 Occupied"));
    EXPECT_FALSE(tabs->isTabVisible(8));
    EXPECT_TRUE(tabs->isTabVisible(16));
}

TEST_F(EditorLoaderTest, UnitStatusWithDecimalCommaIsNormalisedForTheModel)
{
    settings.decimalSeparator = QStringLiteral(",");
    points.nvi(12).value = QStringLiteral("HVAC_HEAT,12,500,0,000,33,250,0,000,100,000,1");
    load();
    const QString normalised = QStringLiteral("HVAC_HEAT,12.500,0.000,33.250,0.000,100.000,1");
    EXPECT_EQ(points.nvi(12).value, normalised);
    EXPECT_EQ(controls.txtNvi(12)->text(), normalised);
    EXPECT_EQ(controls.txtNvi(70)->text(), QStringLiteral("HVAC_HEAT"));
    EXPECT_EQ(controls.txtNvi(71)->text(), QStringLiteral("12,500"));
    EXPECT_EQ(controls.txtNvi(73)->text(), QStringLiteral("33,250"));
    EXPECT_EQ(controls.txtNvi(75)->text(), QStringLiteral("100,000"));
    EXPECT_EQ(controls.txtNvi(76)->text(), QStringLiteral("1"));
    EXPECT_EQ(state.unitStatusFields[1], QStringLiteral("12,500"));

    // Loading again from the normalised model must not merge its fields.
    load();
    EXPECT_EQ(points.nvi(12).value, normalised);
    EXPECT_EQ(controls.txtNvi(73)->text(), QStringLiteral("33,250"));
}

TEST_F(EditorLoaderTest, UnitStatusWithDecimalPointOrAnotherSeparator)
{
    settings.decimalSeparator = QStringLiteral(".");
    controls.txtNvi(12)->setText(QStringLiteral("HVAC_COOL,1.000,2.000,3.000,4.000,5.000,0"));
    load();
    EXPECT_EQ(controls.txtNvi(73)->text(), QStringLiteral("3.000"));
    EXPECT_EQ(controls.txtNvi(76)->text(), QStringLiteral("0"));

    // Any other separator reuses the fields of the previous load.
    settings.decimalSeparator = QStringLiteral(";");
    controls.txtNvi(12)->setText(QStringLiteral("HVAC_OFF,9;000,9;000,9;000,9;000,9;000,1"));
    controls.txtNvi(73)->clear();
    load();
    EXPECT_EQ(controls.txtNvi(73)->text(), QStringLiteral("3.000"));

    // Too few fields: the boxes keep what they had.
    settings.decimalSeparator = QStringLiteral(".");
    controls.txtNvi(12)->setText(QStringLiteral("HVAC_OFF,1.0"));
    load();
    EXPECT_EQ(controls.txtNvi(70)->text(), QStringLiteral("HVAC_COOL"));
}

TEST_F(EditorLoaderTest, SwitchAndOccupancyListsFollowTheirInputs)
{
    settings.decimalSeparator = QStringLiteral(",");
    controls.txtNvi(11)->setText(QStringLiteral("0,0 -1"));
    controls.txtNvi(13)->setText(QStringLiteral("100,0 1"));
    controls.txtNvi(22)->setText(QStringLiteral("50,0 1"));
    controls.txtNvi(14)->setText(QStringLiteral("0,0 -1"));
    controls.cmb_nvi(14)->setCurrentIndex(1);
    controls.txtNvi(15)->setText(QStringLiteral("100.0 1"));
    controls.txtNvi(17)->setText(QStringLiteral("OC_BYPASS"));
    controls.txtNvi(18)->setText(QStringLiteral("OC_BYPASS"));
    load();
    EXPECT_EQ(controls.cmb_nvi(11)->currentIndex(), 0);
    EXPECT_EQ(controls.cmb_nvi(13)->currentIndex(), 1);
    EXPECT_EQ(controls.cmb_nvi(22)->currentIndex(), 1);
    // No column for the text: the list stays as it was.
    EXPECT_EQ(controls.cmb_nvi(14)->currentIndex(), 1);
    EXPECT_EQ(controls.cmb_nvi(15)->currentIndex(), -1);
    EXPECT_EQ(controls.cmb_nvi(17)->currentText(), QStringLiteral("OC_BYPASS"));
    EXPECT_EQ(controls.cmb_nvi(18)->currentIndex(), -1);
}

TEST_F(EditorLoaderTest, CompositeInputsAreSplitIntoTheirFields)
{
    controls.txtNvi(16)->setText(QStringLiteral("1 0 1 0 0 1 1 1 1 1 1 1 1 1 1 1"));
    controls.txtNvi(8)->setText(QStringLiteral("SC_RECALL 5"));
    controls.txtNvi(25)->setText(QStringLiteral("2024/3/5 14:7:9"));
    load();
    const std::array<bool, 7> bits{true, false, true, false, false, true, true};
    for (int bit = 0; bit < 7; ++bit)
        EXPECT_EQ(controls.nviCmd_all(bit)->isChecked(), bits[static_cast<std::size_t>(bit)]) << bit;
    EXPECT_EQ(controls.txtNvi(80)->text(), QStringLiteral("SC_RECALL"));
    EXPECT_EQ(controls.txtNvi(81)->text(), QStringLiteral("5"));
    EXPECT_EQ(controls.txtdate(0)->text(), QStringLiteral("2024/3/5"));
    EXPECT_EQ(controls.txtdate(3)->text(), QStringLiteral("5"));
    EXPECT_EQ(controls.txttime(1)->text(), QStringLiteral("14"));
    EXPECT_EQ(controls.txttime(3)->text(), QStringLiteral("9"));

    // Texts that do not split leave every field as it was.
    controls.txtNvi(8)->setText(QStringLiteral("SC_NUL"));
    controls.txtNvi(25)->setText(QStringLiteral("2025/1/1 12:00"));
    load();
    EXPECT_EQ(controls.txtNvi(81)->text(), QStringLiteral("5"));
    EXPECT_EQ(controls.txtdate(1)->text(), QStringLiteral("2024"));
    EXPECT_EQ(controls.txttime(0)->text(), QStringLiteral("14:7:9"));
}

TEST_F(EditorLoaderTest, OfflineWithoutNvReadDisablesTheInputsButNoNvBox)
{
    load(false);
    for (QWidget* input :
         {static_cast<QWidget*>(controls.txtNvi(71)), static_cast<QWidget*>(controls.txtNvi(73)),
          static_cast<QWidget*>(controls.txtNvi(80)), static_cast<QWidget*>(controls.txtNvi(81)),
          static_cast<QWidget*>(controls.txttime(1)), static_cast<QWidget*>(controls.txtdate(3)),
          static_cast<QWidget*>(controls.cmd_Nvi_Reset(24)), static_cast<QWidget*>(controls.nviCmd_all(6)),
          static_cast<QWidget*>(controls.cmb_nvi(22))})
        EXPECT_FALSE(input->isEnabled()) << input->objectName().toStdString();
    for (int position = 0; position <= 25; ++position)
        EXPECT_TRUE(controls.txtNvi(position)->isEnabled()) << position;
    EXPECT_TRUE(controls.txtNci(7)->isEnabled());
}

TEST_F(EditorLoaderTest, OfflineAfterAnNvReadDisablesTheNvBoxesAndOnlineEnablesThemAgain)
{
    load(true);
    EXPECT_TRUE(controls.cmb_nvi(11)->isEnabled());
    EXPECT_TRUE(controls.txtNvi(71)->isEnabled());

    points.nviCount = PointTables::NviTotal;
    load(false);
    for (int position = 0; position <= 25; ++position)
        EXPECT_FALSE(controls.txtNvi(position)->isEnabled()) << position;
    load(true);
    for (QWidget* input :
         {static_cast<QWidget*>(controls.txtNvi(9)), static_cast<QWidget*>(controls.txtNvi(25)),
          static_cast<QWidget*>(controls.txtNvi(71)), static_cast<QWidget*>(controls.txtNvi(81)),
          static_cast<QWidget*>(controls.txttime(1)), static_cast<QWidget*>(controls.txtdate(3)),
          static_cast<QWidget*>(controls.cmd_Nvi_Reset(24)), static_cast<QWidget*>(controls.nviCmd_all(6)),
          static_cast<QWidget*>(controls.cmb_nvi(22))})
        EXPECT_TRUE(input->isEnabled()) << input->objectName().toStdString();
}

} // namespace
