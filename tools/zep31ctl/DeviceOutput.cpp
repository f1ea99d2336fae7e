#include "DeviceOutput.h"

#include "UsageError.h"
#include "device/point_catalogue/PointTables.h"
#include "files/Csv.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>
#include <algorithm>

namespace {

void addNvs(QList<DeviceOutput::Row>& rows, const QString& kind, int count,
            const std::function<const NvEntry&(int)>& entry)
{
    for (int position = 0; position < count; ++position) {
        const NvEntry& nv = entry(position);
        rows.append({kind, position, nv.owner, nv.name, -1, nv.value});
    }
}

} // namespace

DeviceOutput::Format DeviceOutput::format(const QString& name)
{
    if (name == QLatin1String("text"))
        return Format::Text;
    if (name == QLatin1String("json"))
        return Format::Json;
    if (name == QLatin1String("csv"))
        return Format::Csv;
    throw UsageError(QStringLiteral("The format \"%1\" is none of text, json and csv").arg(name));
}

QList<DeviceOutput::Row> DeviceOutput::rows(const PointTables& points, const ParameterSet& set)
{
    QList<Row> rows;
    for (int position = 0; position < std::min<int>(points.cpCount, ParameterSet::Positions); ++position) {
        const CpEntry& cp = points.cp(position);
        rows.append({QStringLiteral("CP"), position, cp.owner, cp.name, -1,
                     set.values.at(static_cast<std::size_t>(position)).value_or(QString())});
        const std::span<const ParameterSet::Value> elements = set.elements(position);
        for (std::size_t element = 0; element < elements.size(); ++element)
            rows.append({QStringLiteral("CP"), position, cp.owner, cp.name, static_cast<int>(element),
                         elements[element].value_or(QString())});
    }
    addNvs(rows, QStringLiteral("NVI"), points.nviCount,
           [&points](int position) -> const NvEntry& { return points.nvi(position); });
    addNvs(rows, QStringLiteral("NVO"), points.nvoCount,
           [&points](int position) -> const NvEntry& { return points.nvo(position); });
    return rows;
}

void DeviceOutput::write(QTextStream& out, Format format, const Identity& identity, const QList<Row>& rows)
{
    switch (format) {
    case Format::Text: {
        out << identity.subsystem << '/' << identity.name << "  Neuron ID " << identity.neuronId
            << "  program ID " << identity.programId << "  state " << identity.state << '\n';
        QList<QStringList> table;
        for (const Row& row : rows)
            table.append({row.kind, QString::number(row.position), row.owner,
                          row.element < 0 ? row.name : row.name + QStringLiteral("[%1]").arg(row.element),
                          row.value});
        writeTable(out, table);
        break;
    }
    case Format::Json: {
        QJsonArray points;
        for (const Row& row : rows) {
            QJsonObject point{{QStringLiteral("kind"), row.kind},
                              {QStringLiteral("position"), row.position},
                              {QStringLiteral("owner"), row.owner},
                              {QStringLiteral("name"), row.name},
                              {QStringLiteral("value"), row.value}};
            if (row.element >= 0)
                point.insert(QStringLiteral("element"), row.element);
            points.append(point);
        }
        const QJsonObject document{{QStringLiteral("device"), identity.name},
                                   {QStringLiteral("subsystem"), identity.subsystem},
                                   {QStringLiteral("neuronId"), identity.neuronId},
                                   {QStringLiteral("programId"), identity.programId},
                                   {QStringLiteral("state"), identity.state},
                                   {QStringLiteral("points"), points}};
        out << QJsonDocument(document).toJson(QJsonDocument::Indented);
        break;
    }
    case Format::Csv:
        out << csv::line({QStringLiteral("kind"), QStringLiteral("position"), QStringLiteral("owner"),
                          QStringLiteral("name"), QStringLiteral("element"), QStringLiteral("value")})
            << '\n';
        for (const Row& row : rows)
            out << csv::line({row.kind, QString::number(row.position), row.owner, row.name,
                              row.element < 0 ? QString() : QString::number(row.element), row.value})
                << '\n';
        break;
    }
}

QString DeviceOutput::cpName(const PointTables& points, int position)
{
    const CpEntry& cp = points.cp(position);
    return cp.owner + QLatin1Char('/') + cp.name;
}

void DeviceOutput::writeTable(QTextStream& out, const QList<QStringList>& table)
{
    QList<qsizetype> widths;
    for (const QStringList& line : table)
        for (qsizetype column = 0; column < line.size(); ++column) {
            if (widths.size() <= column)
                widths.append(0);
            widths[column] = std::max(widths[column], line[column].size());
        }
    for (const QStringList& line : table) {
        QString text;
        for (qsizetype column = 0; column < line.size(); ++column)
            text += column + 1 < line.size() ? line[column].leftJustified(widths[column] + 2) : line[column];
        out << text << '\n';
    }
}

void DeviceOutput::writeDevices(QTextStream& out, Format format, const QString& network,
                                const QList<Identity>& devices)
{
    switch (format) {
    case Format::Text: {
        QList<QStringList> table{{QStringLiteral("DEVICE"), QStringLiteral("STATE"),
                                  QStringLiteral("PROGRAM ID"), QStringLiteral("NEURON ID")}};
        for (const Identity& device : devices)
            table.append({device.subsystem + QLatin1Char('/') + device.name, device.state, device.programId,
                          device.neuronId});
        writeTable(out, table);
        break;
    }
    case Format::Json: {
        QJsonArray list;
        for (const Identity& device : devices)
            list.append(QJsonObject{{QStringLiteral("subsystem"), device.subsystem},
                                    {QStringLiteral("device"), device.name},
                                    {QStringLiteral("state"), device.state},
                                    {QStringLiteral("programId"), device.programId},
                                    {QStringLiteral("neuronId"), device.neuronId}});
        out << QJsonDocument(
                   QJsonObject{{QStringLiteral("network"), network}, {QStringLiteral("devices"), list}})
                   .toJson(QJsonDocument::Indented);
        break;
    }
    case Format::Csv:
        out << csv::line({QStringLiteral("subsystem"), QStringLiteral("device"), QStringLiteral("state"),
                          QStringLiteral("program_id"), QStringLiteral("neuron_id")})
            << '\n';
        for (const Identity& device : devices)
            out << csv::line({device.subsystem, device.name, device.state, device.programId, device.neuronId})
                << '\n';
        break;
    }
}

void DeviceOutput::writeDifferences(QTextStream& out, Format format, const QString& left,
                                    const QString& right, const QList<Difference>& differences)
{
    switch (format) {
    case Format::Text: {
        if (differences.isEmpty()) {
            out << "No CP differs.\n";
            break;
        }
        QList<QStringList> table{{QStringLiteral("CP"), left, right}};
        for (const Difference& difference : differences)
            table.append({difference.cp, difference.left, difference.right});
        writeTable(out, table);
        break;
    }
    case Format::Json: {
        QJsonArray list;
        for (const Difference& difference : differences)
            list.append(QJsonObject{{QStringLiteral("cp"), difference.cp},
                                    {QStringLiteral("position"), difference.position},
                                    {QStringLiteral("left"), difference.left},
                                    {QStringLiteral("right"), difference.right}});
        out << QJsonDocument(QJsonObject{{QStringLiteral("left"), left},
                                         {QStringLiteral("right"), right},
                                         {QStringLiteral("differences"), list}})
                   .toJson(QJsonDocument::Indented);
        break;
    }
    case Format::Csv:
        out << csv::line({QStringLiteral("cp"), QStringLiteral("position"), QStringLiteral("left"),
                          QStringLiteral("right")})
            << '\n';
        for (const Difference& difference : differences)
            out << csv::line({difference.cp, QString::number(difference.position), difference.left,
                              difference.right})
                << '\n';
        break;
    }
}
