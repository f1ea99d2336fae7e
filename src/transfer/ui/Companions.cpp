#include "transfer/ui/Companions.h"

#include "device/ui/MainControls.h"
#include "editors/ui/ChangeMarker.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

namespace {

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
    case 8:
        unmarkRange(controls.txtNvi, 80, 81);
        break;
    case 12:
        change_marker::unmark(controls.txtNvi(71));
        change_marker::unmark(controls.txtNvi(73));
        break;
    case 16:
        unmarkRange(controls.nviCmd_all, 0, 6);
        break;
    case 11:
    case 13:
    case 14:
    case 15:
    case 17:
    case 18:
    case 22:
        unmarkRange(controls.cmb_nvi, position, position);
        break;
    case 25:
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
    case 0:
        unmarkRange(controls.cmb_time, 0, 3);
        break;
    case 1:
    case 63:
        unmarkRange(controls.cmb_nci, position, position);
        break;
    case 3:
        unmarkRange(controls.UCPTdisplConfig, 0, 13);
        break;
    case 2:
        for (int k = 0; k < 12; ++k) {
            unmarkRange(controls.cmb_device, k, k);
            unmarkRange(controls.cmb_function, k, k);
            if (k >= 4)
                unmarkRange(controls.cmb_led, k, k);
        }
        unmarkRange(controls.txtNcielement, 0, 11);
        unmarkRange(controls.txtNciscene, 0, 11);
        break;
    case 5:
        unmarkRange(controls.txtNci, 100, 101);
        break;
    case 6:
        unmarkRange(controls.txtNci, 102, 103);
        break;
    default:
        break;
    }
}
