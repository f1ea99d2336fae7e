#pragma once

struct MainControls;

// Builds the 17 pages of the main window's tab control (controls.tabData must exist) with
// every editor control, filling the control arrays of MainControls.
void buildMainPages(MainControls& controls);
