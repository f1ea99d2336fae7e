#include "host/catalogue/CatalogueTables.h"

#include <array>

namespace catalogue {

namespace {

// Messages of registration and deregistration.
const std::array<TextRow, 31> rows{{
    {0, "Opening the Object Server...", "Öffne den Objektserver"},
    {1, "Opening ", "Öffne "},
    {2, "Deregister commands...", "Deregistriere commands..."},
    {3, "A newer version of this plug-in is already registered",
     "Eine neuere Version des Plug-in ist bereits registriert"},
    {4, " registration as COM server failed", " Registrierung als COM server ist fehlgeschlagen"},
    {5, "Plug-in registered as ", "Plug-in wurde registriert als "},
    {6, "Updated version of plug-in registered as ", "Die neuere Version des Plug-in wurde registriert als "},
    {7,
     "register the same plug-in on the server so that the DRF can be installed there, too. Failure to do so "
     "is not an error, but might lead to confusion later",
     "register the same plug-in on the server so that the DRF can be installed there, too. Failure to do so "
     "is not an error, but might lead to confusion later"},
    {8, " deregistration as COM server failed", " Deregistrierung als COM server ist fehlgeschlagen"},
    {9, " deregistered", " deregistriert"},
    {10, " does not exisit in the Windows registery", " existiert nicht in der Windows registery"},
    {11, " could not be found.", " konnte nicht gefunden werden."},
    {12, "Cannot Export Database", "Cannot Export Database"},
    {13, "Remote client cannot add a template.", "Remote client kann keine Templates hinzufügen."},
    {14, "Unable to find XIF file / create a template.", "Unable to find XIF file / create a template."},
    {15, "Could not create a unique template name.", "Es konnte kein Templatename erstellt werden."},
    {16, "Adding command ", "füge command hinzu "},
    {17, "Do you wish to make ", "Möchten Sie den Command "},
    {18, " the default action for ", " als Standardanwendung für "},
    {19, " devices?", " Geraete?"},
    {20, " the default action for the LonMark object ", " die Standardanwendug für das LonMark Objekt "},
    {21, " on ", " für "},
    {22, " objects?", " objekte?"},
    {23, "Error adding command ", "Fehler beim hinzufügen von command "},
    {24, " for Device Template", " für Device Template"},
    {25, "Unable to add the resources listed in the ResourceTable to the catalog",
     "Unable to add the resources listed in the ResourceTable to the catalog"},
    {26, "The device template '", "Das device template '"},
    {27,
     "' is no longer referenced by any device in the current network. Do you want to remove the device "
     "template from the template library?",
     "' wird von keinem Geraet im aktuellen Netzwerk verwendet. Soll das Template entfernt werden?"},
    {28, "Unable to remove the device template: ", "Es ist nicht möglich folgendes Template zu entfernen: "},
    {29, "Deregister Command ", "deregistriere Command "},
    {30, "create Templates...", "erstelle Templates..."},
}};

} // namespace

void fillRegTexts(TextArray<31>& texts, Language language)
{
    for (const TextRow& row : rows)
        texts[row.index] = row.text(language);
}

} // namespace catalogue
