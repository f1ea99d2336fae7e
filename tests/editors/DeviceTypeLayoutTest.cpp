#include "editors/ui/DeviceTypeLayout.h"

#include "device/EditorState.h"
#include "editors/support/PagesFixture.h"
#include "editors/ui/TabRules.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>

namespace {

class DeviceTypeLayoutTest : public PagesFixture
{
protected:
    QLabel* shownPicture() const
    {
        QLabel* shown = nullptr;
        for (QLabel* picture : {controls.Image2T, controls.Image2T4, controls.Image4T, controls.Image4T4,
                                controls.Image6T, controls.Image6T4, controls.Image8T, controls.Image12T}) {
            if (!picture->isHidden()) {
                EXPECT_EQ(shown, nullptr) << "two pictures shown";
                shown = picture;
            }
        }
        return shown;
    }

    void drive(int button, int object) { controls.cmb_device(button)->setCurrentIndex(object); }

    EditorState state;
};

TEST_F(DeviceTypeLayoutTest, EachCountGivesItsRowsPictureAndFlags)
{
    const struct
    {
        int count;
        bool menu;
        int position;
        QLabel* picture;
        bool rows7to8, rows9to10, rows11to12;
    } cases[] = {
        {2, false, 0, controls.Image2T, false, false, false},
        {2, true, 0, controls.Image2T4, false, false, false},
        {4, false, 1, controls.Image4T, true, false, false},
        {4, true, 1, controls.Image4T4, true, false, false},
        {6, false, 2, controls.Image6T, true, true, false},
        {6, true, 2, controls.Image6T4, true, true, false},
        {8, false, 3, controls.Image8T, true, true, true},
        {8, true, 3, controls.Image12T, true, true, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.count * 10 + (c.menu ? 1 : 0));
        controls.menucheck->setChecked(c.menu);
        ASSERT_TRUE(applyDeviceType(controls, state, c.count));
        EXPECT_EQ(controls.cmb_nci(1)->currentIndex(), c.position);
        EXPECT_EQ(shownPicture(), c.picture);
        EXPECT_EQ(controls.FrameMenue->isHidden(), !c.menu);
        EXPECT_EQ(state.menuRowsActive, c.menu);
        EXPECT_TRUE(state.baseRowsActive);
        EXPECT_EQ(state.rows7to8Active, c.rows7to8);
        EXPECT_EQ(state.rows9to10Active, c.rows9to10);
        EXPECT_EQ(state.rows11to12Active, c.rows11to12);
        EXPECT_EQ(controls.Frame4T2->isHidden(), !c.rows7to8);
        EXPECT_EQ(controls.FrameLED4->isHidden(), !c.rows7to8);
        EXPECT_EQ(controls.Frame8T1->isHidden(), !c.rows9to10);
        EXPECT_EQ(controls.FrameLED8->isHidden(), !c.rows9to10);
        EXPECT_EQ(controls.Frame12T2->isHidden(), !c.rows11to12);
        EXPECT_EQ(controls.FrameLED12->isHidden(), !c.rows11to12);
    }
}

TEST_F(DeviceTypeLayoutTest, TwelveButtonsAlwaysIncludeTheMenuButtons)
{
    controls.menucheck->setChecked(false);
    ASSERT_TRUE(applyDeviceType(controls, state, 12));
    EXPECT_TRUE(controls.menucheck->isChecked());
    EXPECT_FALSE(controls.FrameMenue->isHidden());
    EXPECT_TRUE(state.menuRowsActive);
    EXPECT_EQ(shownPicture(), controls.Image12T);
    EXPECT_EQ(controls.cmb_nci(1)->currentIndex(), 4);
}

TEST_F(DeviceTypeLayoutTest, OtherCountsChangeNothing)
{
    ASSERT_TRUE(applyDeviceType(controls, state, 4));
    const EditorState before = state;
    for (int count : {0, 1, 3, 5, 10, 13, -2}) {
        EXPECT_FALSE(applyDeviceType(controls, state, count));
        EXPECT_EQ(controls.cmb_nci(1)->currentIndex(), 1);
        EXPECT_EQ(shownPicture(), controls.Image4T);
        EXPECT_EQ(state.rows7to8Active, before.rows7to8Active);
        EXPECT_EQ(state.rows9to10Active, before.rows9to10Active);
    }
}

// The menu buttons' LED lists on the LED page come and go with the menu rows.
TEST_F(DeviceTypeLayoutTest, MenuLedRowsFollowTheMenuRows)
{
    QWidget* menuLeds = root.findChild<QWidget*>(QStringLiteral("FrameLEDMenue"));
    ASSERT_NE(menuLeds, nullptr);
    EXPECT_TRUE(menuLeds->isHidden());
    controls.menucheck->setChecked(true);
    applyDeviceType(controls, state, 6);
    EXPECT_FALSE(menuLeds->isHidden());
    controls.menucheck->setChecked(false);
    applyDeviceType(controls, state, 6);
    EXPECT_TRUE(menuLeds->isHidden());
}

TEST_F(DeviceTypeLayoutTest, DeviceTypeTwoCountsOnlyTheBaseButtons)
{
    applyDeviceType(controls, state, 2);
    drive(0, 3);
    drive(6, 5);
    set_tabs(controls, state);
    EXPECT_FALSE(tabs->isTabVisible(7 + 3));
    EXPECT_FALSE(tabs->isTabVisible(7 + 5));

    drive(5, 3);
    set_tabs(controls, state);
    EXPECT_TRUE(tabs->isTabVisible(7 + 3));
    EXPECT_FALSE(tabs->isTabVisible(7 + 5));
}

TEST_F(DeviceTypeLayoutTest, ATabIsOnOnceForTwoButtonsAndTheSccModuleHasNone)
{
    applyDeviceType(controls, state, 4);
    for (int button = 0; button < 12; ++button)
        drive(button, 10);
    drive(4, 9);
    drive(7, 9);
    set_tabs(controls, state);
    for (int tab = 7; tab <= 15; ++tab)
        EXPECT_FALSE(tabs->isTabVisible(tab)) << tab;
    EXPECT_TRUE(tabs->isTabVisible(16));
    for (int tab = 0; tab <= 6; ++tab)
        EXPECT_TRUE(tabs->isTabVisible(tab)) << tab;

    drive(4, 10);
    set_tabs(controls, state);
    EXPECT_TRUE(tabs->isTabVisible(16));
    drive(7, 10);
    set_tabs(controls, state);
    EXPECT_FALSE(tabs->isTabVisible(16));
}

TEST_F(DeviceTypeLayoutTest, SixButtonsLeaveTheLastRowsOutOfTheTabRule)
{
    controls.menucheck->setChecked(false);
    drive(10, 6);
    drive(11, 8);
    drive(9, 2);
    applyDeviceType(controls, state, 6);
    EXPECT_FALSE(controls.Frame8T2->isHidden());
    EXPECT_TRUE(controls.Frame12T1->isHidden());
    EXPECT_TRUE(controls.Frame12T2->isHidden());
    EXPECT_FALSE(tabs->isTabVisible(7 + 6));
    EXPECT_FALSE(tabs->isTabVisible(15));
    EXPECT_TRUE(tabs->isTabVisible(7 + 2));
}

} // namespace
