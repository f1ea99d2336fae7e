#pragma once

struct EditorState;
struct MainControls;

// Brings the window into the state of a device type (2, 4, 6, 8 or 12 buttons): list
// position of cmb_nci(1), rows and LED containers, the picture, the menu rows and the
// row-group flags; then runs the tab rule. Returns false (and changes nothing) for any other count.
bool applyDeviceType(MainControls& controls, EditorState& state, int buttonCount);
