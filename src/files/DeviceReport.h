#pragma once

#include "device/point_catalogue/PointCatalogue.h"
#include "files/ReportLayout.h"

#include <QList>
#include <QString>

// The printed report of a device: a header block with the device's identity and the chosen
// lists of CPs, NV inputs and NV outputs.
class DeviceReport final
{
public:
    struct Row
    {
        QString owner;
        QString name;
        QString value;
        // CP position the row belongs to; the CP list starts a new page at position 37.
        int position = 0;
    };
    struct Texts
    {
        QString date;
        QString object;
        QString variable;
        QString value;
        QString cpTitle;
    };
    struct Data
    {
        QString deviceName;
        QString neuronId;
        QString programId;
        QString subsystem;
        QString date;
        QString time;
        QList<Row> cps;
        QList<Row> nvis;
        QList<Row> nvos;
    };
    struct Choice
    {
        bool cps = false;
        bool nvis = false;
        bool nvos = false;
    };

    // The CPs of the last three switch objects and those after them start a page of their own.
    static constexpr int SecondPagePosition = point_catalogue::cp::ofSwitch(5, point_catalogue::cp::MaxOut);

    DeviceReport(ReportLayout& layout, const Texts& texts);

    void print(const Data& data, const Choice& choice);

private:
    void header(const Data& data);
    void sectionTitle(const QString& title);
    void row(const Row& entry);

    ReportLayout& m_layout;
    Texts m_texts;
};
