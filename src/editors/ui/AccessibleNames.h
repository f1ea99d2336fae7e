#pragma once

#include <QList>

class QWidget;

// Accessible names that follow the captions a control is read with: its label, or for a cell of
// a table its row and column headings ("T3 Button Function"). The captions change with the
// language after the pages are built, so the names are derived from them again on request.
namespace accessible_names {

// Names the control by the given captions (labels, buttons or group boxes), in this order.
void link(QWidget* control, const QList<QWidget*>& captions);
// Recomputes the accessible name of every linked control below root from the captions' texts.
void refresh(QWidget* root);
// A caption as a screen reader should speak it: no mnemonic, no runs of blanks, no trailing ":".
QString spoken(const QString& caption);

} // namespace accessible_names
