#pragma once

class QWidget;

// The mark of an edited field: its fore colour is pure red (255) while its content differs from
// the device, the system's button-text colour otherwise. The colour is the record: whoever needs
// to know whether a field was edited asks isMarked().
namespace change_marker {

void mark(QWidget* control);
void unmark(QWidget* control);
void setMarked(QWidget* control, bool marked);
bool isMarked(const QWidget* control);

} // namespace change_marker
