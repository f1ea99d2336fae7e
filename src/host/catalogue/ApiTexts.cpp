#include "host/catalogue/CatalogueTables.h"

#include <array>

namespace catalogue {

namespace {

// Errors and progress texts of the automation interface. Row 8 is not used.
const std::array<TextRow, 10> rows{{
    {0, "Registering plug-in . . .", "Registeriere plug-in . . ."},
    {1, "Unable to register Supported Commands", "konnte unterstützten Command nicht registrieren"},
    {2, "Unregistering plug-in . . .", "deregistriere plug-in . . ."},
    {3, "Initializing plug-in . . .", "Initialisiere plug-in . . ."},
    {4, "Object type not supported for this command", "Objekttyp wird nicht unterstützt vom command"},
    {5, "Command not supported", "Command nicht unterstützt"},
    {6, "Cannot open the network ", "Das Netzwerk kann nicht geöffnet werden "},
    {7, "Attempt to write to read-only property", "Attempt to write to read-only property"},
    {9, "Plug-in can't be moved or sized while minimized or maximized",
     "Plug-in can't be moved or sized while minimized or maximized"},
    {10,
     "Can not modify the minimzed property when invisble. The property will be applied the next time the "
     "plug-in is made visible",
     "Can not modify the minimzed property when invisble. The property will be applied the next time the "
     "plug-in is made visible"},
}};

} // namespace

void fillApiTexts(TextArray<11>& texts, Language language)
{
    for (const TextRow& row : rows)
        texts[row.index] = row.text(language);
}

} // namespace catalogue
