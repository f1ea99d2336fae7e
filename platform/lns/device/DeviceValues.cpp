#include "lns/device/DeviceValues.h"

#include "lns/db/ValueStore.h"

#include <QDateTime>
#include <algorithm>
#include <cmath>
#include <numbers>

namespace lnssim {

namespace {

const QString SpaceTempOutput = QStringLiteral("nvoSpaceTemp");
const QString SetpointOutput = QStringLiteral("nvoSetptEffect");
constexpr double InvalidTemperature = 327.67;
constexpr double LowestTemperature = -273.17;
constexpr double HighestTemperature = 327.66;
constexpr double DriftCentre = 22.0;
constexpr double DriftAmplitude = 0.9;
constexpr double DriftPeriodSeconds = 600.0;

std::optional<double> validTemperature(const QString& stored)
{
    bool ok = false;
    const double value = stored.toDouble(&ok);
    if (!ok || value >= InvalidTemperature - 0.005)
        return std::nullopt;
    return value;
}

QString temperatureText(double value)
{
    return QString::number(
        std::clamp(std::round(value * 100.0) / 100.0, LowestTemperature, HighestTemperature), 'f', 2);
}

// Each device has its own phase so that the units of a network do not move in step.
double driftingTemperature(qint64 deviceId)
{
    const double seconds = static_cast<double>(QDateTime::currentMSecsSinceEpoch()) / 1000.0;
    return DriftCentre + DriftAmplitude * std::sin(2.0 * std::numbers::pi * seconds / DriftPeriodSeconds +
                                                   static_cast<double>(deviceId));
}

} // namespace

QString DeviceValues::nv(const DeviceRecord& device, const InterfaceDefinition& definition,
                         const NvDefinition& nv)
{
    if (isComputed(nv)) {
        if (nv.name == SpaceTempOutput)
            return spaceTemperature(device, definition, nv);
        if (auto setpoint = effectiveSetpoint(device, definition, nv))
            return *setpoint;
    }
    return ValueStore(m_db).nvValue(device.id, nv.index).value_or(nv.defaultValue);
}

void DeviceValues::setNv(qint64 deviceId, const NvDefinition& nv, const QString& stored)
{
    ValueStore(m_db).setNvValue(deviceId, nv.index, stored);
}

QString DeviceValues::cp(qint64 deviceId, const CpDefinition& cp, int element)
{
    return ValueStore(m_db).cpValue(deviceId, cp, element).value_or(cp.defaults.value(element));
}

QList<QStringList> DeviceValues::cps(qint64 deviceId, const std::vector<const CpDefinition*>& cps)
{
    const auto written = ValueStore(m_db).cpValues(deviceId);
    QList<QStringList> values;
    values.reserve(static_cast<qsizetype>(cps.size()));
    for (const CpDefinition* cp : cps) {
        QStringList elements;
        for (int element = 0; element < cp->elements(); ++element) {
            const auto found = written.find(
                {static_cast<int>(cp->ownerKind), cp->ownerIndex, cp->scope, cp->typeIndex, element});
            elements.append(found != written.end() ? found->second : cp->defaults.value(element));
        }
        values.append(elements);
    }
    return values;
}

void DeviceValues::setCp(qint64 deviceId, const CpDefinition& cp, int element, const QString& stored)
{
    ValueStore(m_db).setCpValue(deviceId, cp, element, stored);
}

bool DeviceValues::isComputed(const NvDefinition& nv)
{
    return nv.output && nv.type == ValueType::TempP &&
           (nv.name == SpaceTempOutput || nv.name == SetpointOutput);
}

QString DeviceValues::spaceTemperature(const DeviceRecord& device, const InterfaceDefinition& definition,
                                       const NvDefinition& nv)
{
    const double measured = inputTemperature(device.id, definition, QStringLiteral("nviSpaceTemp"))
                                .value_or(driftingTemperature(device.id));
    const double offset =
        cpTemperature(device.id, definition, nv, QStringLiteral("SCPToffsetTemp")).value_or(0.0);
    return temperatureText(measured + offset);
}

std::optional<QString> DeviceValues::effectiveSetpoint(const DeviceRecord& device,
                                                       const InterfaceDefinition& definition,
                                                       const NvDefinition& nv)
{
    auto setpoint = inputTemperature(device.id, definition, QStringLiteral("nviTempSetpoint"));
    if (!setpoint)
        setpoint = cpTemperature(device.id, definition, nv, QStringLiteral("SCPTsetpoint"));
    if (!setpoint)
        return std::nullopt;
    const double offset =
        inputTemperature(device.id, definition, QStringLiteral("nviSetptOffset")).value_or(0.0);
    return temperatureText(*setpoint + offset);
}

std::optional<double> DeviceValues::inputTemperature(qint64 deviceId, const InterfaceDefinition& definition,
                                                     const QString& nvName)
{
    const NvDefinition* input = definition.findNv(nvName);
    if (!input || input->output || input->type != ValueType::TempP)
        return std::nullopt;
    return validTemperature(ValueStore(m_db).nvValue(deviceId, input->index).value_or(input->defaultValue));
}

std::optional<double> DeviceValues::cpTemperature(qint64 deviceId, const InterfaceDefinition& definition,
                                                  const NvDefinition& owner, const QString& cpName)
{
    const CpDefinition* property = definition.findCp(CpOwnerKind::Nv, owner.index, cpName);
    if (!property || property->type != ValueType::TempP)
        return std::nullopt;
    return validTemperature(cp(deviceId, *property, 0));
}

} // namespace lnssim
