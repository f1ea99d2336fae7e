#include "host/UnattendedUi.h"

#include <gtest/gtest.h>

TEST(UnattendedUiTest, EveryBoxTakesTheAnswerThatDestroysNothing)
{
    UnattendedUi ui;
    // The default button does not count: a Yes would delete templates or take over defaults.
    const struct
    {
        UiServices::Buttons buttons;
        int defaultButton;
        UiServices::Answer expected;
    } cases[] = {
        {UiServices::Buttons::YesNo, 0, UiServices::Answer::No},
        {UiServices::Buttons::YesNoCancel, 0, UiServices::Answer::Cancel},
        {UiServices::Buttons::AbortRetryIgnore, 2, UiServices::Answer::Abort},
        {UiServices::Buttons::OkCancel, 0, UiServices::Answer::Cancel},
        {UiServices::Buttons::RetryCancel, 0, UiServices::Answer::Cancel},
        {UiServices::Buttons::Ok, 3, UiServices::Answer::Ok},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ui.message(QStringLiteral("Failed\r\nagain"), QStringLiteral("T"),
                             UiServices::Icon::Question, c.buttons, c.defaultButton),
                  c.expected)
            << static_cast<int>(c.buttons);
}

TEST(UnattendedUiTest, DialogsAreCancelled)
{
    UnattendedUi ui;
    EXPECT_TRUE(
        ui.openFileName(UiServices::FileDialog{QStringLiteral("Load"), QString(), QString(), false, true})
            .isEmpty());
    EXPECT_TRUE(ui.saveFileName(UiServices::FileDialog{}).isEmpty());
    EXPECT_FALSE(ui.openDocument(QStringLiteral("/tmp/readme_eng.txt"), false));
    ui.setPointer(UiServices::Pointer::Hourglass);
    EXPECT_EQ(ui.pointer(), UiServices::Pointer::Hourglass);
}
