#pragma once

class PointTables;
struct MainControls;

namespace red_fields {

// The state that follows the marks: the array CP fields txtNci(2), txtNci(5) and txtNci(6) are
// marked while one of their element fields is, and Apply and Cancel are enabled exactly while
// some CP field, element field or NV input is marked.
void scan(MainControls& controls, const PointTables& points);

} // namespace red_fields
