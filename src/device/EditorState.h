#pragma once

#include <QString>
#include <array>

// Editor state shared by the button editor, the loading into the editors and the tab rule.
struct EditorState
{
    bool editedFlag = false;
    // Buttons 0-3 (menu buttons), 4-5, 6-7, 8-9 and 10-11.
    bool menuRowsActive = false;
    bool baseRowsActive = true;
    bool rows7to8Active = false;
    bool rows9to10Active = false;
    bool rows11to12Active = false;
    // The seven fields of nviUnitStatus as last loaded or edited.
    std::array<QString, 7> unitStatusFields{};
};
