#pragma once

#include <QString>

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

// The state text of a device, asked in the window's order: off-net (when a system is given),
// commissioned, under test, then the state number. A failing question throws lns::Error.
QString query(const lns::System* system, const lns::AppDevice& device);

} // namespace device_state
