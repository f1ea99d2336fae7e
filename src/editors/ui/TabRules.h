#pragma once

struct EditorState;
struct MainControls;

// Switches the function tabs "Switch 0" ... "Switch 7", "Scene" and "Occupancy" on exactly when
// a present button drives that object.
void set_tabs(MainControls& controls, const EditorState& state);
