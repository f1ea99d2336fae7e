#include "ProgressBar.h"

#include <QTextStream>
#include <cstdio>
#include <unistd.h>

ProgressBar::ProgressBar(QTextStream& err) : m_err(err), m_shown(isatty(fileno(stderr)) != 0) {}

void ProgressBar::show(int number, int count, const QString& device, std::optional<qint64> secondsLeft)
{
    if (!m_shown)
        return;
    constexpr int Width = 30;
    const int done = count > 0 ? (number - 1) * Width / count : 0;
    QString line = QStringLiteral("\r[%1%2] %3/%4 %5")
                       .arg(QString(done, QLatin1Char('#')), QString(Width - done, QLatin1Char(' ')))
                       .arg(number)
                       .arg(count)
                       .arg(device);
    if (secondsLeft)
        line += QStringLiteral("  %1:%2 left")
                    .arg(*secondsLeft / 60)
                    .arg(*secondsLeft % 60, 2, 10, QLatin1Char('0'));
    m_err << line.leftJustified(m_lastWidth) << Qt::flush;
    m_lastWidth = static_cast<int>(line.size());
}

void ProgressBar::clear()
{
    if (m_shown && m_lastWidth > 0)
        m_err << '\r' << QString(m_lastWidth, QLatin1Char(' ')) << '\r' << Qt::flush;
    m_lastWidth = 0;
}
