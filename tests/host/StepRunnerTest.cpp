#include "host/StepRunner.h"

#include "support/FakeUi.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace {

const QString Suffix = QStringLiteral(" ReadInit");
const QString Title = QStringLiteral("fMain in ReadInitValues(fMain)");

// A step that fails `failures` times before it succeeds.
struct FlakyStep
{
    int failures;
    int calls = 0;
    void operator()()
    {
        ++calls;
        if (calls <= failures)
            throw lns::Error(lns::errors::DeviceOffline, QStringLiteral("Device is offline"));
    }
};

} // namespace

TEST(StepRunnerTest, AnswersDriveTheLoop)
{
    QStringList trace;
    QList<UiServices::Answer> answers{UiServices::Answer::Retry, UiServices::Answer::Retry,
                                      UiServices::Answer::Ignore};
    StepRunner runner([&](const lns::Error& error) {
        trace << QStringLiteral("handler %1").arg(error.number());
        return answers.takeFirst();
    });

    FlakyStep retried{2};
    EXPECT_EQ(runner.run([&] { retried(); }), StepRunner::Outcome::Done);
    EXPECT_EQ(retried.calls, 3);

    FlakyStep ignored{10};
    EXPECT_EQ(runner.run([&] { ignored(); }), StepRunner::Outcome::Ignored);
    EXPECT_EQ(ignored.calls, 1);

    bool nextRan = false;
    EXPECT_EQ(runner.run([&] { nextRan = true; }), StepRunner::Outcome::Done);
    EXPECT_TRUE(nextRan);
    EXPECT_FALSE(runner.aborted());
    EXPECT_EQ(trace.size(), 3);
    EXPECT_EQ(trace.first(), QStringLiteral("handler %1").arg(lns::errors::DeviceOffline));
}

TEST(StepRunnerTest, AbortStopsEveryLaterStep)
{
    int handled = 0;
    StepRunner runner([&](const lns::Error&) {
        ++handled;
        return UiServices::Answer::Abort;
    });
    FlakyStep failing{1};
    EXPECT_EQ(runner.run([&] { failing(); }), StepRunner::Outcome::Aborted);
    EXPECT_TRUE(runner.aborted());

    bool laterRan = false;
    EXPECT_EQ(runner.run([&] { laterRan = true; }), StepRunner::Outcome::Aborted);
    EXPECT_FALSE(laterRan);
    EXPECT_EQ(failing.calls, 1);
    EXPECT_EQ(handled, 1);
}

TEST(StepRunnerTest, OtherAnswersAndMissingHandlerCountAsAbort)
{
    StepRunner cancelled([](const lns::Error&) { return UiServices::Answer::Cancel; });
    EXPECT_EQ(cancelled.run([] { throw lns::Error(1, QStringLiteral("x")); }), StepRunner::Outcome::Aborted);

    StepRunner withoutHandler{StepRunner::Handler()};
    EXPECT_EQ(withoutHandler.run([] { throw lns::Error(1, QStringLiteral("x")); }),
              StepRunner::Outcome::Aborted);
}

TEST(StepRunnerTest, OtherExceptionsPassThrough)
{
    StepRunner runner([](const lns::Error&) { return UiServices::Answer::Ignore; });
    EXPECT_THROW(runner.run([] { throw std::runtime_error("bug"); }), std::runtime_error);
    EXPECT_FALSE(runner.aborted());
}

TEST(StepRunnerTest, MessageBoxShowsDescriptionSuffixTitleIconAndButtons)
{
    FakeUi ui;
    const QString text = QStringLiteral("Device is offline") + Suffix;
    ui.expectMessage(text, Title, UiServices::Icon::Critical, UiServices::Buttons::AbortRetryIgnore,
                     UiServices::Answer::Retry);
    ui.expectMessage(text, Title, UiServices::Icon::Critical, UiServices::Buttons::AbortRetryIgnore,
                     UiServices::Answer::Ignore);
    ui.expectMessage(text, Title, UiServices::Icon::Critical, UiServices::Buttons::AbortRetryIgnore,
                     UiServices::Answer::Abort);

    StepRunner runner(StepRunner::messageBox(ui, Suffix, Title));
    FlakyStep first{1};
    EXPECT_EQ(runner.run([&] { first(); }), StepRunner::Outcome::Done);
    EXPECT_EQ(first.calls, 2);
    FlakyStep second{1};
    EXPECT_EQ(runner.run([&] { second(); }), StepRunner::Outcome::Ignored);
    FlakyStep third{1};
    EXPECT_EQ(runner.run([&] { third(); }), StepRunner::Outcome::Aborted);
    ui.verifyAllShown();
    ASSERT_EQ(ui.messages().size(), 3);
    EXPECT_EQ(ui.messages().first().defaultButton, 0);
}

TEST(StepRunnerTest, MessageBoxTreatsAnyOtherAnswerAsAbort)
{
    // A box that was closed some other way than by its buttons.
    class ClosedBoxUi final : public UiServices
    {
    public:
        using UiServices::message;
        Answer message(const Message& shown) override
        {
            lastText = shown.text;
            return Answer::Cancel;
        }
        QString openFileName(const FileDialog&) override { return {}; }
        QString saveFileName(const FileDialog&) override { return {}; }
        bool choosePrinter(QPrinter&, const QString&) override { return false; }
        bool openDocument(const QString&, bool) override { return false; }
        void setPointer(Pointer) override {}
        Pointer pointer() const override { return Pointer::Default; }
        void processEvents() override {}
        void setParentWindow(QWidget*) override {}
        void setLanguage(const QString&) override {}
        QString lastText;
    };
    ClosedBoxUi ui;
    const StepRunner::Handler handler = StepRunner::messageBox(ui, Suffix, Title);
    EXPECT_EQ(handler(lns::Error(7, QStringLiteral("gone"))), UiServices::Answer::Abort);
    EXPECT_EQ(ui.lastText, QStringLiteral("gone ReadInit"));
}

TEST(StepRunnerTest, SilentRetriesComeFirstAndCountPerStep)
{
    int asked = 0;
    QStringList repeated;
    StepRunner runner(
        [&](const lns::Error&) {
            ++asked;
            return UiServices::Answer::Ignore;
        },
        {5}, [&](const lns::Error& error) { repeated << QString::number(error.number()); });

    // Four failures in every step: the budget is the step's own, so nobody is asked.
    for (int step = 0; step < 3; ++step) {
        FlakyStep flaky{4};
        EXPECT_EQ(runner.run([&] { flaky(); }), StepRunner::Outcome::Done);
    }
    EXPECT_EQ(asked, 0);
    EXPECT_EQ(repeated.size(), 12);

    // The sixth failure of one step asks.
    repeated.clear();
    FlakyStep stuck{6};
    EXPECT_EQ(runner.run([&] { stuck(); }), StepRunner::Outcome::Ignored);
    EXPECT_EQ(stuck.calls, 6);
    EXPECT_EQ(repeated, QStringList(5, QString::number(lns::errors::DeviceOffline)));
    EXPECT_EQ(asked, 1);
}

TEST(StepRunnerTest, AnAnswerGivesTheSilentRetriesBack)
{
    // Per step and for the whole run alike: Retry starts the call over with five silent tries,
    // and after Ignore the next step has its five again. (A whole run's budget is spent by the
    // retried step, so its next failing step asks at once.)
    for (const StepRunner::RetryScope scope :
         {StepRunner::RetryScope::EachStep, StepRunner::RetryScope::WholeRun}) {
        QList<UiServices::Answer> answers{UiServices::Answer::Retry, UiServices::Answer::Ignore};
        int asked = 0;
        StepRunner runner(
            [&](const lns::Error&) {
                ++asked;
                return answers.takeFirst();
            },
            {5, scope});
        FlakyStep retried{11};
        EXPECT_EQ(runner.run([&] { retried(); }), StepRunner::Outcome::Done);
        EXPECT_EQ(retried.calls, 12);
        EXPECT_EQ(asked, 1);

        FlakyStep ignored{100};
        EXPECT_EQ(runner.run([&] { ignored(); }), StepRunner::Outcome::Ignored);
        EXPECT_EQ(ignored.calls, scope == StepRunner::RetryScope::EachStep ? 6 : 1);
        FlakyStep next{5};
        EXPECT_EQ(runner.run([&] { next(); }), StepRunner::Outcome::Done);
        EXPECT_EQ(asked, 2);
    }
}

TEST(StepRunnerTest, AWholeRunBudgetIsSharedByItsSteps)
{
    int asked = 0;
    StepRunner runner(
        [&](const lns::Error&) {
            ++asked;
            return UiServices::Answer::Ignore;
        },
        {5, StepRunner::RetryScope::WholeRun});
    FlakyStep first{3};
    EXPECT_EQ(runner.run([&] { first(); }), StepRunner::Outcome::Done);
    // Two silent tries are left for the second step; its third failure asks.
    FlakyStep second{3};
    EXPECT_EQ(runner.run([&] { second(); }), StepRunner::Outcome::Ignored);
    EXPECT_EQ(second.calls, 3);
    EXPECT_EQ(asked, 1);
}

TEST(StepRunnerTest, StatusAndCheckedStepsFailLikeThrowingOnes)
{
    QList<int> numbers;
    StepRunner runner([&](const lns::Error& error) {
        numbers << error.number();
        return numbers.size() < 2 ? UiServices::Answer::Retry : UiServices::Answer::Abort;
    });
    QList<int> statuses{7, 0};
    EXPECT_EQ(runner.runStatus([&] { return statuses.takeFirst(); }), StepRunner::Outcome::Done);
    EXPECT_EQ(runner.runChecked([] { return false; }), StepRunner::Outcome::Aborted);
    EXPECT_EQ(numbers, (QList<int>{7, 1}));
}
