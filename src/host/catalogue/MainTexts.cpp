#include "host/catalogue/CatalogueTables.h"

#include <array>

namespace catalogue {

namespace {

// Texts of the main window, transfer, device selection and status, and the function and
// LED lists of the button editor. Rows 44 and 45 are not used.
const std::array<TextRow, 81> rows{{
    {0,
     "The device resource files required for this device are not present in this enviroment. Browsing and "
     "data formating capabilities might be restricted to standard types and standard functional profile "
     "templates therefore. Do you wish to continue?",
     "Das 'device resource file' für dieses Geraet konnte nicht gefunden werden. Browsing and data formating "
     "capabilities might be restricted to standard types and standard functional profile templates "
     "therefore. Wollen Sie fortfahren?"},
    {1, "Unable to set the Mode for the LonMark Objects, do you want to proceed?",
     "Unable to set the Mode for the LonMark Objects, do you want to proceed?"},
    {2, "reading Parameters.....", "lese Parameter....."},
    {3, "testing the Device...", "teste das Geraet..."},
    {4, "reading State...", "lese den Status..."},
    {5, "Reading Network variables... ", "lese Netzwerkvariablen... "},
    {6, "Reading Configuration Property: ", "lese Configuration Property: "},
    {7, "Complete DRF look-up in progress...", "Complete DRF look-up in progress..."},
    {8, "Function:", "Funktion:"},
    {9, "Date:", "Datum:"},
    {10, "Object", "Objekt"},
    {11, "Variable", "Variable"},
    {12, "Value", "Wert"},
    {13, "German", "Deutsch"},
    {14, "English", "Englisch"},
    {15, "the Device: ", "das Geraet: "},
    {16, " is not Online", " ist nicht Online"},
    {17, " missed a NeuronID", " hat keine NeuronID"},
    {18, "Transmit parameters to the current Device ?", "Parameter zu dem aktuellen Geraet übertragen?"},
    {19, " ! No Device selected !", " ! kein Geraet ausgewaehlt !"},
    {20,
     "A director is using this plug-in.  Exiting may cause the director to experience errors.  Are you sure "
     "that you want to exit?",
     "A director is using this plug-in.  Exiting may cause the director to experience errors.  Are you sure "
     "that you want to exit?"},
    {21, "There are ", "There are "},
    {22,
     " directors using this plug-in.  Exiting may cause the directors to experience errors.  Are you sure "
     "that you want to exit?",
     " directors using this plug-in.  Exiting may cause the directors to experience errors.  Are you sure "
     "that you want to exit?"},
    {23, "Monitoring On", "Monitor An"},
    {24, "Monitoring Off", "Monitor Aus"},
    {25, "Print", "Drucken"},
    {26, "Load Parameters(nci)", "Parameter(nci) laden"},
    {27, "Save Parameters(nci)", "Parameter(nci) speichern"},
    {28, "writing Networkvariables..", "schreibe Netzwerkvariablen.."},
    {29, "writing Parameters...", "schreibe Parameter..."},
    {30, " not possible to synchronize !", " kann nicht synchronisiert werden !"},
    {31, "All not transmited Parameters, could not be trasmit by activating 'sync. Devices'. ",
     "Die nicht gesendeten Parameter können nicht beim synchronisieren übertragen werden. "},
    {32, "These parameters are no generall parameters. They are devicespecific.",
     "Es handelt sich dabei um Geraetespezifische und keine allgemeingültigen Parameter."},
    {33, "To transmit these parameters to more than one device, you need",
     "Um diese Parameter an mehrere Geraete zu übertragen, waehlen Sie "},
    {34, "to disable 'sync. Devices'. ", "die gewünschten Geraete ohne die Option synchronisieren."},
    {35, "  repeating...", "  wiederhole..."},
    {36, "SNVT Type:", "SNVT Typ:"},
    {37, "SCPT Type:", "SCPT Typ:"},
    {38, "searching for further devices...", "suche weitere Geraete..."},
    {39, "found: ", "gefunden: "},
    {40, "Devices:", "Geraete:"},
    {41, "Parameters:", "Parameter:"},
    {42, "Remaining time:", "verbleibende Zeit:"},
    {43, "Configuration Parameters", "Konfigurationsparameter"},
    {46,
     "Plug-In installation successful. To finish installation please start the network-managment-tool again!",
     "Plug-In erfolgreich installiert. Zum Fertigstellen der Installation bitte Netzwerkmanagmenttool neu "
     "starten!"},
    {47, "For canceling the data transfer please close the state-window.",
     "Zum Abbrechen der Datenübertragung Status-Fenster schließen."},
    {48, "1 actuated / not actuated", "1 gedrückt / nicht gedrückt"},
    {49, "2 Light Toggle", "2 Licht Toggle"},
    {50, "3 Light ON", "3 Licht EIN"},
    {51, "4 Light OFF", "4 Licht AUS"},
    {52, "5 Toggle Dim / Max - Value", "5 Toggle Dimmen / Max - Wert"},
    {53, "6 Toggle Dim / On - Value", "6 Toggle Dimmen / Ein - Wert"},
    {54, "7 Brighter Dim / Max - Value", "7 Heller Dimmen / Max - Wert"},
    {55, "8 Brighter Dim / On - Value", "8 Heller Dimmen / Ein - Wert"},
    {56, "9 Darker Dim", "9 Dunkler Dimmen"},
    {57, "A Blind Up", "A Jalousie Auf"},
    {58, "B Blind Down", "B Jalousie Ab"},
    {59, "C Automatic", "C Automatik"},
    {60, "1 Occupied, Overtimefunction.", "1 Occupied, Überstundenfkt."},
    {61, "2 Toggle Occupied / UnOccupied", "2 Toggle Occupied / UnOccupied"},
    {62, "3 Occupied", "3 Occupied"},
    {63, "4 Unoccupied", "4 Unoccupied"},
    {64, "1 Set temperature Plus", "1 Solltemperatur Plus"},
    {65, "2 Set temperature Minus", "2 Solltemperatur Minus"},
    {66, "3 Fan stage Plus incl. AUTO", "3 Lüftersufe Plus mit Auto"},
    {67, "4 Fan stage Minus incl. AUTO", "4 Lüftersufe Minus mit Auto"},
    {68, "5 Fan stage Plus without AUTO", "5 Lüftersufe Plus ohne Auto"},
    {69, "6 Fan stage Minus without AUTO", "6 Lüftersufe Minus ohne Auto"},
    {70, "7 Automatic", "7 Automatik"},
    {71, "1 ON, if button is pressed / OFF, if button is not pressed",
     "1 EIN, wenn Taste gedrückt / AUS, wenn Taste nicht gedrückt"},
    {72, "2 ON, if light = ON / OFF, if light = OFF",
     "2 EIN, wenn Beleuchtung = EIN / AUS, wenn Beleuchtung = AUS"},
    {73, "3 ON, if .function = SET_UP / OFF, if .function = SET_STOP",
     "3 EIN, wenn .function = SET_UP / AUS, wenn .function = SET_STOP"},
    {74, "4 ON, if .function = SET_DOWN / OFF, if .function = SET_STOP",
     "4 EIN, wenn .function = SET_DOWN / AUS, wenn .function = SET_STOP"},
    {75, "5 ON, if nvoSwitch.state = -1 / OFF, if nvoSwitch.state <> -1",
     "5 EIN, wenn nvoSwitch.state = -1 / AUS, wenn nvoSwitch.state <> -1"},
    {76, "1 ON, if button is pressed /OFF, if button is not pressed",
     "1 EIN, wenn Taste gedrückt / wenn Taste nicht gedrückt"},
    {77, "2 ON, pressed or .scene_number = Byte[1] / OFF,  .scene_number <> Byte[1]",
     "2 EIN, gedrückt o. .scene_number = Byte[1] / AUS,  .scene_number <> Byte[1]"},
    {78, "1 ON, if button is pressed / OFF, if button is not pressed",
     "1 EIN, Taste gedrückt / AUS, Taste nicht gedrückt"},
    {79, "2 ON, nvoOccup = OC_OCCUPIED / OFF, nvoOccup <> OC_OCCUPIED",
     "2 EIN, nvoOccup = OC_OCCUPIED / AUS, nvoOccup <> OC_OCCUPIED"},
    {80, "3 ON, nvoEffectOccup = OC_OCCUPIED / OFF, nvoEffectOccup <> OC_OCCUPIED",
     "3 EIN, nvoEffectOccup = OC_OCCUPIED / AUS, nvoEffectOccup <> OC_OCCUPIED"},
    {81, "1 ON, if button is pressed / OFF, if button is not pressed",
     "1 EIN, Taste gedrückt / AUS, Taste nicht gedrückt"},
    {82, "2 ON, pressed or nvoFanSpeed.state = -1 / OFF, nvoFanSpeed.state <> -1",
     "2 EIN, gedrückt o. nvoFanSpeed.state = -1 / AUS, nvoFanSpeed.state <> -1"},
}};

} // namespace

void fillMainTexts(TextArray<83>& texts, Language language)
{
    for (const TextRow& row : rows)
        texts[row.index] = row.text(language);
}

} // namespace catalogue
