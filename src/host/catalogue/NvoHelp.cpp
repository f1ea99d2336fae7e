#include "device/point_catalogue/PointCatalogue.h"
#include "host/catalogue/CatalogueTables.h"

#include <array>

namespace catalogue {

namespace {

// Rows 0-15: the switch and setting outputs of each switch object; %1 is the object (0-7),
// %2 the NV number (1-8).
const NvHelpRow switchOutput{
    "SNVT_switch", 95, "nvoSwitch_%2",
    "Switch output of switch object %1 for switching and dimming actuators (value 0 - 100 % and state). The "
    "buttons of this object send ON, OFF, toggle and dim values with it; the 'Max - Value' functions switch "
    "on "
    "to SCPTmaxOut. SCPTmaxSendTime and SCPTminSendTime of the object govern its transmission.",
    "Schaltausgang des Schaltobjekts %1 für Schalt- und Dimmaktoren (Wert 0 - 100 % und Zustand). Die Tasten "
    "dieses Objekts senden darüber EIN, AUS, Toggle- und Dimmwerte; die Funktionen 'Max - Wert' schalten auf "
    "SCPTmaxOut ein. SCPTmaxSendTime und SCPTminSendTime des Objekts steuern das Senden."};

const NvHelpRow settingOutput{
    "SNVT_setting", 117, "nvoSetting_%2",
    "Setting output of switch object %1 for dimming and blind actuators: the dim functions send brighter and "
    "darker steps of SCPTstepValue, the blind functions SET_UP, SET_DOWN and SET_STOP (drive time "
    "SCPTdriveTime, reverse delay UCPTreverseDelay).",
    "Stellausgang des Schaltobjekts %1 für Dimm- und Jalousieaktoren: die Dimmfunktionen senden Schritte "
    "heller und dunkler um SCPTstepValue, die Jalousiefunktionen SET_UP, SET_DOWN und SET_STOP (Fahrzeit "
    "SCPTdriveTime, Umschaltverzögerung UCPTreverseDelay)."};

const std::array<NvHelpRow, 7> rows{{
    {"SNVT_occupancy", 109, "nvoOsOccup",
     "Occupancy output of the occupancy sensor object, sent by the buttons assigned to it (Occupied with "
     "overtime function, toggle Occupied / UnOccupied, Occupied, Unoccupied). The overtime (OC_BYPASS) ends "
     "after SCPTbypassTime; SCPTmaxSendTime of the object sets the repeat time.",
     "Belegungsausgang des Präsenzobjekts, gesendet von den ihm zugeordneten Tasten (Belegt mit "
     "Überstundenfunktion, Toggle Belegt / Unbelegt, Belegt, Unbelegt). Die Überstunde (OC_BYPASS) endet "
     "nach "
     "SCPTbypassTime; SCPTmaxSendTime des Objekts legt die Wiederholzeit fest."},
    {"SNVT_scene", 115, "nvoScScene",
     "Scene output of the scene panel: a button assigned to the scene panel recalls the scene whose number "
     "is "
     "set in Byte[1] of its button configuration (1 - 255).",
     "Szenenausgang des Szenenpanels: eine dem Szenenpanel zugeordnete Taste ruft die Szene auf, deren "
     "Nummer "
     "in Byte[1] ihrer Tastenkonfiguration eingestellt ist (1 - 255)."},
    {"SNVT_temp_p", 105, "nvoSpaceTemp",
     "Output variable for measured temperature value. Measuring range 0 - 50°C, resolution 1/100 °C. Data "
     "output is made depending on the configuration parameter SCPTmaxSendTime, SCPTminDeltaTemp and "
     "SCPTminSendTime and approx. 1,5s - 4,0s after reset.",
     "Ausgangsvariable für den gemessenen Temperaturwert. Messbereich 0 - 50°C, Auflösung 1/100 °C. Die "
     "Datenausgabe erfolgt abhängig von den Konfigurationsparametern SCPTmaxSendTime, SCPTminDeltaTemp und "
     "SCPTminSendTime sowie ca. 1,5s - 4,0s nach Reset."},
    {"SNVT_temp_p", 105, "nvoSetptEffect",
     "Effective set point in °C for the room temperature controller: the set point default SCPTsetpoint, or "
     "the value received on nviTempSetpoint, plus the current set point offset.",
     "Effektiver Sollwert in °C für den Raumtemperaturregler: die Sollwertvorgabe SCPTsetpoint oder der über "
     "nviTempSetpoint empfangene Wert, zuzüglich des aktuellen Sollwertoffsets."},
    {"SNVT_temp_p", 105, "nvoSetptOffset",
     "Set point offset in K adjusted at the unit with the set point buttons, in steps of UCPTspEditDelta "
     "within plus / minus UCPTspOffsetRng.",
     "Sollwertoffset in K, am Gerät mit den Sollwerttasten verstellt, in Schritten von UCPTspEditDelta "
     "innerhalb plus / minus UCPTspOffsetRng."},
    {"SNVT_switch", 95, "nvoFanSpeed",
     "Fan stage selected at the unit (value in % and state); state -1 means automatic mode. UCPTfanSpdStages "
     "sets the number of stages.",
     "Am Gerät gewählte Lüfterstufe (Wert in % und Zustand); Zustand -1 bedeutet Automatikbetrieb. "
     "UCPTfanSpdStages legt die Anzahl der Stufen fest."},
    {"SNVT_occupancy", 109, "nvoEffectOccup",
     "Effective occupancy of the room (OC_OCCUPIED, OC_UNOCCUPIED, OC_BYPASS or OC_STANDBY), resulting from "
     "nviOccManCmd, nviOccSensor and the occupancy buttons of the unit. Output for HVAC and lighting "
     "controllers.",
     "Effektive Belegung des Raums (OC_OCCUPIED, OC_UNOCCUPIED, OC_BYPASS oder OC_STANDBY), ermittelt aus "
     "nviOccManCmd, nviOccSensor und den Belegungstasten des Geräts. Ausgang für HLK- und Lichtsteuerungen."},
}};

QString switchObjectText(const NvHelpRow& row, int object, Language language)
{
    return nvoHelpText(QString::fromUtf8(row.typeName), row.typeIndex,
                       forSwitchObject(QString::fromUtf8(row.name), object), language,
                       forSwitchObject(row.description(language), object));
}

} // namespace

void fillNvoHelp(TextArray<24>& texts, Language language)
{
    for (int object = 0; object < point_catalogue::cp::SwitchObjects; ++object) {
        texts[2 * object] = switchObjectText(switchOutput, object, language);
        texts[2 * object + 1] = switchObjectText(settingOutput, object, language);
    }
    int position = 2 * point_catalogue::cp::SwitchObjects;
    for (const NvHelpRow& row : rows)
        texts[position++] = nvoHelpText(QString::fromUtf8(row.typeName), row.typeIndex,
                                        QString::fromUtf8(row.name), language, row.description(language));
}

} // namespace catalogue
