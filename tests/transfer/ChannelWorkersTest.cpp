#include "transfer/ChannelWorkers.h"

#include "transfer/ChannelEstimate.h"

#include <QMap>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <gtest/gtest.h>
#include <map>
#include <mutex>
#include <stdexcept>
#include <thread>

namespace {

// What the jobs saw: the order they started in, the threads they ran on, and for each channel how
// many of its jobs ran at the same time at most.
class ChannelWorkersTest : public ::testing::Test
{
protected:
    ChannelWorkers::Calls calls(const QStringList& channels, std::function<void(int)> inside = {})
    {
        ChannelWorkers::Calls result;
        result.makeWorker = [this, channels, inside] {
            return ChannelWorkers::Work([this, channels, inside](int job) {
                const QString& channel = channels.at(job);
                {
                    const std::lock_guard guard(mutex);
                    startOrder.push_back(job);
                    threads.insert(std::this_thread::get_id());
                    most[channel] = std::max(most.value(channel), ++running[channel]);
                    changed.notify_all();
                }
                const auto leave = [&] {
                    const std::lock_guard guard(mutex);
                    --running[channel];
                };
                try {
                    if (inside)
                        inside(job);
                } catch (...) {
                    leave();
                    throw;
                }
                leave();
            });
        };
        result.finished = [this](int job) {
            EXPECT_EQ(std::this_thread::get_id(), caller);
            finishOrder.push_back(job);
        };
        return result;
    }

    // Waits until a job has started; false after the deadline.
    bool waitForStart(int job)
    {
        std::unique_lock lock(mutex);
        return changed.wait_for(lock, std::chrono::seconds(20), [&] {
            return std::find(startOrder.begin(), startOrder.end(), job) != startOrder.end();
        });
    }

    const std::thread::id caller = std::this_thread::get_id();
    std::mutex mutex;
    std::condition_variable changed;
    std::vector<int> startOrder;
    std::vector<int> finishOrder;
    std::set<std::thread::id> threads;
    QMap<QString, int> running;
    QMap<QString, int> most;
};

} // namespace

TEST_F(ChannelWorkersTest, DefaultIsOneWorkerPerChannelWithinTheBound)
{
    QStringList many;
    for (int channel = 0; channel < 40; ++channel)
        many.append(QStringLiteral("C%1").arg(channel));
    const std::pair<QStringList, int> cases[] = {
        {{}, 1},
        {{QStringLiteral("A"), QStringLiteral("A")}, 1},
        {{QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("A")}, 2},
        {{QStringLiteral("A"), QString(), QString()}, 3},
        {many, ChannelWorkers::Bound},
    };
    for (const auto& [channels, workers] : cases)
        EXPECT_EQ(ChannelWorkers::defaultWorkers(channels), workers)
            << channels.join(QLatin1Char(',')).toStdString();
}

TEST_F(ChannelWorkersTest, OneWorkerRunsTheListInOrderOnTheCallingThread)
{
    const QStringList channels{QStringLiteral("B"), QStringLiteral("A"), QStringLiteral("B"), QString()};
    const std::vector<bool> started = ChannelWorkers(channels, 1).run(calls(channels));
    EXPECT_EQ(started, std::vector<bool>(4, true));
    EXPECT_EQ(startOrder, (std::vector<int>{0, 1, 2, 3}));
    EXPECT_EQ(finishOrder, startOrder);
    EXPECT_EQ(threads, std::set<std::thread::id>{caller});
}

TEST_F(ChannelWorkersTest, ChannelsRunAtOnceAndEachChannelOneJobAtATime)
{
    // The first job of A holds its channel until the first job of B has started: only a worker
    // on another channel can let it go on.
    const QStringList channels{QStringLiteral("A"), QStringLiteral("A"), QStringLiteral("B"),
                               QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")};
    const std::vector<bool> started = ChannelWorkers(channels, 16).run(calls(channels, [this](int job) {
        if (job == 0) {
            EXPECT_TRUE(waitForStart(2));
        }
    }));
    EXPECT_EQ(started, std::vector<bool>(6, true));
    for (const QString& channel : {QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")})
        EXPECT_EQ(most.value(channel), 1) << channel.toStdString();
    // Within a channel, the list's order.
    const auto position = [this](int job) { return std::find(startOrder.begin(), startOrder.end(), job); };
    EXPECT_LT(position(0), position(1));
    EXPECT_LT(position(1), position(3));
    EXPECT_LT(position(2), position(4));
    std::vector<int> finished = finishOrder;
    std::sort(finished.begin(), finished.end());
    EXPECT_EQ(finished, (std::vector<int>{0, 1, 2, 3, 4, 5}));
    EXPECT_GT(threads.size(), 1u);
}

TEST_F(ChannelWorkersTest, AStopLetsTheJobsUnderWayEndAndStartsNoMore)
{
    const QStringList channels(12, QStringLiteral("A"));
    for (const int workers : {1, 4}) {
        startOrder.clear();
        finishOrder.clear();
        ChannelWorkers::Calls hooks = calls(channels);
        hooks.stopRequested = [this] {
            const std::lock_guard guard(mutex);
            return startOrder.size() >= 5;
        };
        const std::vector<bool> started = ChannelWorkers(channels, workers).run(hooks);
        EXPECT_EQ(std::count(started.begin(), started.end(), true), 5) << workers;
        EXPECT_EQ(finishOrder, (std::vector<int>{0, 1, 2, 3, 4})) << workers;
    }
}

// The window answers a cancel as it hears that a device ended: the worker that ended it must not
// have taken another device meanwhile.
TEST_F(ChannelWorkersTest, AStopAskedForAsAJobEndsHoldsForItsWorker)
{
    const QStringList channels{QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("A"),
                               QStringLiteral("B"), QStringLiteral("A")};
    std::map<int, std::thread::id> ranOn;
    std::atomic<bool> stop = false;
    int firstEnded = -1;
    ChannelWorkers::Calls hooks = calls(channels, [&](int job) {
        const std::lock_guard guard(mutex);
        ranOn[job] = std::this_thread::get_id();
    });
    hooks.finished = [&](int job) {
        if (!stop.exchange(true))
            firstEnded = job;
    };
    hooks.stopRequested = [&] { return stop.load(); };
    ChannelWorkers(channels, 2).run(hooks);
    ASSERT_GE(firstEnded, 0);
    // Its worker started nothing after it.
    const auto position = [this](int job) { return std::find(startOrder.begin(), startOrder.end(), job); };
    for (const auto& [job, thread] : ranOn)
        if (thread == ranOn.at(firstEnded)) {
            EXPECT_LE(position(job), position(firstEnded)) << job;
        }
}

TEST(ChannelEstimateTest, TheBusiestChannelOrTheWorkersShareDecide)
{
    constexpr qint64 S = 1'000'000'000;
    const QStringList channels{QStringLiteral("A"), QStringLiteral("A"), QStringLiteral("B"), QString(),
                               QStringLiteral("A")};
    const QList<qint64> floors{S, S, 2 * S, 3 * S / 2, S / 2};
    struct Case
    {
        int workers;
        std::vector<int> ended;
        qint64 seconds;
    };
    const Case cases[] = {
        {3, {}, 3},     // A: 2.5 s, rounded up
        {1, {}, 6},     // one worker carries all 6 s
        {2, {}, 3},     // 6 s over two workers
        {3, {0, 1}, 2}, // B is the busiest now
        {3, {0, 1, 2, 3, 4}, 0},
    };
    for (const Case& test : cases) {
        ChannelEstimate estimate(channels, floors, test.workers);
        for (int device : test.ended)
            estimate.ended(device);
        EXPECT_EQ(estimate.remainingSeconds(), test.seconds) << test.workers << " " << test.ended.size();
    }
}

TEST_F(ChannelWorkersTest, AFaultOfAWorkerReachesTheCallerAfterTheOthersEnded)
{
    const QStringList channels{QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("A"),
                               QStringLiteral("B")};
    for (const int workers : {1, 2}) {
        ChannelWorkers::Calls failingJob = calls(channels, [](int job) {
            if (job == 1)
                throw std::logic_error("job 1");
        });
        EXPECT_THROW(ChannelWorkers(channels, workers).run(failingJob), std::logic_error) << workers;
        ChannelWorkers::Calls failingWorker = calls(channels);
        failingWorker.makeWorker = []() -> ChannelWorkers::Work { throw std::runtime_error("no session"); };
        EXPECT_THROW(ChannelWorkers(channels, workers).run(failingWorker), std::runtime_error) << workers;
        const std::lock_guard guard(mutex);
        EXPECT_EQ(running.value(QStringLiteral("A")) + running.value(QStringLiteral("B")), 0);
    }
}
