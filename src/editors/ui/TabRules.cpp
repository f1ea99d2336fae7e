#include "editors/ui/TabRules.h"

#include "device/EditorState.h"
#include "device/point_catalogue/PointCatalogue.h"
#include "ui/MainControls.h"

#include <QComboBox>
#include <QTabWidget>
#include <array>

namespace {

constexpr int FirstFunctionTab = 7;
// "Switch-Object 0" ... "Occupancy Sensor" have a tab; the SCC module (entry 10) has none.
constexpr int FunctionTabs = 10;

bool buttonPresent(const EditorState& state, int button)
{
    if (button < 4)
        return state.menuRowsActive;
    if (button < 6)
        return true;
    if (button < 8)
        return state.rows7to8Active;
    if (button < 10)
        return state.rows9to10Active;
    return state.rows11to12Active;
}

} // namespace

// A function tab that no present button drives is hidden rather than disabled: the integrator
// then sees only the objects the unit actually uses.
void set_tabs(MainControls& controls, const EditorState& state)
{
    std::array<bool, FunctionTabs> used{};
    for (int button = 0; button < point_catalogue::cp::Buttons; ++button) {
        if (!buttonPresent(state, button))
            continue;
        const int object = controls.cmb_device(button)->currentIndex();
        if (object >= 0 && object < FunctionTabs)
            used[static_cast<std::size_t>(object)] = true;
    }
    for (int k = 0; k < FunctionTabs; ++k)
        controls.tabData->setTabVisible(FirstFunctionTab + k, used[static_cast<std::size_t>(k)]);
}
