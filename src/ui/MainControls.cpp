#include "ui/MainControls.h"

#include "device/point_catalogue/PointCatalogue.h"

QLineEdit* MainControls::elementBox(int position, int element) const
{
    if (position == point_catalogue::cp::DiConfig)
        return txtNcielement(element);
    return txtNci(point_catalogue::cp::backlightBox(position, element));
}
