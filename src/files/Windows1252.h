#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// Windows-1252, the single-byte code page parameter files store their text in. The five
// bytes the code page leaves undefined map to the control characters of the same number,
// so that every file reads back to the same bytes.
namespace windows1252 {

// Nothing when a character has no byte in the code page.
std::optional<QByteArray> encode(const QString& text);
QString decode(const QByteArray& bytes);

} // namespace windows1252
