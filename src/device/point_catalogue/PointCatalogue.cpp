#include "device/point_catalogue/PointTables.h"

#include <array>
#include <stdexcept>

namespace point_catalogue {

namespace {

// Positions 7..54 are six properties per switch object, Switch[0] (block 1) to Switch[7] (block 8).
constexpr std::array<CpDefinition, PointTables::CpTotal> CpDefinitions{{
    {"UCPTtimeConfig", "NodeObject", "N:1/C:3:45", "UNVT_str_hex4", 1, true},         // 0
    {"UCPTdeviceType", "NodeObject", "F:0/C:3:42", "SNVT_count", 1, true},            // 1
    {"UCPTdiConfig", "NodeObject", "F:0/C:3:44", "UNVT_str_hex4", 12, true},          // 2
    {"UCPTdisplConfig", "NodeObject", "F:0/C:3:46", "SNVT_state", 1, true},           // 3
    {"UCPTdisplayTime", "NodeObject", "F:0/C:3:16", "SNVT_time_sec", 1, true},        // 4
    {"UCPTbacklightMin", "NodeObject", "F:0/C:3:48", "SNVT_lev_cont", 2, true},       // 5
    {"UCPTbacklightMax", "NodeObject", "F:0/C:3:47", "SNVT_lev_cont", 2, true},       // 6
    {"SCPTmaxOut", "Switch[0]", "F:1/C:0:93", "SNVT_lev_cont", 1, true},              // 7
    {"SCPTmaxSendTime", "Switch[0]", "F:1/C:0:49", "SNVT_time_sec", 1, true},         // 8
    {"SCPTminSendTime", "Switch[0]", "F:1/C:0:52", "SNVT_time_sec", 1, true},         // 9
    {"SCPTstepValue", "Switch[0]", "F:1/C:0:92", "SNVT_lev_cont", 1, true},           // 10
    {"UCPTreverseDelay", "Switch[0]", "F:1/C:3:14", "SNVT_count", 1, true},           // 11
    {"SCPTdriveTime", "Switch[0]", "F:1/C:0:45", "SNVT_time_sec", 1, true},           // 12
    {"SCPTmaxOut", "Switch[1]", "F:2/C:0:93", "SNVT_lev_cont", 1, true},              // 13
    {"SCPTmaxSendTime", "Switch[1]", "F:2/C:0:49", "SNVT_time_sec", 1, true},         // 14
    {"SCPTminSendTime", "Switch[1]", "F:2/C:0:52", "SNVT_time_sec", 1, true},         // 15
    {"SCPTstepValue", "Switch[1]", "F:2/C:0:92", "SNVT_lev_cont", 1, true},           // 16
    {"UCPTreverseDelay", "Switch[1]", "F:2/C:3:14", "SNVT_count", 1, true},           // 17
    {"SCPTdriveTime", "Switch[1]", "F:2/C:0:45", "SNVT_time_sec", 1, true},           // 18
    {"SCPTmaxOut", "Switch[2]", "F:3/C:0:93", "SNVT_lev_cont", 1, true},              // 19
    {"SCPTmaxSendTime", "Switch[2]", "F:3/C:0:49", "SNVT_time_sec", 1, true},         // 20
    {"SCPTminSendTime", "Switch[2]", "F:3/C:0:52", "SNVT_time_sec", 1, true},         // 21
    {"SCPTstepValue", "Switch[2]", "F:3/C:0:92", "SNVT_lev_cont", 1, true},           // 22
    {"UCPTreverseDelay", "Switch[2]", "F:3/C:3:14", "SNVT_count", 1, true},           // 23
    {"SCPTdriveTime", "Switch[2]", "F:3/C:0:45", "SNVT_time_sec", 1, true},           // 24
    {"SCPTmaxOut", "Switch[3]", "F:4/C:0:93", "SNVT_lev_cont", 1, true},              // 25
    {"SCPTmaxSendTime", "Switch[3]", "F:4/C:0:49", "SNVT_time_sec", 1, true},         // 26
    {"SCPTminSendTime", "Switch[3]", "F:4/C:0:52", "SNVT_time_sec", 1, true},         // 27
    {"SCPTstepValue", "Switch[3]", "F:4/C:0:92", "SNVT_lev_cont", 1, true},           // 28
    {"UCPTreverseDelay", "Switch[3]", "F:4/C:3:14", "SNVT_count", 1, true},           // 29
    {"SCPTdriveTime", "Switch[3]", "F:4/C:0:45", "SNVT_time_sec", 1, true},           // 30
    {"SCPTmaxOut", "Switch[4]", "F:5/C:0:93", "SNVT_lev_cont", 1, true},              // 31
    {"SCPTmaxSendTime", "Switch[4]", "F:5/C:0:49", "SNVT_time_sec", 1, true},         // 32
    {"SCPTminSendTime", "Switch[4]", "F:5/C:0:52", "SNVT_time_sec", 1, true},         // 33
    {"SCPTstepValue", "Switch[4]", "F:5/C:0:92", "SNVT_lev_cont", 1, true},           // 34
    {"UCPTreverseDelay", "Switch[4]", "F:5/C:3:14", "SNVT_count", 1, true},           // 35
    {"SCPTdriveTime", "Switch[4]", "F:5/C:0:45", "SNVT_time_sec", 1, true},           // 36
    {"SCPTmaxOut", "Switch[5]", "F:6/C:0:93", "SNVT_lev_cont", 1, true},              // 37
    {"SCPTmaxSendTime", "Switch[5]", "F:6/C:0:49", "SNVT_time_sec", 1, true},         // 38
    {"SCPTminSendTime", "Switch[5]", "F:6/C:0:52", "SNVT_time_sec", 1, true},         // 39
    {"SCPTstepValue", "Switch[5]", "F:6/C:0:92", "SNVT_lev_cont", 1, true},           // 40
    {"UCPTreverseDelay", "Switch[5]", "F:6/C:3:14", "SNVT_count", 1, true},           // 41
    {"SCPTdriveTime", "Switch[5]", "F:6/C:0:45", "SNVT_time_sec", 1, true},           // 42
    {"SCPTmaxOut", "Switch[6]", "F:7/C:0:93", "SNVT_lev_cont", 1, true},              // 43
    {"SCPTmaxSendTime", "Switch[6]", "F:7/C:0:49", "SNVT_time_sec", 1, true},         // 44
    {"SCPTminSendTime", "Switch[6]", "F:7/C:0:52", "SNVT_time_sec", 1, true},         // 45
    {"SCPTstepValue", "Switch[6]", "F:7/C:0:92", "SNVT_lev_cont", 1, true},           // 46
    {"UCPTreverseDelay", "Switch[6]", "F:7/C:3:14", "SNVT_count", 1, true},           // 47
    {"SCPTdriveTime", "Switch[6]", "F:7/C:0:45", "SNVT_time_sec", 1, true},           // 48
    {"SCPTmaxOut", "Switch[7]", "F:8/C:0:93", "SNVT_lev_cont", 1, true},              // 49
    {"SCPTmaxSendTime", "Switch[7]", "F:8/C:0:49", "SNVT_time_sec", 1, true},         // 50
    {"SCPTminSendTime", "Switch[7]", "F:8/C:0:52", "SNVT_time_sec", 1, true},         // 51
    {"SCPTstepValue", "Switch[7]", "F:8/C:0:92", "SNVT_lev_cont", 1, true},           // 52
    {"UCPTreverseDelay", "Switch[7]", "F:8/C:3:14", "SNVT_count", 1, true},           // 53
    {"SCPTdriveTime", "Switch[7]", "F:8/C:0:45", "SNVT_time_sec", 1, true},           // 54
    {"SCPTmaxSendTime", "Occupancy_Sensor", "F:9/C:0:49", "SNVT_time_sec", 1, true},  // 55
    {"SCPTbypassTime", "Occupancy_Sensor", "F:9/C:0:34", "SNVT_time_min", 1, true},   // 56
    {"SCPTminSendTime", "nvoSpaceTemp", "N:47/C:0:52", "SNVT_time_sec", 1, true},     // 57
    {"SCPTminDeltaTemp", "nvoSpaceTemp", "N:47/C:0:64", "SNVT_temp_p", 1, true},      // 58
    {"SCPToffsetTemp", "nvoSpaceTemp", "N:47/C:0:70", "SNVT_temp_p", 1, false},       // 59
    {"SCPTsetpoint", "nvoSetptEffect", "N:48/C:0:213", "SNVT_temp_p", 1, true},       // 60
    {"UCPTspOffsetRng", "nvoSetptEffect", "N:49/C:3:12", "SNVT_temp_p", 1, true},     // 61
    {"UCPTspEditDelta", "nvoSetptOffset", "N:49/C:3:9", "SNVT_temp_p", 1, true},      // 62
    {"UCPTfanSpdStages", "nvoFanSpeed", "N:50/C:3:13", "SNVT_count", 1, true},        // 63
    {"SCPTmaxSendTime", "SccCommandModule", "F:11/C:0:49", "SNVT_time_sec", 1, true}, // 64
}};

constexpr std::array<NvDefinition, PointTables::NviTotal> NviDefinitions{{
    {"nviSwitchFb_1", 4, "Switch[0]", "SNVT_switch", 95},               // 0
    {"nviSwitchFb_2", 5, "Switch[1]", "SNVT_switch", 95},               // 1
    {"nviSwitchFb_3", 6, "Switch[2]", "SNVT_switch", 95},               // 2
    {"nviSwitchFb_4", 7, "Switch[3]", "SNVT_switch", 95},               // 3
    {"nviSwitchFb_5", 8, "Switch[4]", "SNVT_switch", 95},               // 4
    {"nviSwitchFb_6", 9, "Switch[5]", "SNVT_switch", 95},               // 5
    {"nviSwitchFb_7", 10, "Switch[6]", "SNVT_switch", 95},              // 6
    {"nviSwitchFb_8", 11, "Switch[7]", "SNVT_switch", 95},              // 7
    {"nviScSceneFb", 29, "Scene_Panel", "SNVT_scene", 115},             // 8
    {"nviSpaceTemp", 31, "SccCommandModule", "SNVT_temp_p", 105},       // 9
    {"nviTempSetpoint", 32, "SccCommandModule", "SNVT_temp_p", 105},    // 10
    {"nviEnergyHoldOff", 33, "SccCommandModule", "SNVT_switch", 95},    // 11
    {"nviUnitStatus", 34, "SccCommandModule", "SNVT_hvac_status", 112}, // 12
    {"nviUserLockout_g", 35, "SccCommandModule", "SNVT_switch", 95},    // 13
    {"nviUserLockout_l", 36, "SccCommandModule", "SNVT_switch", 95},    // 14
    {"nviReset_ManCmd", 37, "SccCommandModule", "SNVT_switch", 95},     // 15
    {"nviCmd_all", 38, "SccCommandModule", "SNVT_state", 83},           // 16
    {"nviOccManCmd", 39, "SccCommandModule", "SNVT_occupancy", 109},    // 17
    {"nviOccSensor", 40, "SccCommandModule", "SNVT_occupancy", 109},    // 18
    {"nviTempOutdoor", 41, "SccCommandModule", "SNVT_temp_p", 105},     // 19
    {"nviRH_Indoor", 42, "SccCommandModule", "SNVT_lev_percent", 81},   // 20
    {"nviRH_Outdoor", 43, "SccCommandModule", "SNVT_lev_percent", 81},  // 21
    {"nviAlarm", 44, "SccCommandModule", "SNVT_switch", 95},            // 22
    {"nviFanSpeedCmd", 45, "SccCommandModule", "SNVT_switch", 95},      // 23
    {"nviSetptOffset", 46, "SccCommandModule", "SNVT_temp_p", 105},     // 24
    {"nviTimeSet", 1, "NodeObject", "SNVT_time_stamp", 84},             // 25
}};

// Positions 0..15 alternate switch and setting output per switch object.
constexpr std::array<NvDefinition, PointTables::NvoTotal> NvoDefinitions{{
    {"nvoSwitch_1", 12, "Switch[0]", "SNVT_switch", 95},               // 0
    {"nvoSetting_1", 20, "Switch[0]", "SNVT_setting", 117},            // 1
    {"nvoSwitch_2", 13, "Switch[1]", "SNVT_switch", 95},               // 2
    {"nvoSetting_2", 21, "Switch[1]", "SNVT_setting", 117},            // 3
    {"nvoSwitch_3", 14, "Switch[2]", "SNVT_switch", 95},               // 4
    {"nvoSetting_3", 22, "Switch[2]", "SNVT_setting", 117},            // 5
    {"nvoSwitch_4", 15, "Switch[3]", "SNVT_switch", 95},               // 6
    {"nvoSetting_4", 23, "Switch[3]", "SNVT_setting", 117},            // 7
    {"nvoSwitch_5", 16, "Switch[4]", "SNVT_switch", 95},               // 8
    {"nvoSetting_5", 24, "Switch[4]", "SNVT_setting", 117},            // 9
    {"nvoSwitch_6", 17, "Switch[5]", "SNVT_switch", 95},               // 10
    {"nvoSetting_6", 25, "Switch[5]", "SNVT_setting", 117},            // 11
    {"nvoSwitch_7", 18, "Switch[6]", "SNVT_switch", 95},               // 12
    {"nvoSetting_7", 26, "Switch[6]", "SNVT_setting", 117},            // 13
    {"nvoSwitch_8", 19, "Switch[7]", "SNVT_switch", 95},               // 14
    {"nvoSetting_8", 27, "Switch[7]", "SNVT_setting", 117},            // 15
    {"nvoOsOccup", 28, "Occupancy_Sensor", "SNVT_occupancy", 109},     // 16
    {"nvoScScene", 30, "Scene_Panel", "SNVT_scene", 115},              // 17
    {"nvoSpaceTemp", 47, "SccCommandModule", "SNVT_temp_p", 105},      // 18
    {"nvoSetptEffect", 48, "SccCommandModule", "SNVT_temp_p", 105},    // 19
    {"nvoSetptOffset", 49, "SccCommandModule", "SNVT_temp_p", 105},    // 20
    {"nvoFanSpeed", 50, "SccCommandModule", "SNVT_switch", 95},        // 21
    {"nvoEffectOccup", 51, "SccCommandModule", "SNVT_occupancy", 109}, // 22
}};

template <std::size_t N, typename T>
const T& at(const std::array<T, N>& table, int position, const char* what)
{
    if (position < 0 || position >= static_cast<int>(N))
        throw std::out_of_range(what);
    return table[static_cast<std::size_t>(position)];
}

} // namespace

const CpDefinition& cpDefinition(int position)
{
    return at(CpDefinitions, position, "no catalogued configuration property at this position");
}

const NvDefinition& nviDefinition(int position)
{
    return at(NviDefinitions, position, "no catalogued input network variable at this position");
}

const NvDefinition& nvoDefinition(int position)
{
    return at(NvoDefinitions, position, "no catalogued output network variable at this position");
}

} // namespace point_catalogue
