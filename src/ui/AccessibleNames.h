#pragma once

#include <QList>

class QWidget;

// Accessible names that follow the captions a control is read with: its label, or for a cell of
// a table its row and column headings ("T3 Button Function"). The captions change with the
// language after the pages are built, so the names are derived from them again on request.
namespace accessible_names {

// Names the control by the given captions (labels, buttons or group boxes), in this order.
void link(QWidget* control, const QList<QWidget*>& captions);
// The captions a control was linked with; empty for any other control.
QList<QWidget*> captions(const QWidget* control);
// Lists speak their linked name as their name, their entry as their value. (Qt's own
// interface names a list on this platform by its current entry, so that every row of a table of
// lists reads the same.) Installed once per program, before the first list is made; a list
// without a name is named by its entry as before.
void installListNames();
// Recomputes the accessible name of every linked control below root from the captions' texts.
void refresh(QWidget* root);
// A caption as a screen reader should speak it: no mnemonic, no runs of blanks, no trailing ":".
QString spoken(const QString& caption);

} // namespace accessible_names
