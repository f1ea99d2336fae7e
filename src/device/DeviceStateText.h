#pragma once

#include <QString>
#include <functional>
#include <optional>

class StepRunner;

namespace lns {
class AppDevice;
class System;
} // namespace lns

// The device state texts of the status bar's state panel. The panel reading Online is the
// test for "the device is online" everywhere in the program.
namespace device_state {

inline const QString Online = QStringLiteral("Cnfg Online");
inline const QString Offnet = QStringLiteral("Offnet");
inline const QString NotCommissioned = QStringLiteral("Not Commissioned yet");
inline const QString Unknown = QStringLiteral("?");

// The system mode of a network whose changes stay in the database.
constexpr int OffnetMode = 1;

// The text of an object server state number; "?" for a number without a text.
QString stateText(int state);

// The questions of the state rule, in the order they are asked.
enum class Question
{
    SystemMode,
    Commissioned,
    TestFlag,
    State
};

// The state text of a device: off-net (asked of the system; without one the network counts as
// on-net), commissioned, under test, then the state number. Each question is a step of `steps`, so the
// caller's handler decides about a failing one; an ignored question takes the cautious answer
// (off-net, commissioned, under test) and an ignored state read leaves the text empty.
// `asking` hears of each question before it is put. Nothing when a step was aborted.
std::optional<QString> query(const lns::System* system, const lns::AppDevice& device, StepRunner& steps,
                             const std::function<void(Question)>& asking = {});
// The same in one go: the first failing question throws its lns::Error.
QString query(const lns::System* system, const lns::AppDevice& device);

} // namespace device_state
