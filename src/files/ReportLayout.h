#pragma once

#include <QList>
#include <QString>

// The printer's text operations the report is written against: a text cursor that prints
// lines of items at tab columns, measured in average character widths of the current font.
class ReportLayout
{
public:
    struct Item
    {
        int column = 0;
        QString text;
    };

    virtual ~ReportLayout() = default;
    virtual void setFontSize(int points) = 0;
    virtual void setBold(bool bold) = 0;
    virtual void setUnderline(bool underline) = 0;
    // An empty list prints an empty line.
    virtual void printLine(const QList<Item>& items) = 0;
    virtual void newPage() = 0;
    virtual void endDocument() = 0;
};
