#include "device/point_catalogue/PointCatalogue.h"
#include "host/catalogue/CatalogueTables.h"

#include <array>

namespace catalogue {

namespace {

using namespace point_catalogue;

// Rows 0-6: the node object.
const std::array<CpHelpRow, 7> nodeRows{{
    {cp::TimeConfig, "UCPTtimeConfig", 45, "UNVT_str_hex4",
     "Clock display on the LCD, four bytes: Byte[0] weekday and Byte[1] date (0 = faded out, 1 = English, "
     "2 = German), Byte[2] time (0 = faded out, 1 = with seconds, 2 = without seconds), Byte[3] 0 = "
     "24-hours-mode, 1 = 12-hours-mode (Preset value: 2,2,2,0).",
     "Uhrzeitanzeige im LCD, vier Bytes: Byte[0] Wochentag und Byte[1] Datum (0 = ausblenden, 1 = englisch, "
     "2 = deutsch), Byte[2] Uhrzeit (0 = ausblenden, 1 = mit Sekunde, 2 = ohne Sekunde), Byte[3] 0 = "
     "24-Stunden-Modus, 1 = 12-Stunden-Modus (Voreingestellter Wert: 2,2,2,0)."},
    {cp::DeviceType, "UCPTdeviceType", 42, "SNVT_count",
     "Device type: the number of push-buttons of the unit (2, 4, 6, 8 or 12). Only the buttons present are "
     "evaluated in UCPTdiConfig.",
     "Gerätetyp: die Anzahl der Taster des Geräts (2, 4, 6, 8 oder 12). In UCPTdiConfig werden nur die "
     "vorhandenen Taster ausgewertet."},
    {cp::DiConfig, "UCPTdiConfig", 44, "UNVT_str_hex4",
     "Button configuration, array of 12 elements (buttons T1 - T12, T1 - T4 are the menu buttons), four "
     "bytes "
     "each: Byte[0] functional object (0 - 7 switch object, 8 scene panel, 9 occupancy sensor, 10 SCC "
     "module), "
     "Byte[1] button function (scene panel: scene number), Byte[2] LED function, Byte[3] reserved.",
     "Tasterkonfiguration, Feld aus 12 Elementen (Taster T1 - T12, T1 - T4 sind die Menütasten), je vier "
     "Bytes: Byte[0] Funktionsobjekt (0 - 7 Schaltobjekt, 8 Szenenpanel, 9 Präsenzobjekt, 10 SCC-Modul), "
     "Byte[1] Tastenfunktion (Szenenpanel: Szenennummer), Byte[2] LED-Funktion, Byte[3] reserviert."},
    {cp::DisplConfig, "UCPTdisplConfig", 46, "SNVT_state",
     "Display configuration, bits counted from the left: 0 room temperature, 1 outdoor temperature, 2 "
     "effective set point, 3 set point offset, 4 temperature unit (1 = °C, 0 = °F), 5 decimal point "
     "temperature, 6 relative humidity room air, 7 relative humidity outdoor air, 8 decimal point humidity, "
     "9 "
     "room occupancy, 10 fan, 11 set point offset on adjustment, 12 call set point by first press, 13 use "
     "effective set point for nviTempSetpoint. Bits 14 and 15 are reserved.",
     "Anzeigekonfiguration, Bits von links gezählt: 0 Raumtemperatur, 1 Außentemperatur, 2 effektiver "
     "Sollwert, 3 Sollwertoffset, 4 Maßeinheit Temperatur (1 = °C, 0 = °F), 5 Nachkommastelle Temperatur, 6 "
     "rel. Feuchte Raumluft, 7 rel. Feuchte Außenluft, 8 Nachkommastelle Feuchte, 9 Raumbelegung, 10 Lüfter, "
     "11 Sollwertoffset bei Verstellung, 12 Sollwertaufruf bei erstem Tastendruck, 13 effektiven Sollwert "
     "für "
     "nviTempSetpoint verwenden. Bits 14 und 15 sind reserviert."},
    {cp::DisplayTime, "UCPTdisplayTime", 16, "SNVT_time_sec",
     "Update interval of the LCD in seconds (0 - 1000 s).",
     "Aktualisierungsintervall des LCD in Sekunden (0 - 1000 s)."},
    {cp::BacklightMin, "UCPTbacklightMin", 48, "SNVT_lev_cont",
     "Background illumination in the inactive state in % (0 - 100), array of 2 elements: [0] LCD, [1] label "
     "field.",
     "Hintergrundbeleuchtung im Ruhezustand in % (0 - 100), Feld aus 2 Elementen: [0] LCD, [1] "
     "Beschriftungsfeld."},
    {cp::BacklightMax, "UCPTbacklightMax", 48, "SNVT_lev_cont",
     "Background illumination on button actuation in % (0 - 100), array of 2 elements: [0] LCD, [1] label "
     "field.",
     "Hintergrundbeleuchtung bei Tastbetätigung in % (0 - 100), Feld aus 2 Elementen: [0] LCD, [1] "
     "Beschriftungsfeld."},
}};

// The switch objects' rows, keyed by the property's place in its object's group and repeated for
// every object; %1 is the object (0-7), %2 the number of its NVs (1-8).
const std::array<CpHelpRow, 6> switchRows{{
    {cp::MaxOut, "SCPTmaxOut", 93, "SNVT_lev_cont",
     "Maximum output value of switch object %1 in % (0 - 100): nvoSwitch_%2 switches on to this value with "
     "the functions 'Toggle Dim / Max - Value' and 'Brighter Dim / Max - Value'.",
     "Maximaler Ausgangswert des Schaltobjekts %1 in % (0 - 100): nvoSwitch_%2 schaltet mit den Funktionen "
     "'Toggle Dimmen / Max - Wert' und 'Heller Dimmen / Max - Wert' auf diesen Wert ein."},
    {cp::MaxSendTime, "SCPTmaxSendTime", 49, "SNVT_time_sec",
     "Maximum send time of switch object %1 in s (0 - 6500): nvoSwitch_%2 and nvoSetting_%2 are sent again "
     "after this time without a change (heartbeat); 0 switches the repetition off.",
     "Maximale Sendezeit des Schaltobjekts %1 in s (0 - 6500): nvoSwitch_%2 und nvoSetting_%2 werden nach "
     "dieser Zeit auch ohne Änderung erneut gesendet (Heartbeat); 0 schaltet die Wiederholung ab."},
    {cp::MinSendTime, "SCPTminSendTime", 52, "SNVT_time_sec",
     "Minimum send time of switch object %1 in s (0 - 6500, steps of 0,1 s): the shortest interval between "
     "two transmissions of nvoSwitch_%2 and nvoSetting_%2; limits the network load while dimming.",
     "Minimale Sendezeit des Schaltobjekts %1 in s (0 - 6500, Schritte von 0,1 s): der kürzeste Abstand "
     "zwischen zwei Sendungen von nvoSwitch_%2 und nvoSetting_%2; begrenzt die Netzlast beim Dimmen."},
    {cp::StepValue, "SCPTstepValue", 92, "SNVT_lev_cont",
     "Step value of switch object %1 in % (0 - 100, steps of 0,5 %): change of the dim value per step of the "
     "functions 'Brighter Dim' and 'Darker Dim'.",
     "Schrittweite des Schaltobjekts %1 in % (0 - 100, Schritte von 0,5 %): Änderung des Dimmwerts je "
     "Schritt "
     "der Funktionen 'Heller Dimmen' und 'Dunkler Dimmen'."},
    {cp::ReverseDelay, "UCPTreverseDelay", 14, "SNVT_count",
     "Reverse delay of switch object %1 in ms (0 - 6500): pause before a blind drive changes its direction; "
     "protects the motor.",
     "Umschaltverzögerung des Schaltobjekts %1 in ms (0 - 6500): Pause, bevor ein Jalousieantrieb die "
     "Richtung wechselt; schont den Motor."},
    {cp::DriveTime, "SCPTdriveTime", 45, "SNVT_time_sec",
     "Drive time of switch object %1 in s (0 - 6500): running time of the connected blind or shutter from "
     "one "
     "end position to the other; after it a Blind Up / Blind Down movement counts as finished.",
     "Fahrzeit des Schaltobjekts %1 in s (0 - 6500): Laufzeit der angeschlossenen Jalousie von einer "
     "Endlage in die andere; danach gilt eine Fahrt Auf / Ab als beendet."},
}};

// The occupancy sensor, the temperature sensor and the SCC command module.
const std::array<CpHelpRow, 10> roomRows{{
    {cp::OccupancyMaxSendTime, "SCPTmaxSendTime", 49, "SNVT_time_sec",
     "Maximum send time of the occupancy sensor object in s (0 - 6500): nvoOsOccup is sent again after this "
     "time without a change (heartbeat); 0 switches the repetition off.",
     "Maximale Sendezeit des Präsenzobjekts in s (0 - 6500): nvoOsOccup wird nach dieser Zeit auch ohne "
     "Änderung erneut gesendet (Heartbeat); 0 schaltet die Wiederholung ab."},
    {cp::OccupancyBypassTime, "SCPTbypassTime", 34, "SNVT_time_min",
     "Bypass time in minutes (0 - 6500): duration of the occupancy with overtime function (OC_BYPASS) "
     "started "
     "by a button; afterwards the room returns to its previous occupancy.",
     "Überstundenzeit in Minuten (0 - 6500): Dauer der mit einer Taste gestarteten Belegung mit "
     "Überstundenfunktion (OC_BYPASS); danach kehrt der Raum in die vorherige Belegung zurück."},
    {cp::SpaceTempMinSendTime, "SCPTminSendTime", 52, "SNVT_time_sec",
     "Minimum send time of nvoSpaceTemp in s (0 - 6500): the shortest interval between two transmissions of "
     "the room temperature.",
     "Minimale Sendezeit von nvoSpaceTemp in s (0 - 6500): der kürzeste Abstand zwischen zwei Sendungen der "
     "Raumtemperatur."},
    {cp::MinDeltaTemp, "SCPTminDeltaTemp", 64, "SNVT_temp_p",
     "Minimum change of the room temperature in K (0 - 10) after which nvoSpaceTemp is sent.",
     "Minimale Änderung der Raumtemperatur in K (0 - 10), nach der nvoSpaceTemp gesendet wird."},
    {cp::OffsetTemp, "SCPToffsetTemp", 70, "SNVT_temp_p",
     "Temperature offset in K (-20 - +20), added to the measured room temperature to compensate the "
     "mounting place. Device-specific: it is not sent with 'sync. Devices'.",
     "Temperaturoffset in K (-20 - +20), wird zur gemessenen Raumtemperatur addiert, um den Montageort "
     "auszugleichen. Gerätespezifisch: wird beim Synchronisieren nicht übertragen."},
    {cp::Setpoint, "SCPTsetpoint", 213, "SNVT_temp_p",
     "Configuration parameter for set point default (Preset value: 22,00 °C)",
     "Konfigurationsparameter zur Sollwertvorgabe (Voreingestellter Wert: 22,00 °C)"},
    {cp::SpOffsetRng, "UCPTspOffsetRng", 12, "SNVT_temp_p",
     "Set point offset range in K (0 - 20): the set point can be shifted at the unit by at most this value "
     "up and down.",
     "Verstellbereich des Sollwertoffsets in K (0 - 20): der Sollwert lässt sich am Gerät um höchstens "
     "diesen Wert nach oben und unten verschieben."},
    {cp::SpEditDelta, "UCPTspEditDelta", 9, "SNVT_temp_p",
     "Step value in K (0 - 20) by which one press of a set point button changes the set point offset.",
     "Auflösung in K (0 - 20), um die ein Druck auf eine Sollwerttaste den Sollwertoffset ändert."},
    {cp::FanSpdStages, "UCPTfanSpdStages", 13, "SNVT_count",
     "Number of fan stages of the connected fan coil unit (1 - 3).",
     "Anzahl der Lüfterstufen des angeschlossenen Gebläsekonvektors (1 - 3)."},
    {cp::CommandModuleMaxSendTime, "SCPTmaxSendTime", 49, "SNVT_time_sec",
     "Maximum send time of the SCC command module in s (0 - 6500): its outputs are sent again after this "
     "time "
     "without a change (heartbeat); 0 switches the repetition off.",
     "Maximale Sendezeit des SCC-Moduls in s (0 - 6500): seine Ausgänge werden nach dieser Zeit auch ohne "
     "Änderung erneut gesendet (Heartbeat); 0 schaltet die Wiederholung ab."},
}};

QString helpText(const CpHelpRow& row, Language language, const QString& description)
{
    return cpHelpText(QString::fromUtf8(row.name), row.typeIndex, QString::fromUtf8(row.valueType), language,
                      description);
}

} // namespace

void fillCpHelp(TextArray<66>& texts, Language language)
{
    for (const CpHelpRow& row : nodeRows)
        texts[row.position] = helpText(row, language, row.description(language));
    for (int object = 0; object < cp::SwitchObjects; ++object) {
        for (const CpHelpRow& row : switchRows)
            texts[cp::ofSwitch(object, row.position)] =
                helpText(row, language, forSwitchObject(row.description(language), object));
    }
    for (const CpHelpRow& row : roomRows)
        texts[row.position] = helpText(row, language, row.description(language));
}

} // namespace catalogue
