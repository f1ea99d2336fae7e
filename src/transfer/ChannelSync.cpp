#include "transfer/ChannelSync.h"

#include "host/BestEffort.h"
#include "host/MemoryLog.h"
#include "host/MessageCatalogue.h"
#include "host/object_server/ObjectServer.h"
#include "host/object_server/System.h"
#include "transfer/ChannelWorkers.h"
#include "transfer/DeviceTransfer.h"
#include "transfer/TransferObserver.h"

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <optional>

namespace {

constexpr auto Mode = DeviceTransfer::Mode::Synchronise;

// The network opened once more on a worker's thread, closed there when the worker ends.
struct WorkerSession
{
    std::unique_ptr<lns::ObjectServer> server;
    std::shared_ptr<lns::Network> network;
    std::shared_ptr<lns::System> system;
    std::shared_ptr<lns::DeviceTemplate> deviceTemplate;

    WorkerSession(std::unique_ptr<lns::ObjectServer> opened, const QString& networkName,
                  const QString& programId)
        : server(std::move(opened))
    {
        server->open();
        network = server->networks()->item(networkName);
        if (!network)
            throw lns::Error(lns::errors::NotFound, networkName);
        network->open();
        system = network->systems()->item(1);
        if (!system)
            throw lns::Error(lns::errors::NotFound, networkName);
        system->open();
        deviceTemplate = system->deviceTemplates()->findByProgramId(programId);
    }
    ~WorkerSession()
    {
        // Closing only lets go of the database.
        bestEffort([this] {
            if (system)
                system->close();
            if (network)
                network->close();
            server->close();
        });
    }
    WorkerSession(const WorkerSession&) = delete;
    WorkerSession& operator=(const WorkerSession&) = delete;
};

// Keeps what a device took; stops before the set once a stop is asked for.
class SetObserver final : public TransferObserver
{
public:
    explicit SetObserver(std::function<bool()> stop) : m_stop(std::move(stop)) {}

    bool beforeCp(int) override { return !m_stop(); }
    void cpWritten(int position, const QString& readBack) override { written[position] = readBack; }
    void afterCp(int) override {}

    std::map<int, QString> written;

private:
    std::function<bool()> m_stop;
};

// A question of a worker, answered on the calling thread while it waits.
class Questions final
{
public:
    // From a worker: waits for the answer; one question at a time, and after an Abort every
    // further one is answered Abort unasked.
    UiServices::Answer ask(const lns::Error& error)
    {
        const std::lock_guard turn(m_turn);
        std::unique_lock lock(m_mutex);
        if (m_aborted)
            return UiServices::Answer::Abort;
        m_asked = error;
        m_answered.wait(lock, [this] { return m_answer.has_value(); });
        const UiServices::Answer answer = *m_answer;
        m_asked.reset();
        m_answer.reset();
        return answer;
    }

    // On the calling thread: answers a waiting question, if any.
    void answer(const StepRunner::Handler& decide)
    {
        std::optional<lns::Error> asked;
        {
            const std::lock_guard lock(m_mutex);
            if (!m_asked || m_answer)
                return;
            asked = m_asked;
        }
        const UiServices::Answer answer = decide(*asked);
        const std::lock_guard lock(m_mutex);
        m_answer = answer;
        m_aborted = m_aborted || answer == UiServices::Answer::Abort;
        m_answered.notify_all();
    }

private:
    std::mutex m_turn;
    std::mutex m_mutex;
    std::condition_variable m_answered;
    std::optional<lns::Error> m_asked;
    std::optional<UiServices::Answer> m_answer;
    bool m_aborted = false;
};

QString sessionFailure(const lns::Error& error, bool english)
{
    return english
               ? QStringLiteral("A second connection to the network could not be opened (%1); the devices "
                                "not reached were not written.")
                     .arg(error.description())
               : QStringLiteral("Eine zweite Verbindung zum Netzwerk konnte nicht geöffnet werden (%1); die "
                                "nicht erreichten Geräte wurden nicht beschrieben.")
                     .arg(error.description());
}

} // namespace

ChannelSync::ChannelSync(Setup setup) : m_setup(std::move(setup)), m_points(m_setup.points)
{
    const QList<lns::CpSetValue> set = DeviceTransfer::setOf(
        m_points, Mode, [](int) { return false; }, m_setup.valueOf);
    const std::shared_ptr<lns::AppDevices> devices = m_setup.deviceTemplate->devices();
    for (const SelectedDevice& chosen : m_setup.chosen) {
        QString channel;
        qint64 floor = 0;
        // A device that cannot be asked is written on its own and estimated at nothing; the
        // transfer itself will say what is wrong with it.
        bestEffort([&] {
            const std::shared_ptr<lns::AppDevice> device = devices->item(chosen.deviceIndex);
            channel = device->channel();
            floor = device->stateQueryFloorNs() + device->configPropertiesWriteFloorNs(set);
        });
        m_channels.append(channel);
        m_floorsNs.append(floor);
    }
    if (m_setup.openServer)
        m_workers = ChannelWorkers::defaultWorkers(m_channels);
}

ChannelSync::Result ChannelSync::run(const Calls& calls)
{
    const auto count = static_cast<int>(m_setup.chosen.size());
    // A worker fills its device's outcome; the calling thread reads it once it has heard that
    // the device ended.
    std::vector<std::optional<Device>> outcomes(static_cast<std::size_t>(count));
    std::vector<bool> ended(static_cast<std::size_t>(count), false);
    std::atomic<bool> stop = false;
    std::atomic<bool> aborted = false;
    std::optional<lns::Error> openFailure;
    std::mutex openFailureMutex;
    Questions questions;
    // The constructor gives no more workers than devices, so one worker is the calling thread.
    const bool inlineRun = m_workers == 1;
    const QString programId = m_setup.deviceTemplate->programId();

    // The calling thread lets events run, answers questions and hears of a cancel.
    const auto wait = [&] {
        questions.answer(calls.decide);
        if (calls.waiting && calls.waiting())
            stop = true;
    };
    const auto writeOne = [&](int index, const std::shared_ptr<const lns::System>& system,
                              const lns::DeviceTemplate& deviceTemplate, PointTables& points) {
        MemoryLog log;
        DeviceTransfer transfer(
            points, m_setup.catalogue, log, system,
            inlineRun ? calls.decide
                      : [&questions](const lns::Error& error) { return questions.ask(error); });
        Device outcome;
        SetObserver observer([&] {
            if (inlineRun)
                wait();
            return stop.load();
        });
        if (const auto target =
                transfer.openChosen(deviceTemplate, m_setup.chosen[static_cast<std::size_t>(index)])) {
            transfer.writeSet(
                *target, Mode, [](int) { return false; }, m_setup.valueOf, observer);
            outcome.databaseOnly = target->databaseOnly();
        }
        if (transfer.aborted()) {
            aborted = true;
            stop = true;
        }
        outcome.written = std::move(observer.written);
        outcome.log = log.entries();
        outcomes[static_cast<std::size_t>(index)] = std::move(outcome);
    };

    ChannelWorkers::Calls workerCalls;
    workerCalls.makeWorker = [&]() -> ChannelWorkers::Work {
        // A worker's own copy: writing a set reads the values back into the tables.
        auto points = std::make_shared<PointTables>(m_points);
        if (inlineRun)
            return
                [&, points](int index) { writeOne(index, m_setup.system, *m_setup.deviceTemplate, *points); };
        std::shared_ptr<WorkerSession> session;
        try {
            session = std::make_shared<WorkerSession>(m_setup.openServer(), m_setup.networkName, programId);
        } catch (const lns::Error& error) {
            const std::lock_guard lock(openFailureMutex);
            if (!openFailure)
                openFailure = error;
            stop = true;
            return [](int) {};
        }
        return [&, session, points](int index) {
            writeOne(index, session->system, *session->deviceTemplate, *points);
        };
    };
    workerCalls.stopRequested = [&] { return stop.load(); };
    int passedOn = 0;
    const auto passOn = [&](bool all) {
        while (passedOn < count) {
            const auto index = static_cast<std::size_t>(passedOn);
            if (!ended[index] && !all)
                return;
            if (ended[index] && outcomes[index] && calls.done)
                calls.done(passedOn, *outcomes[index]);
            ++passedOn;
        }
    };
    workerCalls.finished = [&](int index) {
        ended[static_cast<std::size_t>(index)] = true;
        if (calls.ended)
            calls.ended(index);
        passOn(false);
        // A cancel seen here holds for the worker that ended, before it takes another device.
        wait();
    };
    workerCalls.waiting = wait;
    ChannelWorkers(m_channels, m_workers).run(workerCalls);
    passOn(true);

    Result result;
    if (openFailure)
        result.failure =
            sessionFailure(*openFailure, m_setup.catalogue.currentLanguage() == QLatin1String("english"));
    result.end = aborted ? End::Aborted : stop ? End::Cancelled : End::Completed;
    return result;
}
