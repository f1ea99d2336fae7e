#include "editors/ui/RedFields.h"

#include "device/point_catalogue/PointTables.h"
#include "ui/ChangeMarker.h"
#include "ui/MainControls.h"

#include <QLineEdit>
#include <QPushButton>

namespace red_fields {

namespace {

using namespace point_catalogue;

// Marks the array field after its element fields; true when one of them is marked.
bool markGroup(MainControls& controls, int arrayField, ControlArray<QLineEdit>& elements, int first,
               int count)
{
    bool groupRed = false;
    for (int k = first; k < first + count; ++k)
        groupRed = change_marker::isMarked(elements(k)) || groupRed;
    change_marker::setMarked(controls.txtNci(arrayField), groupRed);
    return groupRed;
}

} // namespace

void scan(MainControls& controls, const PointTables& points)
{
    // The array fields are coloured before the CP fields are counted, so that Apply follows the
    // marks of this very edit and not those of the one before.
    bool anyRed = markGroup(controls, cp::DiConfig, controls.txtNcielement, 0, cp::Buttons);
    anyRed = markGroup(controls, cp::BacklightMin, controls.txtNci, cp::BacklightMinBoxes,
                       cp::elements(cp::BacklightMin)) ||
             anyRed;
    anyRed = markGroup(controls, cp::BacklightMax, controls.txtNci, cp::BacklightMaxBoxes,
                       cp::elements(cp::BacklightMax)) ||
             anyRed;
    for (int position = 0; position < points.cpCount; ++position)
        anyRed = change_marker::isMarked(controls.txtNci(position)) || anyRed;
    for (int position = 0; position < points.nviCount; ++position)
        anyRed = change_marker::isMarked(controls.txtNvi(position)) || anyRed;
    controls.cmdApply->setEnabled(anyRed);
    controls.cmdCancel->setEnabled(anyRed);
}

} // namespace red_fields
