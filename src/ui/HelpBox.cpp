#include "ui/HelpBox.h"

#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextEdit>
#include <algorithm>

namespace {

// The help texts are formatted within these bounds, the caret set where the description starts.
constexpr int FormatEnd = 10000;
constexpr int FunctionSearchEnd = 1000;
constexpr int CaretPosition = 130;

void select(QTextCursor& cursor, int from, int to, int length)
{
    cursor.setPosition(std::clamp(from, 0, length));
    cursor.setPosition(std::clamp(to, 0, length), QTextCursor::KeepAnchor);
}

QTextCharFormat emphasis(bool on)
{
    QTextCharFormat format;
    format.setFontWeight(on ? QFont::Bold : QFont::Normal);
    format.setFontUnderline(on);
    return format;
}

} // namespace

void help_box::show(QTextEdit* box, const QString& text, const QString& header,
                    const QString& functionHeading)
{
    // The catalogue's line breaks are CR LF; the box wants one paragraph break each.
    QString plain = text;
    plain.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    plain.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    box->setPlainText(plain);

    const QString shown = box->toPlainText();
    const int length = static_cast<int>(shown.size());
    QTextCursor cursor(box->document());
    select(cursor, 0, FormatEnd, length);
    cursor.mergeCharFormat(emphasis(false));
    if (!header.isEmpty()) {
        select(cursor, 0, static_cast<int>(header.size()), length);
        cursor.mergeCharFormat(emphasis(true));
    }
    if (!functionHeading.isEmpty()) {
        const int found = static_cast<int>(shown.left(FunctionSearchEnd).indexOf(functionHeading));
        if (found >= 0) {
            select(cursor, found, found + static_cast<int>(functionHeading.size()), length);
            cursor.mergeCharFormat(emphasis(true));
        }
    }
    cursor.setPosition(std::min(CaretPosition, length));
    box->setTextCursor(cursor);
}
