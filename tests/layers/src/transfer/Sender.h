#pragma once

// The layer check's fixture: two folders of one layer that include each other.
#include "files/Format.h"
