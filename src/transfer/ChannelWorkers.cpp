#include "transfer/ChannelWorkers.h"

#include <QSet>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <exception>
#include <mutex>
#include <thread>

namespace {

// What the workers share; every member is guarded by mutex.
struct Board
{
    std::mutex mutex;
    std::condition_variable changed;
    std::vector<bool> started;
    QSet<QString> busy;
    // Jobs before it have all been started.
    std::size_t firstOpen = 0;
    std::deque<int> ended;
    // Jobs ended so far, and those of them the calling thread has passed on.
    std::size_t endedCount = 0;
    std::size_t passedCount = 0;
    int running = 0;
    bool stopped = false;
    std::exception_ptr failure;
};

constexpr std::chrono::milliseconds WaitingTick{50};

} // namespace

int ChannelWorkers::defaultWorkers(const QStringList& channels)
{
    QSet<QString> distinct;
    int unnamed = 0;
    for (const QString& channel : channels) {
        if (channel.isEmpty())
            ++unnamed;
        else
            distinct.insert(channel);
    }
    return std::clamp(static_cast<int>(distinct.size()) + unnamed, 1, Bound);
}

ChannelWorkers::ChannelWorkers(QStringList channels, int workers)
    : m_channels(std::move(channels)), m_workers(std::clamp(workers, 1, Bound))
{
}

std::vector<bool> ChannelWorkers::run(const Calls& calls)
{
    const std::size_t count = static_cast<std::size_t>(m_channels.size());
    Board board;
    board.started.assign(count, false);

    // The next job whose channel is free, marked started; -1 when none is free now, and
    // `allStarted` when none is left at all. Called with the board locked.
    const auto take = [&](bool& allStarted) {
        while (board.firstOpen < count && board.started[board.firstOpen])
            ++board.firstOpen;
        allStarted = board.firstOpen == count;
        for (std::size_t job = board.firstOpen; job < count; ++job) {
            const QString& channel = m_channels[static_cast<qsizetype>(job)];
            if (board.started[job] || (!channel.isEmpty() && board.busy.contains(channel)))
                continue;
            board.started[job] = true;
            if (!channel.isEmpty())
                board.busy.insert(channel);
            return static_cast<int>(job);
        }
        return -1;
    };

    const auto passOnEnded = [&](std::unique_lock<std::mutex>& lock) {
        while (!board.ended.empty()) {
            const int job = board.ended.front();
            board.ended.pop_front();
            lock.unlock();
            if (calls.finished)
                calls.finished(job);
            lock.lock();
            ++board.passedCount;
            board.changed.notify_all();
        }
    };

    const int threads = std::min<int>(m_workers, std::max<int>(1, static_cast<int>(count)));
    // A single worker is the calling thread itself, which then hears of each job as it ends.
    const bool inlineRun = threads == 1;
    const auto worker = [&] {
        try {
            const Work work = calls.makeWorker();
            std::unique_lock lock(board.mutex);
            for (;;) {
                if (board.stopped || board.failure)
                    break;
                if (calls.stopRequested && calls.stopRequested()) {
                    board.stopped = true;
                    break;
                }
                bool allStarted = false;
                const int job = take(allStarted);
                if (allStarted && job < 0)
                    break;
                if (job < 0) {
                    board.changed.wait(lock);
                    continue;
                }
                lock.unlock();
                std::exception_ptr thrown;
                try {
                    work(job);
                } catch (...) {
                    thrown = std::current_exception();
                }
                lock.lock();
                board.busy.remove(m_channels[job]);
                board.ended.push_back(job);
                const std::size_t ended = ++board.endedCount;
                if (thrown && !board.failure)
                    board.failure = thrown;
                board.changed.notify_all();
                // The worker takes no other job before the caller has heard of this one, so a
                // stop asked for then holds for it as well.
                if (inlineRun)
                    passOnEnded(lock);
                else
                    board.changed.wait(lock, [&] { return board.passedCount >= ended; });
            }
        } catch (...) {
            const std::lock_guard guard(board.mutex);
            if (!board.failure)
                board.failure = std::current_exception();
        }
        const std::lock_guard guard(board.mutex);
        --board.running;
        board.changed.notify_all();
    };

    if (inlineRun) {
        board.running = 1;
        worker();
        std::unique_lock lock(board.mutex);
        passOnEnded(lock);
    } else {
        std::vector<std::thread> pool;
        board.running = threads;
        pool.reserve(static_cast<std::size_t>(threads));
        for (int index = 0; index < threads; ++index)
            pool.emplace_back(worker);
        {
            std::unique_lock lock(board.mutex);
            while (board.running > 0 || !board.ended.empty()) {
                passOnEnded(lock);
                if (board.running == 0)
                    break;
                if (calls.waiting) {
                    board.changed.wait_for(lock, WaitingTick);
                    lock.unlock();
                    calls.waiting();
                    lock.lock();
                } else {
                    board.changed.wait(lock);
                }
            }
        }
        for (std::thread& thread : pool)
            thread.join();
    }
    if (board.failure)
        std::rethrow_exception(board.failure);
    return board.started;
}
