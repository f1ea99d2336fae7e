#pragma once

#include <QString>

class QTextEdit;

// The description box (RTHinweis) that every page and window fills with the help of a point.
namespace help_box {

// Shows a help text with its header and its function heading in bold and underlined and the
// caret near the start of the description.
void show(QTextEdit* box, const QString& text, const QString& header, const QString& functionHeading);

} // namespace help_box
