#pragma once

#include "files/ReportLayout.h"

#include <QFont>
#include <QPainter>

class QPagedPaintDevice;

// The report's text cursor on a printer (a PDF file or a CUPS queue) or a PDF writer. Columns are
// average character widths of the current font; a line that does not fit starts a new page.
class PrinterLayout final : public ReportLayout
{
public:
    explicit PrinterLayout(QPagedPaintDevice& printer);
    ~PrinterLayout() override;
    PrinterLayout(const PrinterLayout&) = delete;
    PrinterLayout& operator=(const PrinterLayout&) = delete;

    void setFontSize(int points) override;
    void setBold(bool bold) override;
    void setUnderline(bool underline) override;
    void printLine(const QList<Item>& items) override;
    void newPage() override;
    void endDocument() override;

    // False when the printer could not be started (an unwritable output file, a queue that is
    // gone): nothing is printed then, and the caller must say so.
    bool started() const { return m_started; }

private:
    void applyFont();

    QPagedPaintDevice& m_printer;
    QPainter m_painter;
    bool m_started = false;
    QFont m_font;
    int m_y = 0;
};
