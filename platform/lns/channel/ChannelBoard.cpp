#include "lns/channel/ChannelBoard.h"

#include "host/object_server/Error.h"

#include <QDir>
#include <QFile>
#include <atomic>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

namespace lnssim {

// One cache line per channel, so that senders on different channels never contend.
struct alignas(64) ChannelBoard::Record
{
    qint64 busyUntil;
    qint64 transactions;
    qint64 busyNs;
    qint64 bytes;
};

namespace {

static_assert(std::atomic_ref<qint64>::is_always_lock_free, "the board is shared between processes");
constexpr qint64 FileBytes = static_cast<qint64>(ChannelBoard::Slots) * 64;
constexpr qint64 NsPerSecond = 1000000000;
// No honest booking lies this far ahead (at most InterfaceBound packets can be queued); one
// that does was made before the machine restarted and its clock began again.
constexpr qint64 StaleAheadNs = 10 * NsPerSecond;

bool lockByte(int descriptor, int byte, int command, short type)
{
    struct flock lock = {};
    lock.l_type = type;
    lock.l_whence = SEEK_SET;
    lock.l_start = byte;
    lock.l_len = 1;
    return fcntl(descriptor, command, &lock) == 0;
}

} // namespace

ChannelBoard::InterfaceTurn::InterfaceTurn(ChannelBoard& board, int descriptor, int byte)
    : m_board(board), m_descriptor(descriptor), m_lockByte(byte)
{
}

ChannelBoard::InterfaceTurn::~InterfaceTurn()
{
    m_board.release(m_descriptor, m_lockByte);
}

ChannelBoard::ChannelBoard(const QString& lonWorksHome) : m_path(filePath(lonWorksHome))
{
    static_assert(sizeof(Record) == 64);
    QDir().mkpath(QDir(lonWorksHome).filePath(QStringLiteral("lns")));
    const QByteArray path = QFile::encodeName(m_path);
    m_descriptor = ::open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    if (m_descriptor < 0)
        fail(QStringLiteral("cannot be opened"), errno);
    struct stat status = {};
    // Zeros are a valid board: every channel free, nothing counted.
    if (fstat(m_descriptor, &status) != 0 ||
        (status.st_size < FileBytes && ftruncate(m_descriptor, FileBytes) != 0)) {
        const int error = errno;
        ::close(m_descriptor);
        fail(QStringLiteral("cannot be sized"), error);
    }
    m_map = mmap(nullptr, FileBytes, PROT_READ | PROT_WRITE, MAP_SHARED, m_descriptor, 0);
    if (m_map == MAP_FAILED) {
        const int error = errno;
        ::close(m_descriptor);
        fail(QStringLiteral("cannot be mapped"), error);
    }
}

ChannelBoard::~ChannelBoard()
{
    for (int descriptor : m_idle)
        ::close(descriptor);
    munmap(m_map, FileBytes);
    ::close(m_descriptor);
}

QString ChannelBoard::filePath(const QString& lonWorksHome)
{
    return QDir(lonWorksHome).filePath(QStringLiteral("lns/networks.channels"));
}

qint64 ChannelBoard::now()
{
    timespec time = {};
    clock_gettime(CLOCK_MONOTONIC, &time);
    return static_cast<qint64>(time.tv_sec) * NsPerSecond + time.tv_nsec;
}

void ChannelBoard::sleepUntil(qint64 monotonicNs)
{
    timespec until = {};
    until.tv_sec = static_cast<time_t>(monotonicNs / NsPerSecond);
    until.tv_nsec = static_cast<long>(monotonicNs % NsPerSecond);
    while (clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &until, nullptr) == EINTR) {
    }
}

qint64 ChannelBoard::book(int slot, qint64 durationNs)
{
    requireSlot(slot);
    std::atomic_ref<qint64> busyUntil(record(slot).busyUntil);
    const qint64 from = now();
    qint64 seen = busyUntil.load(std::memory_order_acquire);
    for (;;) {
        const qint64 start = seen > from && seen - from < StaleAheadNs ? seen : from;
        if (busyUntil.compare_exchange_weak(seen, start + durationNs, std::memory_order_acq_rel,
                                            std::memory_order_acquire))
            return start + durationNs;
    }
}

void ChannelBoard::count(int slot, qint64 busyNs, qint64 bytes)
{
    Record& counted = record(slot);
    std::atomic_ref<qint64>(counted.transactions).fetch_add(1, std::memory_order_relaxed);
    std::atomic_ref<qint64>(counted.busyNs).fetch_add(busyNs, std::memory_order_relaxed);
    std::atomic_ref<qint64>(counted.bytes).fetch_add(bytes, std::memory_order_relaxed);
}

ChannelCounters ChannelBoard::counters(int slot) const
{
    requireSlot(slot);
    Record& counted = record(slot);
    return {std::atomic_ref<qint64>(counted.transactions).load(std::memory_order_relaxed),
            std::atomic_ref<qint64>(counted.busyNs).load(std::memory_order_relaxed),
            std::atomic_ref<qint64>(counted.bytes).load(std::memory_order_relaxed)};
}

void ChannelBoard::clear(int slot)
{
    requireSlot(slot);
    Record& counted = record(slot);
    std::atomic_ref<qint64>(counted.transactions).store(0, std::memory_order_relaxed);
    std::atomic_ref<qint64>(counted.busyNs).store(0, std::memory_order_relaxed);
    std::atomic_ref<qint64>(counted.bytes).store(0, std::memory_order_relaxed);
}

ChannelBoard::InterfaceTurn ChannelBoard::takeInterface()
{
    const int descriptor = idleDescriptor();
    unsigned first = 0;
    {
        std::lock_guard lock(m_mutex);
        first = m_nextByte++;
    }
    for (int i = 0; i < InterfaceBound; ++i) {
        const int byte = static_cast<int>((first + static_cast<unsigned>(i)) % InterfaceBound);
        if (lockByte(descriptor, byte, F_OFD_SETLK, F_WRLCK))
            return InterfaceTurn(*this, descriptor, byte);
        if (errno != EAGAIN && errno != EACCES) {
            const int error = errno;
            release(descriptor, -1);
            fail(QStringLiteral("cannot be locked"), error);
        }
    }
    // Other processes hold every turn: wait for one of them.
    const int byte = static_cast<int>(first % InterfaceBound);
    while (!lockByte(descriptor, byte, F_OFD_SETLKW, F_WRLCK)) {
        if (errno != EINTR) {
            const int error = errno;
            release(descriptor, -1);
            fail(QStringLiteral("cannot be locked"), error);
        }
    }
    return InterfaceTurn(*this, descriptor, byte);
}

ChannelBoard::Record& ChannelBoard::record(int slot) const
{
    return static_cast<Record*>(m_map)[slot];
}

void ChannelBoard::requireSlot(int slot) const
{
    if (slot < 0 || slot >= Slots)
        throw lns::Error(lns::errors::Database,
                         QStringLiteral("The channel slot %1 is not a number from 0 to %2 in %3")
                             .arg(slot)
                             .arg(Slots - 1)
                             .arg(m_path));
}

void ChannelBoard::fail(const QString& what, int error) const
{
    throw lns::Error(lns::errors::Database,
                     QStringLiteral("The channel state file %1 %2: %3")
                         .arg(m_path, what, QString::fromLocal8Bit(std::strerror(error))));
}

int ChannelBoard::idleDescriptor()
{
    std::unique_lock lock(m_mutex);
    m_released.wait(lock, [this] { return !m_idle.empty() || m_opened < InterfaceBound; });
    if (!m_idle.empty()) {
        const int descriptor = m_idle.back();
        m_idle.pop_back();
        return descriptor;
    }
    ++m_opened;
    lock.unlock();
    const int descriptor = ::open(QFile::encodeName(m_path).constData(), O_RDWR | O_CLOEXEC);
    if (descriptor < 0) {
        const int error = errno;
        lock.lock();
        --m_opened;
        m_released.notify_one();
        lock.unlock();
        fail(QStringLiteral("cannot be opened"), error);
    }
    return descriptor;
}

void ChannelBoard::release(int descriptor, int byte)
{
    if (byte >= 0)
        lockByte(descriptor, byte, F_OFD_SETLK, F_UNLCK);
    std::lock_guard lock(m_mutex);
    m_idle.push_back(descriptor);
    m_released.notify_one();
}

} // namespace lnssim
