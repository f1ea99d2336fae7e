#pragma once

struct AppContext;

namespace lns {
class AppDevice;
}

// Tells the object server, for every functional block of the device, the most specific
// resource scope (6 down to 3) whose resource file defines the block's functional profile.
// True when the look-up ran to its end; false when the catalogue could not be opened or the
// user aborted after an error (the progress and splash windows are then closed).
bool DrfLookUp(const lns::AppDevice& device, AppContext& context);
