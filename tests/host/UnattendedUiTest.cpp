#include "host/UnattendedUi.h"

#include <gtest/gtest.h>

TEST(UnattendedUiTest, EveryBoxTakesItsDefaultButton)
{
    UnattendedUi ui;
    EXPECT_EQ(
        ui.message(QStringLiteral("Continue?"), QStringLiteral("T"), Ui::Icon::Question, Ui::Buttons::YesNo),
        Ui::Answer::Yes);
    EXPECT_EQ(ui.message(QStringLiteral("Exit?"), QStringLiteral("T"), Ui::Icon::None, Ui::Buttons::YesNo, 1),
              Ui::Answer::No);
    EXPECT_EQ(ui.message(QStringLiteral("Failed\r\nagain"), QString(), Ui::Icon::Critical,
                         Ui::Buttons::AbortRetryIgnore, 2),
              Ui::Answer::Ignore);
    // A default beyond the buttons falls back to the first one.
    EXPECT_EQ(ui.message(QStringLiteral("Done"), QString(), Ui::Icon::None, Ui::Buttons::Ok, 3),
              Ui::Answer::Ok);
}

TEST(UnattendedUiTest, DialogsAreCancelled)
{
    UnattendedUi ui;
    EXPECT_TRUE(
        ui.openFileName(Ui::FileDialog{QStringLiteral("Load"), QString(), QString(), false, true}).isEmpty());
    EXPECT_TRUE(ui.saveFileName(Ui::FileDialog{}).isEmpty());
    EXPECT_FALSE(ui.openDocument(QStringLiteral("/tmp/readme_eng.txt"), false));
    ui.setPointer(Ui::Pointer::Hourglass);
    EXPECT_EQ(ui.pointer(), Ui::Pointer::Hourglass);
}
