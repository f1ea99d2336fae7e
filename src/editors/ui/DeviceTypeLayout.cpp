#include "editors/ui/DeviceTypeLayout.h"

#include "device/EditorState.h"
#include "editors/CpFieldRules.h"
#include "editors/ui/TabRules.h"
#include "ui/MainControls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <algorithm>
#include <array>

namespace {

QLabel* pictureFor(const MainControls& controls, int buttonCount, bool menuButtons)
{
    switch (buttonCount) {
    case 2:
        return menuButtons ? controls.Image2T4 : controls.Image2T;
    case 4:
        return menuButtons ? controls.Image4T4 : controls.Image4T;
    case 6:
        return menuButtons ? controls.Image6T4 : controls.Image6T;
    case 8:
        return menuButtons ? controls.Image12T : controls.Image8T;
    default:
        return controls.Image12T;
    }
}

} // namespace

bool applyDeviceType(MainControls& controls, EditorState& state, int buttonCount)
{
    const auto& types = cp_field_rules::DeviceTypes;
    const auto type = std::find(types.begin(), types.end(), buttonCount);
    if (type == types.end())
        return false;

    controls.cmb_nci(point_catalogue::cp::DeviceType)
        ->setCurrentIndex(static_cast<int>(type - types.begin()));
    // Twelve buttons always include the menu buttons, whatever the check box said.
    if (buttonCount == 12)
        controls.menucheck->setChecked(true);
    const bool menu = controls.menucheck->isChecked();

    const bool rows7to8 = buttonCount >= 4;
    const bool rows9to10 = buttonCount >= 6;
    const bool rows11to12 = buttonCount >= 8;
    controls.FrameMenue->setVisible(menu);
    controls.Frame4T1->setVisible(rows7to8);
    controls.Frame4T2->setVisible(rows7to8);
    controls.FrameLED4->setVisible(rows7to8);
    controls.Frame8T1->setVisible(rows9to10);
    controls.Frame8T2->setVisible(rows9to10);
    controls.FrameLED8->setVisible(rows9to10);
    controls.Frame12T1->setVisible(rows11to12);
    controls.Frame12T2->setVisible(rows11to12);
    controls.FrameLED12->setVisible(rows11to12);

    QLabel* const shown = pictureFor(controls, buttonCount, menu);
    for (QLabel* picture : {controls.Image2T, controls.Image2T4, controls.Image4T, controls.Image4T4,
                            controls.Image6T, controls.Image6T4, controls.Image8T, controls.Image12T})
        picture->setVisible(picture == shown);

    state.menuRowsActive = menu;
    state.baseRowsActive = true;
    state.rows7to8Active = rows7to8;
    state.rows9to10Active = rows9to10;
    state.rows11to12Active = rows11to12;
    set_tabs(controls, state);
    return true;
}
