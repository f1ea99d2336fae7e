#pragma once

#include <array>
#include <string_view>

// The fixed catalogue of the unit's points: the rows of the three tables and the positions the
// code refers to by name. Everything that counts points or addresses one takes it from here, so a
// new row moves every count with it and a named position that no longer meets its row stops the
// build.
namespace point_catalogue {

struct CpDefinition
{
    const char* name;
    const char* owner;
    const char* id;
    // Value type as the help texts state it, for example "SNVT_time_sec".
    const char* valueType;
    // Elements of an array property; 1 for plain properties.
    int elements;
    bool syncable;
};

struct NvDefinition
{
    const char* name;
    int nvIndex;
    const char* owner;
    const char* type;
    int typeIndex;
};

// Positions 7..54 are six properties per switch object, Switch[0] (block 1) to Switch[7] (block 8).
inline constexpr std::array CpDefinitions = std::to_array<CpDefinition>({
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
});

inline constexpr std::array NviDefinitions = std::to_array<NvDefinition>({
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
});

// Positions 0..15 alternate switch and setting output per switch object.
inline constexpr std::array NvoDefinitions = std::to_array<NvDefinition>({
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
});

// The position of the row with this name (and owner, where names repeat), found while compiling:
// a name without a row does not compile.
template <std::size_t N>
consteval int positionOf(const std::array<CpDefinition, N>& table, std::string_view name,
                         std::string_view owner)
{
    for (std::size_t position = 0; position < N; ++position) {
        if (table[position].name == name && table[position].owner == owner)
            return static_cast<int>(position);
    }
    throw "no such configuration property in the catalogue";
}

template <std::size_t N>
consteval int positionOf(const std::array<NvDefinition, N>& table, std::string_view name)
{
    for (std::size_t position = 0; position < N; ++position) {
        if (table[position].name == name)
            return static_cast<int>(position);
    }
    throw "no such network variable in the catalogue";
}

// Configuration properties: cpTable and txtNci(position).
namespace cp {

inline constexpr int Count = static_cast<int>(CpDefinitions.size());

inline constexpr int TimeConfig = positionOf(CpDefinitions, "UCPTtimeConfig", "NodeObject");
inline constexpr int DeviceType = positionOf(CpDefinitions, "UCPTdeviceType", "NodeObject");
inline constexpr int DiConfig = positionOf(CpDefinitions, "UCPTdiConfig", "NodeObject");
inline constexpr int DisplConfig = positionOf(CpDefinitions, "UCPTdisplConfig", "NodeObject");
inline constexpr int DisplayTime = positionOf(CpDefinitions, "UCPTdisplayTime", "NodeObject");
inline constexpr int BacklightMin = positionOf(CpDefinitions, "UCPTbacklightMin", "NodeObject");
inline constexpr int BacklightMax = positionOf(CpDefinitions, "UCPTbacklightMax", "NodeObject");
inline constexpr int OccupancyMaxSendTime = positionOf(CpDefinitions, "SCPTmaxSendTime", "Occupancy_Sensor");
inline constexpr int OccupancyBypassTime = positionOf(CpDefinitions, "SCPTbypassTime", "Occupancy_Sensor");
inline constexpr int SpaceTempMinSendTime = positionOf(CpDefinitions, "SCPTminSendTime", "nvoSpaceTemp");
inline constexpr int MinDeltaTemp = positionOf(CpDefinitions, "SCPTminDeltaTemp", "nvoSpaceTemp");
inline constexpr int OffsetTemp = positionOf(CpDefinitions, "SCPToffsetTemp", "nvoSpaceTemp");
inline constexpr int Setpoint = positionOf(CpDefinitions, "SCPTsetpoint", "nvoSetptEffect");
inline constexpr int SpOffsetRng = positionOf(CpDefinitions, "UCPTspOffsetRng", "nvoSetptEffect");
inline constexpr int SpEditDelta = positionOf(CpDefinitions, "UCPTspEditDelta", "nvoSetptOffset");
inline constexpr int FanSpdStages = positionOf(CpDefinitions, "UCPTfanSpdStages", "nvoFanSpeed");
inline constexpr int CommandModuleMaxSendTime =
    positionOf(CpDefinitions, "SCPTmaxSendTime", "SccCommandModule");

// The switch objects' properties: one group per object, the same six in the same order.
inline constexpr int SwitchObjects = 8;
inline constexpr int FirstSwitch = positionOf(CpDefinitions, "SCPTmaxOut", "Switch[0]");
inline constexpr int PerSwitch = positionOf(CpDefinitions, "SCPTmaxOut", "Switch[1]") - FirstSwitch;
inline constexpr int LastSwitch = FirstSwitch + SwitchObjects * PerSwitch - 1;
// A property's place within its object's group.
enum SwitchSlot
{
    MaxOut = 0,
    MaxSendTime = 1,
    MinSendTime = 2,
    StepValue = 3,
    ReverseDelay = 4,
    DriveTime = 5
};
constexpr int ofSwitch(int object, int slot)
{
    return FirstSwitch + object * PerSwitch + slot;
}

constexpr int elements(int position)
{
    return CpDefinitions.at(static_cast<std::size_t>(position)).elements;
}

// One element of UCPTdiConfig per push-button the unit may have.
inline constexpr int Buttons = elements(DiConfig);

// Values a whole CP set takes with each array CP counted element by element (a parameter file's
// records, for one).
constexpr int valueCount()
{
    int count = 0;
    for (const CpDefinition& definition : CpDefinitions)
        count += definition.elements;
    return count;
}

// The boxes beyond the table's own in which the window edits the elements of the two backlight
// arrays, txtNci(100..101) and txtNci(102..103); UCPTdiConfig's are txtNcielement(0..11).
inline constexpr int BacklightMinBoxes = 100;
inline constexpr int BacklightMaxBoxes = 102;
inline constexpr int LastBacklightBox = BacklightMaxBoxes + 1;

constexpr int backlightBox(int position, int element)
{
    return (position == BacklightMax ? BacklightMaxBoxes : BacklightMinBoxes) + element;
}
constexpr bool isBacklightBox(int index)
{
    return index >= BacklightMinBoxes && index <= LastBacklightBox;
}
// The array CP whose element a backlight box edits.
constexpr int backlightOfBox(int box)
{
    return box < BacklightMaxBoxes ? BacklightMin : BacklightMax;
}

} // namespace cp

// Input network variables: nviTable and txtNvi(position).
namespace nvi {

inline constexpr int Count = static_cast<int>(NviDefinitions.size());

// One feedback input per switch object, object k at FirstSwitchFb + k.
inline constexpr int FirstSwitchFb = positionOf(NviDefinitions, "nviSwitchFb_1");
inline constexpr int LastSwitchFb = positionOf(NviDefinitions, "nviSwitchFb_8");
inline constexpr int ScSceneFb = positionOf(NviDefinitions, "nviScSceneFb");
inline constexpr int SpaceTemp = positionOf(NviDefinitions, "nviSpaceTemp");
inline constexpr int TempSetpoint = positionOf(NviDefinitions, "nviTempSetpoint");
inline constexpr int EnergyHoldOff = positionOf(NviDefinitions, "nviEnergyHoldOff");
inline constexpr int UnitStatus = positionOf(NviDefinitions, "nviUnitStatus");
inline constexpr int UserLockoutG = positionOf(NviDefinitions, "nviUserLockout_g");
inline constexpr int UserLockoutL = positionOf(NviDefinitions, "nviUserLockout_l");
inline constexpr int ResetManCmd = positionOf(NviDefinitions, "nviReset_ManCmd");
inline constexpr int CmdAll = positionOf(NviDefinitions, "nviCmd_all");
inline constexpr int OccManCmd = positionOf(NviDefinitions, "nviOccManCmd");
inline constexpr int OccSensor = positionOf(NviDefinitions, "nviOccSensor");
inline constexpr int TempOutdoor = positionOf(NviDefinitions, "nviTempOutdoor");
inline constexpr int RhIndoor = positionOf(NviDefinitions, "nviRH_Indoor");
inline constexpr int RhOutdoor = positionOf(NviDefinitions, "nviRH_Outdoor");
inline constexpr int Alarm = positionOf(NviDefinitions, "nviAlarm");
inline constexpr int FanSpeedCmd = positionOf(NviDefinitions, "nviFanSpeedCmd");
inline constexpr int SetptOffset = positionOf(NviDefinitions, "nviSetptOffset");
inline constexpr int TimeSet = positionOf(NviDefinitions, "nviTimeSet");

// The boxes beyond the table's own in which the window edits parts of an input: field k of
// nviUnitStatus in txtNvi(70 + k), of which only heat_output_primary and cool_output are shown,
// and the scene name and number of nviScSceneFb in txtNvi(80) and txtNvi(81).
inline constexpr int UnitStatusFields = 70;
inline constexpr int HeatOutputPrimaryBox = UnitStatusFields + 1;
inline constexpr int CoolOutputBox = UnitStatusFields + 3;
inline constexpr int SceneName = 80;
inline constexpr int SceneNumber = 81;

} // namespace nvi

// Output network variables: nvoTable and txtNvo(position).
namespace nvo {

inline constexpr int Count = static_cast<int>(NvoDefinitions.size());

inline constexpr int OsOccup = positionOf(NvoDefinitions, "nvoOsOccup");
inline constexpr int ScScene = positionOf(NvoDefinitions, "nvoScScene");
inline constexpr int SpaceTemp = positionOf(NvoDefinitions, "nvoSpaceTemp");
inline constexpr int SetptEffect = positionOf(NvoDefinitions, "nvoSetptEffect");
inline constexpr int SetptOffset = positionOf(NvoDefinitions, "nvoSetptOffset");
inline constexpr int FanSpeed = positionOf(NvoDefinitions, "nvoFanSpeed");
inline constexpr int EffectOccup = positionOf(NvoDefinitions, "nvoEffectOccup");

} // namespace nvo

// The rows by position; a position without a row throws std::out_of_range.
const CpDefinition& cpDefinition(int position);
const NvDefinition& nviDefinition(int position);
const NvDefinition& nvoDefinition(int position);

} // namespace point_catalogue
