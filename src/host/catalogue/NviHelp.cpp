#include "device/point_catalogue/PointCatalogue.h"
#include "host/catalogue/CatalogueTables.h"

#include <array>

namespace catalogue {

namespace {

// Rows 0-7: one feedback input per switch object; %1 is the object (0-7), %2 the NV number (1-8).
const NvHelpRow switchFeedback{
    "SNVT_switch", 95, "nviSwitchFb_%2",
    "Feedback input of switch object %1. Bind it to the status output of the actuator that nvoSwitch_%2 and "
    "nvoSetting_%2 drive. The switch object takes over the actual state of the load, so that toggle and dim "
    "functions continue from the real state and the button LED can show it (LED function 2).",
    "Rückmeldeeingang des Schaltobjekts %1. Wird mit dem Statusausgang des Aktors verbunden, den "
    "nvoSwitch_%2 "
    "und nvoSetting_%2 ansteuern. Das Schaltobjekt übernimmt den tatsächlichen Zustand der Last, damit "
    "Toggle- "
    "und Dimmfunktionen vom realen Zustand ausgehen und die Tasten-LED ihn anzeigen kann (LED-Funktion 2)."};

const std::array<NvHelpRow, 18> rows{{
    {"SNVT_scene", 115, "nviScSceneFb",
     "Feedback input of the scene panel. It receives the scene that is active in the room, for example from "
     "a scene controller or from nvoScScene of other units. A button of the scene panel with LED function 2 "
     "lights up while the received scene number equals the scene number of the button (Byte[1]).",
     "Rückmeldeeingang des Szenenpanels. Empfängt die im Raum aktive Szene, z. B. von einem Szenencontroller "
     "oder von nvoScScene anderer Geräte. Eine Taste des Szenenpanels mit LED-Funktion 2 leuchtet, solange "
     "die "
     "empfangene Szenennummer der Szenennummer der Taste (Byte[1]) entspricht."},
    {"SNVT_temp_p", 105, "nviSpaceTemp",
     "Input variable for connection of an external LON temperature sensor. The external value is taken over, "
     "if the initialisation value 0x7FFF (=327,67 °C) was changed by a NV-Update after reset. As long as the "
     "initialisation value is not changed after reset, the internal temperature sensor remains active.",
     "Eingangsvariable zum Anschluss eines externen LON-Temperaturfühlers. Der ext. Wert wird übernommen, "
     "wenn "
     "der Initialisierungswert 0x7FFF (=327,67 °C) nach Reset durch ein NV-Update veraendert wurde. Solange "
     "der "
     "Initialisierungswert nach Reset nicht veraendert wird, bleibt der interne Temperaturfühler aktiv!"},
    {"SNVT_temp_p", 105, "nviTempSetpoint",
     "Input for the set point temperature from a room controller or a supervisory system. The unit uses it "
     "as base set point instead of the set point default SCPTsetpoint. Option 13 of UCPTdisplConfig ('Use "
     "effective setpoint for nviTempSetpoint') decides whether the received value counts as the effective "
     "set "
     "point. The value 327,67 °C (Reset) marks the input as invalid.",
     "Eingang für die Solltemperatur von einem Raumregler oder einer Leitebene. Das Gerät verwendet sie "
     "anstelle der Sollwertvorgabe SCPTsetpoint als Basissollwert. Option 13 von UCPTdisplConfig "
     "('Effektiven "
     "Sollwert für nviTempSetpoint verwenden') legt fest, ob der empfangene Wert als effektiver Sollwert "
     "gilt. "
     "Der Wert 327,67 °C (Reset) kennzeichnet den Eingang als ungültig."},
    {"SNVT_switch", 95, "nviEnergyHoldOff",
     "Energy hold-off input, for example from a window contact: state 1 (100.0 1) = energy hold-off active "
     "(window open), state 0 (0.0 0) = normal operation, state -1 (0.0 -1) = invalid, input not used.",
     "Eingang für die Energiesperre, z. B. von einem Fensterkontakt: Zustand 1 (100.0 1) = Energiesperre "
     "aktiv "
     "(Fenster offen), Zustand 0 (0.0 0) = Normalbetrieb, Zustand -1 (0.0 -1) = ungültig, Eingang nicht "
     "genutzt."},
    {"SNVT_hvac_status", 112, "nviUnitStatus",
     "Status of the connected HVAC controller (mode, heat output primary and secondary, cool output, "
     "economizer "
     "output, fan output, alarm). The unit evaluates heat_output_primary and cool_output (0 - 100 %) for its "
     "heating and cooling indication.",
     "Status des angeschlossenen HLK-Reglers (Betriebsart, Heizausgang primär und sekundär, Kühlausgang, "
     "Economizer-Ausgang, Lüfterausgang, Alarm). Das Gerät wertet heat_output_primary und cool_output "
     "(0 - 100 %) für die Anzeige Heizen und Kühlen aus."},
    {"SNVT_switch", 95, "nviUserLockout_g",
     "Global user lockout: state 1 (100.0 1) locks all buttons of the unit, state 0 (0.0 0) releases them. "
     "Bit 0 of nviCmd_all has the same function.",
     "Globale Bediensperre: Zustand 1 (100.0 1) sperrt alle Tasten des Geräts, Zustand 0 (0.0 0) gibt sie "
     "frei. Bit 0 von nviCmd_all hat dieselbe Funktion."},
    {"SNVT_switch", 95, "nviUserLockout_l",
     "Local user lockout: state 1 (100.0 1) locks the local room climate operation at the unit (set point "
     "and fan stage), state 0 (0.0 0) releases it. Bit 1 of nviCmd_all has the same function.",
     "Lokale Bediensperre: Zustand 1 (100.0 1) sperrt die örtliche Raumklima-Bedienung am Gerät (Sollwert "
     "und "
     "Lüfterstufe), Zustand 0 (0.0 0) gibt sie frei. Bit 1 von nviCmd_all hat dieselbe Funktion."},
    {"SNVT_switch", 95, "nviReset_ManCmd",
     "Reset of the manual commands: state 1 (100.0 1) resets the adjustments made at the unit (set point "
     "offset, fan stage) to their defaults. Bit 2 of nviCmd_all has the same function.",
     "Rücksetzen der Handbefehle: Zustand 1 (100.0 1) setzt die am Gerät vorgenommenen Verstellungen "
     "(Sollwertoffset, Lüfterstufe) auf ihre Grundwerte zurück. Bit 2 von nviCmd_all hat dieselbe Funktion."},
    {"SNVT_state", 83, "nviCmd_all",
     "Collective command as a bit field, counted from the left: bit 0 global user lockout, bit 1 local user "
     "lockout, bit 2 reset of the manual commands (as nviUserLockout_g, nviUserLockout_l, nviReset_ManCmd), "
     "bit 3 symbol heat, bit 4 symbol cool, bit 5 symbol window, bit 6 symbol alarm on the LCD. Bits 7 - 15 "
     "are reserved.",
     "Sammelbefehl als Bitfeld, von links gezählt: Bit 0 globale Bediensperre, Bit 1 lokale Bediensperre, "
     "Bit 2 "
     "Rücksetzen der Handbefehle (wie nviUserLockout_g, nviUserLockout_l, nviReset_ManCmd), Bit 3 Symbol "
     "Heizen, Bit 4 Symbol Kühlen, Bit 5 Symbol Fenster, Bit 6 Symbol Störung im LCD. Bits 7 - 15 sind "
     "reserviert."},
    {"SNVT_occupancy", 109, "nviOccManCmd",
     "Manual occupancy command from a supervisory system or a time schedule: OC_OCCUPIED, OC_UNOCCUPIED, "
     "OC_BYPASS, OC_STANDBY or OC_NUL (no command). Together with nviOccSensor and the occupancy buttons it "
     "determines the effective occupancy nvoEffectOccup.",
     "Manueller Belegungsbefehl von einer Leitebene oder einem Zeitprogramm: OC_OCCUPIED, OC_UNOCCUPIED, "
     "OC_BYPASS, OC_STANDBY oder OC_NUL (kein Befehl). Zusammen mit nviOccSensor und den Belegungstasten "
     "bestimmt er die effektive Belegung nvoEffectOccup."},
    {"SNVT_occupancy", 109, "nviOccSensor",
     "Input for an occupancy sensor (presence detector): OC_OCCUPIED or OC_UNOCCUPIED, OC_NUL when no sensor "
     "is bound. It is taken into account for the effective occupancy nvoEffectOccup.",
     "Eingang für einen Präsenzmelder: OC_OCCUPIED oder OC_UNOCCUPIED, OC_NUL wenn kein Melder eingebunden "
     "ist. "
     "Er geht in die effektive Belegung nvoEffectOccup ein."},
    {"SNVT_temp_p", 105, "nviTempOutdoor",
     "Input for the outdoor temperature, for example from a weather station. The LCD shows it when 'Outdoor "
     "temperature displayed' is set in UCPTdisplConfig. The value 327,67 °C (Reset) marks it as invalid.",
     "Eingang für die Außentemperatur, z. B. von einer Wetterstation. Das LCD zeigt sie, wenn in "
     "UCPTdisplConfig 'Außentemperatur anzeigen' gesetzt ist. Der Wert 327,67 °C (Reset) kennzeichnet sie "
     "als "
     "ungültig."},
    {"SNVT_lev_percent", 81, "nviRH_Indoor",
     "Input for the relative humidity of the room air in %. The LCD shows it when 'Relative humidity room "
     "air "
     "displayed' is set in UCPTdisplConfig. The value 163,835 % (Reset) marks it as invalid.",
     "Eingang für die relative Feuchte der Raumluft in %. Das LCD zeigt sie, wenn in UCPTdisplConfig 'Rel. "
     "Feuchte Raumluft anzeigen' gesetzt ist. Der Wert 163,835 % (Reset) kennzeichnet sie als ungültig."},
    {"SNVT_lev_percent", 81, "nviRH_Outdoor",
     "Input for the relative humidity of the outdoor air in %. The LCD shows it when 'Relative humidity "
     "outdoor air displayed' is set in UCPTdisplConfig. The value 163,835 % (Reset) marks it as invalid.",
     "Eingang für die relative Feuchte der Außenluft in %. Das LCD zeigt sie, wenn in UCPTdisplConfig 'Rel. "
     "Feuchte Aussenluft anzeigen' gesetzt ist. Der Wert 163,835 % (Reset) kennzeichnet sie als ungültig."},
    {"SNVT_switch", 95, "nviAlarm",
     "Alarm input: state 1 (for example 100.0 1) signals an alarm, which the unit shows by the alarm symbol "
     "on the LCD; state 0 (0.0 0) clears it.",
     "Alarmeingang: Zustand 1 (z. B. 100.0 1) meldet eine Störung, die das Gerät mit dem Störungssymbol im "
     "LCD "
     "anzeigt; Zustand 0 (0.0 0) hebt sie auf."},
    {"SNVT_switch", 95, "nviFanSpeedCmd",
     "Fan speed of the HVAC controller (value 0 - 100 % and state). The LCD shows the resulting fan stage "
     "when "
     "'Fan displayed' is set in UCPTdisplConfig.",
     "Lüfterdrehzahl des HLK-Reglers (Wert 0 - 100 % und Zustand). Das LCD zeigt die sich ergebende "
     "Lüfterstufe, wenn in UCPTdisplConfig 'Lüfter anzeigen' gesetzt ist."},
    {"SNVT_temp_p", 105, "nviSetptOffset",
     "Input for a set point offset in K, for example from a supervisory system. It shifts the set point like "
     "the adjustment at the unit. The value 327,67 (Reset) marks it as invalid.",
     "Eingang für einen Sollwertoffset in K, z. B. von einer Leitebene. Er verschiebt den Sollwert wie die "
     "Verstellung am Gerät. Der Wert 327,67 (Reset) kennzeichnet ihn als ungültig."},
    {"SNVT_time_stamp", 84, "nviTimeSet",
     "Input for date and time (year/month/day hour:minute:second), for example from a time master in the "
     "network. The unit sets its clock with it and shows weekday, date and time as UCPTtimeConfig says.",
     "Eingang für Datum und Uhrzeit (Jahr/Monat/Tag Stunde:Minute:Sekunde), z. B. von einem Zeitgeber im "
     "Netzwerk. Das Gerät stellt damit seine Uhr und zeigt Wochentag, Datum und Uhrzeit gemäß "
     "UCPTtimeConfig."},
}};

} // namespace

void fillNviHelp(TextArray<26>& texts, Language language)
{
    for (int object = 0; object < point_catalogue::cp::SwitchObjects; ++object)
        texts[object] = nviHelpText(QString::fromUtf8(switchFeedback.typeName), switchFeedback.typeIndex,
                                    forSwitchObject(QString::fromUtf8(switchFeedback.name), object), language,
                                    forSwitchObject(switchFeedback.description(language), object));
    int position = point_catalogue::cp::SwitchObjects;
    for (const NvHelpRow& row : rows)
        texts[position++] = nviHelpText(QString::fromUtf8(row.typeName), row.typeIndex,
                                        QString::fromUtf8(row.name), language, row.description(language));
}

} // namespace catalogue
