#include "files/DeviceReport.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace {

// Records the layout operations as text, one entry per operation.
class RecordingLayout final : public ReportLayout
{
public:
    void setFontSize(int points) override { ops.append(QStringLiteral("size %1").arg(points)); }
    void setBold(bool bold) override { ops.append(bold ? QStringLiteral("bold") : QStringLiteral("-bold")); }
    void setUnderline(bool underline) override
    {
        ops.append(underline ? QStringLiteral("underline") : QStringLiteral("-underline"));
    }
    void printLine(const QList<Item>& items) override
    {
        QStringList parts;
        for (const Item& item : items)
            parts.append(QStringLiteral("%1:%2").arg(item.column).arg(item.text));
        ops.append(QStringLiteral("| ") + parts.join(QStringLiteral(" ")));
    }
    void newPage() override { ops.append(QStringLiteral("page")); }
    void endDocument() override { ops.append(QStringLiteral("end")); }

    QStringList ops;
};

const DeviceReport::Texts English{QStringLiteral("Date:"), QStringLiteral("Object"),
                                  QStringLiteral("Variable"), QStringLiteral("Value"),
                                  QStringLiteral("Configuration Parameters")};

DeviceReport::Data sample()
{
    DeviceReport::Data data{QStringLiteral("ROU_1"),
                            QStringLiteral("04A1B2C3D4E5"),
                            QStringLiteral("9FFF3C0A00060417"),
                            QStringLiteral("F1"),
                            QStringLiteral("09.12.2026"),
                            QStringLiteral("15:30:00"),
                            {},
                            {},
                            {}};
    for (int position = 35; position < 39; ++position)
        data.cps.append({QStringLiteral("o%1").arg(position), QStringLiteral("c%1").arg(position),
                         QStringLiteral("v%1").arg(position), position});
    data.nvis.append({QStringLiteral("oi"), QStringLiteral("nviA"), QStringLiteral("1"), 0});
    data.nvos.append({QStringLiteral("oo"), QStringLiteral("nvoB"), QStringLiteral("2"), 0});
    return data;
}

const QStringList Header = {
    QStringLiteral("size 18"),
    QStringLiteral("bold"),
    QStringLiteral("| "),
    QStringLiteral("| 26:ROU_1"),
    QStringLiteral("| "),
    QStringLiteral("size 12"),
    QStringLiteral("-bold"),
    QStringLiteral("| 8:NeuronID: 24:04A1B2C3D4E5 55:Date: 65:09.12.2026 79:15:30:00"),
    QStringLiteral("| 8:ProgID: 24:9FFF3C0A00060417"),
    QStringLiteral("| 8:Subsystem 24:F1"),
    QStringLiteral("| "),
    QStringLiteral("| "),
    QStringLiteral("bold"),
    QStringLiteral("underline"),
    QStringLiteral("| 8:Object 28:Variable 51:Value"),
    QStringLiteral("| "),
};

QStringList title(const QString& text)
{
    return {QStringLiteral("size 12"), QStringLiteral("| 30:") + text, QStringLiteral("| "),
            QStringLiteral("-bold"), QStringLiteral("-underline")};
}

QStringList row(const QString& owner, const QString& name, const QString& value)
{
    return {QStringLiteral("size 10"), QStringLiteral("| 10:%1 36:%2 66:%3").arg(owner, name, value)};
}

TEST(DeviceReportTest, NothingChosenIsTheHeaderAlone)
{
    RecordingLayout layout;
    DeviceReport(layout, English).print(sample(), {});
    EXPECT_EQ(layout.ops, Header + QStringList{QStringLiteral("end")});
}

TEST(DeviceReportTest, AllSectionsWithThePageBreakBeforePosition37)
{
    RecordingLayout layout;
    DeviceReport(layout, English).print(sample(), {true, true, true});
    const QString cps = QStringLiteral("Configuration Parameters");
    QStringList expected = Header + title(cps) +
                           row(QStringLiteral("o35"), QStringLiteral("c35"), QStringLiteral("v35")) +
                           row(QStringLiteral("o36"), QStringLiteral("c36"), QStringLiteral("v36"));
    expected += QStringList{QStringLiteral("page")} + Header + title(cps);
    expected += row(QStringLiteral("o37"), QStringLiteral("c37"), QStringLiteral("v37")) +
                row(QStringLiteral("o38"), QStringLiteral("c38"), QStringLiteral("v38"));
    expected += QStringList{QStringLiteral("page")} + Header + title(QStringLiteral("nvi's")) +
                row(QStringLiteral("oi"), QStringLiteral("nviA"), QStringLiteral("1"));
    expected += QStringList{QStringLiteral("page")} + Header + title(QStringLiteral("nvo's")) +
                row(QStringLiteral("oo"), QStringLiteral("nvoB"), QStringLiteral("2"));
    expected += QStringLiteral("end");
    EXPECT_EQ(layout.ops, expected);
}

TEST(DeviceReportTest, InputsWithoutCpsFollowOnTheFirstPage)
{
    RecordingLayout layout;
    const DeviceReport::Texts german{QStringLiteral("Datum:"), QStringLiteral("Objekt"),
                                     QStringLiteral("Variable"), QStringLiteral("Wert"),
                                     QStringLiteral("Konfigurationsparameter")};
    DeviceReport(layout, german).print(sample(), {false, true, false});
    EXPECT_FALSE(layout.ops.contains(QStringLiteral("page")));
    EXPECT_EQ(layout.ops.count(QStringLiteral("| 26:ROU_1")), 2);
    EXPECT_TRUE(layout.ops.contains(QStringLiteral("| 8:Objekt 28:Variable 51:Wert")));
    EXPECT_TRUE(layout.ops.contains(
        QStringLiteral("| 8:NeuronID: 24:04A1B2C3D4E5 55:Datum: 65:09.12.2026 79:15:30:00")));
}

} // namespace
