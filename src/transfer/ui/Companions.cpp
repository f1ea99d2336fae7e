#include "transfer/ui/Companions.h"

#include "device/point_catalogue/PointCatalogue.h"
#include "ui/ChangeMarker.h"
#include "ui/MainControls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

namespace {

using namespace point_catalogue;

template <typename W> void unmarkRange(const ControlArray<W>& controls, int first, int last)
{
    for (int index = first; index <= last; ++index)
        if (controls.contains(index))
            change_marker::unmark(controls(index));
}

} // namespace

void companions::unmarkNv(MainControls& controls, int position)
{
    switch (position) {
    case nvi::ScSceneFb:
        unmarkRange(controls.txtNvi, nvi::SceneName, nvi::SceneNumber);
        break;
    case nvi::UnitStatus:
        change_marker::unmark(controls.txtNvi(nvi::HeatOutputPrimaryBox));
        change_marker::unmark(controls.txtNvi(nvi::CoolOutputBox));
        break;
    case nvi::CmdAll:
        unmarkRange(controls.nviCmd_all, 0, MainControls::CommandBoxes - 1);
        break;
    case nvi::EnergyHoldOff:
    case nvi::UserLockoutG:
    case nvi::UserLockoutL:
    case nvi::ResetManCmd:
    case nvi::OccManCmd:
    case nvi::OccSensor:
    case nvi::Alarm:
        unmarkRange(controls.cmb_nvi, position, position);
        break;
    case nvi::TimeSet:
        unmarkRange(controls.txttime, 1, 3);
        unmarkRange(controls.txtdate, 1, 3);
        break;
    default:
        break;
    }
}

void companions::unmarkCp(MainControls& controls, int position)
{
    switch (position) {
    case cp::TimeConfig:
        unmarkRange(controls.cmb_time, 0, 3);
        break;
    case cp::DeviceType:
    case cp::FanSpdStages:
        unmarkRange(controls.cmb_nci, position, position);
        break;
    case cp::DisplConfig:
        unmarkRange(controls.UCPTdisplConfig, 0, MainControls::DisplayItems - 1);
        break;
    case cp::DiConfig:
        for (int k = 0; k < cp::Buttons; ++k) {
            unmarkRange(controls.cmb_device, k, k);
            unmarkRange(controls.cmb_function, k, k);
            if (k >= 4)
                unmarkRange(controls.cmb_led, k, k);
        }
        unmarkRange(controls.txtNcielement, 0, cp::Buttons - 1);
        unmarkRange(controls.txtNciscene, 0, cp::Buttons - 1);
        break;
    case cp::BacklightMin:
    case cp::BacklightMax:
        unmarkRange(controls.txtNci, cp::backlightBox(position, 0),
                    cp::backlightBox(position, cp::elements(position) - 1));
        break;
    default:
        break;
    }
}
