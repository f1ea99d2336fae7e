#pragma once

#include "host/Ui.h"

#include <QList>

// What the button sets of a message box offer.
namespace ui_buttons {

// The answers a button set offers, in the order of its buttons.
QList<Ui::Answer> offered(Ui::Buttons buttons);
// The answer of a box the user leaves without choosing: Cancel, No or Abort, whichever it offers.
Ui::Answer dismissed(Ui::Buttons buttons);

} // namespace ui_buttons
