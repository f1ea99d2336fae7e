#pragma once

struct MainControls;

// The controls that show parts of a point beside its own box; they lose their mark together
// with the point when it is written or its edit is discarded.
namespace companions {

void unmarkNv(MainControls& controls, int position);
void unmarkCp(MainControls& controls, int position);

} // namespace companions
