#include "host/UnattendedUi.h"

#include <gtest/gtest.h>

TEST(UnattendedUiTest, EveryBoxTakesTheAnswerThatDestroysNothing)
{
    UnattendedUi ui;
    // The default button does not count: a Yes would delete templates or take over defaults.
    const struct
    {
        Ui::Buttons buttons;
        int defaultButton;
        Ui::Answer expected;
    } cases[] = {
        {Ui::Buttons::YesNo, 0, Ui::Answer::No},
        {Ui::Buttons::YesNoCancel, 0, Ui::Answer::Cancel},
        {Ui::Buttons::AbortRetryIgnore, 2, Ui::Answer::Abort},
        {Ui::Buttons::OkCancel, 0, Ui::Answer::Cancel},
        {Ui::Buttons::RetryCancel, 0, Ui::Answer::Cancel},
        {Ui::Buttons::Ok, 3, Ui::Answer::Ok},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ui.message(QStringLiteral("Failed\r\nagain"), QStringLiteral("T"), Ui::Icon::Question,
                             c.buttons, c.defaultButton),
                  c.expected)
            << static_cast<int>(c.buttons);
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
