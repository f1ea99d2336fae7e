#pragma once

#include "files/ReportLayout.h"

#include <QFont>
#include <QPainter>

class QPrinter;

// The report's text cursor on a printer (a PDF file or a CUPS queue). Columns are average
// character widths of the current font; a line that does not fit starts a new page.
class PrinterLayout final : public ReportLayout
{
public:
    explicit PrinterLayout(QPrinter& printer);
    ~PrinterLayout() override;
    PrinterLayout(const PrinterLayout&) = delete;
    PrinterLayout& operator=(const PrinterLayout&) = delete;

    void setFontSize(int points) override;
    void setBold(bool bold) override;
    void setUnderline(bool underline) override;
    void printLine(const QList<Item>& items) override;
    void newPage() override;
    void endDocument() override;

private:
    void applyFont();

    QPrinter& m_printer;
    QPainter m_painter;
    QFont m_font;
    int m_y = 0;
};
