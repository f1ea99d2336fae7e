#include "files/ui/PrinterLayout.h"

#include <QFontMetrics>
#include <QPagedPaintDevice>

PrinterLayout::PrinterLayout(QPagedPaintDevice& printer)
    : m_printer(printer), m_font(QStringLiteral("Sans Serif"))
{
    m_started = m_painter.begin(&m_printer);
    applyFont();
}

PrinterLayout::~PrinterLayout()
{
    endDocument();
}

void PrinterLayout::setFontSize(int points)
{
    m_font.setPointSize(points);
    applyFont();
}

void PrinterLayout::setBold(bool bold)
{
    m_font.setBold(bold);
    applyFont();
}

void PrinterLayout::setUnderline(bool underline)
{
    m_font.setUnderline(underline);
    applyFont();
}

void PrinterLayout::applyFont()
{
    if (m_painter.isActive())
        m_painter.setFont(QFont(m_font, m_painter.device()));
}

void PrinterLayout::printLine(const QList<Item>& items)
{
    if (!m_painter.isActive())
        return;
    const QFontMetrics metrics = m_painter.fontMetrics();
    const int height = m_painter.viewport().height();
    if (m_y > 0 && m_y + metrics.lineSpacing() > height)
        newPage();
    for (const Item& item : items)
        m_painter.drawText(item.column * metrics.averageCharWidth(), m_y + metrics.ascent(), item.text);
    m_y += metrics.lineSpacing();
}

void PrinterLayout::newPage()
{
    if (m_painter.isActive() && m_printer.newPage())
        m_y = 0;
}

void PrinterLayout::endDocument()
{
    if (m_painter.isActive())
        m_painter.end();
}
