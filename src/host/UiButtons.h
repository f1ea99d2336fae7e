#pragma once

#include "host/UiServices.h"

#include <QList>

// What the button sets of a message box offer.
namespace ui_buttons {

// The answers a button set offers, in the order of its buttons.
QList<UiServices::Answer> offered(UiServices::Buttons buttons);
// The answer of a box the user leaves without choosing: Cancel, No or Abort, whichever it offers.
UiServices::Answer dismissed(UiServices::Buttons buttons);

} // namespace ui_buttons
