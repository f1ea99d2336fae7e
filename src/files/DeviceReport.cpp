#include "files/DeviceReport.h"

namespace {

constexpr int NameSize = 18;
constexpr int HeaderSize = 12;
constexpr int RowSize = 10;

} // namespace

DeviceReport::DeviceReport(ReportLayout& layout, const Texts& texts) : m_layout(layout), m_texts(texts) {}

void DeviceReport::print(const Data& data, const Choice& choice)
{
    header(data);
    if (choice.cps) {
        sectionTitle(m_texts.cpTitle);
        for (const Row& entry : data.cps) {
            if (entry.position == SecondPagePosition) {
                m_layout.newPage();
                header(data);
                sectionTitle(m_texts.cpTitle);
            }
            row(entry);
        }
        m_layout.newPage();
    }
    if (choice.nvis) {
        header(data);
        sectionTitle(QStringLiteral("nvi's"));
        for (const Row& entry : data.nvis)
            row(entry);
    }
    if (choice.nvos) {
        m_layout.newPage();
        header(data);
        sectionTitle(QStringLiteral("nvo's"));
        for (const Row& entry : data.nvos)
            row(entry);
    }
    m_layout.endDocument();
}

void DeviceReport::header(const Data& data)
{
    m_layout.setFontSize(NameSize);
    m_layout.setBold(true);
    m_layout.printLine({});
    m_layout.printLine({{26, data.deviceName}});
    m_layout.printLine({});
    m_layout.setFontSize(HeaderSize);
    m_layout.setBold(false);
    m_layout.printLine({{8, QStringLiteral("NeuronID:")},
                        {24, data.neuronId},
                        {55, m_texts.date},
                        {65, data.date},
                        {79, data.time}});
    m_layout.printLine({{8, QStringLiteral("ProgID:")}, {24, data.programId}});
    m_layout.printLine({{8, QStringLiteral("Subsystem")}, {24, data.subsystem}});
    m_layout.printLine({});
    m_layout.printLine({});
    m_layout.setBold(true);
    m_layout.setUnderline(true);
    m_layout.printLine({{8, m_texts.object}, {28, m_texts.variable}, {51, m_texts.value}});
    m_layout.printLine({});
}

void DeviceReport::sectionTitle(const QString& title)
{
    m_layout.setFontSize(HeaderSize);
    m_layout.printLine({{30, title}});
    m_layout.printLine({});
    m_layout.setBold(false);
    m_layout.setUnderline(false);
}

void DeviceReport::row(const Row& entry)
{
    m_layout.setFontSize(RowSize);
    m_layout.printLine({{10, entry.owner}, {36, entry.name}, {66, entry.value}});
}
