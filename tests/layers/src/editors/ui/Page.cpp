// The layer check's fixture: a page that includes the window shell above it.
#include "device/ui/Shell.h"
