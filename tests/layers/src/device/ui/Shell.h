#pragma once

// The layer check's fixture: a window shell that a page must not include.
