#pragma once

class ButtonFunctionLists;
struct MainControls;

// Shows button row `row` as the text of its UCPTdiConfig element says: the object in
// cmb_device, the function list (or the scene number for the scene panel) and the LED list of
// that object with the codes of bytes 1 and 2 selected. An element that names no object shows
// no choice in the row, rather than another device's. Returns false for such an element.
bool showButtonRow(MainControls& controls, const ButtonFunctionLists& lists, int row);
