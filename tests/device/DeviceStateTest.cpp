#include "device/DeviceStateText.h"
#include "host/ConnectionState.h"
#include "host/StepRunner.h"
#include "support/DemoSession.h"

#include <gtest/gtest.h>

namespace {

using Operation = lnssim::PlatformAdmin::Operation;
using Question = device_state::Question;

const QString Rou1 = QStringLiteral("F1/ROU_1");

class DeviceStateTest : public ::testing::Test
{
protected:
    // The rule asked step by step, each failing question answered `answer`.
    std::optional<QString> ask(UiServices::Answer answer, QList<Question>* asked = nullptr)
    {
        StepRunner steps([answer](const lns::Error&) { return answer; });
        return device_state::query(demo.connection.system.get(), *demo.device(Rou1), steps,
                                   [asked](Question question) {
                                       if (asked)
                                           asked->append(question);
                                   });
    }

    DemoSession demo;
};

TEST_F(DeviceStateTest, QuestionsComeInTheRulesOrderAndStopAtTheFirstAnswer)
{
    QList<Question> asked;
    EXPECT_EQ(ask(UiServices::Answer::Abort, &asked), device_state::Online);
    EXPECT_EQ(asked, (QList<Question>{Question::SystemMode, Question::Commissioned, Question::TestFlag,
                                      Question::State}));

    demo.admin.setTestFlag(DemoSession::Network, Rou1, true);
    asked.clear();
    EXPECT_EQ(ask(UiServices::Answer::Abort, &asked), device_state::Unknown);
    EXPECT_EQ(asked.size(), 3);

    demo.admin.setSystemMode(DemoSession::Network, device_state::OffnetMode);
    asked.clear();
    EXPECT_EQ(ask(UiServices::Answer::Abort, &asked), device_state::Offnet);
    EXPECT_EQ(asked, QList<Question>{Question::SystemMode});
    // Without a system nobody says off-net: the device is asked.
    EXPECT_EQ(device_state::query(nullptr, *demo.device(Rou1)), device_state::Unknown);
}

TEST_F(DeviceStateTest, AFailedStateReadIsLeftToTheCaller)
{
    const auto failOnce = [this] {
        demo.admin.failNext(DemoSession::Network, Rou1, Operation::StateQuery, 1);
    };
    failOnce();
    EXPECT_EQ(ask(UiServices::Answer::Retry), device_state::Online);
    failOnce();
    EXPECT_EQ(ask(UiServices::Answer::Ignore), QString()) << "ignored: the caller shows its own text";
    failOnce();
    EXPECT_EQ(ask(UiServices::Answer::Abort), std::nullopt);
    // In one go the failure is the caller's to handle.
    failOnce();
    EXPECT_THROW(device_state::query(demo.connection.system.get(), *demo.device(Rou1)), lns::Error);
}

} // namespace
