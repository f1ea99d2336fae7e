#include "transfer/DeviceTransfer.h"

#include "device/DeviceStateText.h"
#include "device/FindConfigProperty.h"
#include "device/point_catalogue/PointTables.h"
#include "editors/NumberText.h"
#include "host/Log.h"
#include "host/MessageCatalogue.h"
#include "host/catalogue/TextIds.h"
#include "host/object_server/AppDevice.h"
#include "host/object_server/DeviceInterface.h"
#include "host/object_server/Subsystem.h"
#include "host/object_server/System.h"
#include "transfer/TransferObserver.h"

#include <QRegularExpression>
#include <map>

bool DeviceTransfer::Target::databaseOnly() const
{
    return stateText != device_state::Online;
}

DeviceTransfer::DeviceTransfer(PointTables& points, const MessageCatalogue& catalogue, Log& log,
                               std::shared_ptr<const lns::System> system, StepRunner::Handler decide)
    : m_points(points), m_catalogue(catalogue), m_log(log), m_system(std::move(system)),
      m_steps(
          [this, decide = std::move(decide)](const lns::Error& error) {
              m_log.addError(error.description());
              return decide ? decide(error) : UiServices::Answer::Abort;
          },
          Retries,
          [this](const lns::Error& error) {
              m_log.addError(error.description() + m_catalogue.MainTexts[main_text::Repeating]);
          })
{
}

std::optional<DeviceTransfer::Target>
DeviceTransfer::openTarget(const std::shared_ptr<lns::AppDevice>& device)
{
    return open(device, nullptr);
}

std::optional<DeviceTransfer::Target> DeviceTransfer::openChosen(const lns::DeviceTemplate& deviceTemplate,
                                                                 const SelectedDevice& chosen)
{
    std::shared_ptr<lns::AppDevice> device;
    if (m_steps.run([&] { device = deviceTemplate.devices()->item(chosen.deviceIndex); }) !=
        StepRunner::Outcome::Done)
        return std::nullopt;
    return open(device, &chosen);
}

std::optional<DeviceTransfer::Target> DeviceTransfer::open(const std::shared_ptr<lns::AppDevice>& device,
                                                           const SelectedDevice* chosen)
{
    Target target;
    target.device = device;
    if (!device)
        return std::nullopt;
    std::shared_ptr<lns::DeviceInterface> deviceInterface;
    QString neuronId;
    const auto fetch = [&] {
        target.name = device->name();
        neuronId = device->neuronId();
        const std::shared_ptr<lns::Subsystems> subsystems = device->subsystems();
        target.subsystemName = subsystems->item(1)->name();
        deviceInterface = device->deviceInterface();
        target.nvs = deviceInterface->networkVariables();
    };
    if (m_steps.run(fetch) != StepRunner::Outcome::Done)
        return std::nullopt;
    if (chosen && (chosen->name != target.name || chosen->neuronId != neuronId)) {
        logSkipped(
            target,
            ownText("is no longer the device chosen (the network has changed), skipped",
                    "ist nicht mehr das gewählte Gerät (das Netzwerk hat sich geändert), übersprungen"));
        return std::nullopt;
    }

    // A device that does not answer is asked about once, not for every CP: Ignore skips it.
    const StepRunner::Outcome answer =
        m_steps.run([&] { target.stateText = device_state::query(m_system.get(), *device); });
    if (answer != StepRunner::Outcome::Done) {
        if (answer == StepRunner::Outcome::Ignored)
            logSkipped(target, ownText("skipped", "übersprungen"));
        return std::nullopt;
    }
    return target;
}

DeviceTransfer::Outcome DeviceTransfer::writeNv(const Target& target, int position, const QString& text,
                                                QString& readBack)
{
    const NvEntry& entry = m_points.nvi(position);
    std::shared_ptr<lns::NetworkVariable> variable;
    const StepRunner::Outcome outcome = m_steps.run([&] { variable = target.nvs->item(entry.nvIndex); });
    if (outcome == StepRunner::Outcome::Done &&
        m_steps.run([&] { variable->setHold(false); }) == StepRunner::Outcome::Done &&
        m_steps.run([&] { variable->setValue(text); }) == StepRunner::Outcome::Done &&
        m_steps.run([&] { readBack = variable->value(); }) == StepRunner::Outcome::Done) {
        m_log.addInformation(target.subsystemName + QStringLiteral(" : ") + target.name +
                             QStringLiteral(":  ") + entry.name + QStringLiteral(" = ") + readBack);
        return Outcome::Written;
    }
    if (m_steps.aborted())
        return Outcome::Aborted;
    logSkipped(target, entry.name + this->ownText(" not written", " nicht geschrieben"));
    return Outcome::Skipped;
}

DeviceTransfer::Outcome DeviceTransfer::writeCp(const Target& target, int position, const CpValue& value,
                                                Mode mode, QString& readBack, QStringList* elementsRead)
{
    CpEntry& entry = m_points.cp(position);
    const auto failed = [&](const QString& what) {
        if (m_steps.aborted())
            return Outcome::Aborted;
        logSkipped(target, what + ownText(" not written", " nicht geschrieben"));
        return Outcome::Skipped;
    };
    const auto done = [](StepRunner::Outcome outcome) { return outcome == StepRunner::Outcome::Done; };

    std::function<QString()> read;
    if (entry.transmit) {
        const std::shared_ptr<lns::ConfigProperty> property =
            FindConfigProperty(entry.id, *target.device, target.nvs, m_steps);
        if (!property)
            return failed(entry.name);
        if (value.elements.isEmpty()) {
            if (!done(m_steps.run([&] { property->setValue(value.text); })))
                return failed(entry.name);
        } else {
            for (int element = 0; element < value.elements.size(); ++element) {
                if (!done(m_steps.run([&] { property->setElementValue(element, value.elements[element]); })))
                    return failed(entry.name + ownText(" element ", " Element ") + QString::number(element));
            }
        }
        if (value.timeSet && !writeTimeSet(target, *value.timeSet))
            return Outcome::Aborted;
        read = [property] { return property->value(); };
        if (elementsRead) {
            elementsRead->clear();
            for (int element = 0; element < value.elements.size(); ++element) {
                QString elementText;
                if (!done(m_steps.run([&] { elementText = property->elementValue(element); })))
                    return failed(entry.name + ownText(" element ", " Element ") + QString::number(element));
                elementsRead->append(elementText);
            }
        }
    } else {
        std::shared_ptr<lns::NetworkVariable> variable;
        if (!done(m_steps.run([&] { variable = target.nvs->item(entry.name); })) ||
            !done(m_steps.run([&] { variable->setValue(value.text); })))
            return failed(entry.name);
        read = [variable] { return variable->value(); };
    }
    if (!done(m_steps.run([&] { readBack = read(); })))
        return failed(entry.name);

    logWritten(target, position, mode, readBack);
    return Outcome::Written;
}

bool DeviceTransfer::writeDevice(const Target& target, Mode mode,
                                 const std::function<bool(int position)>& chosen,
                                 const std::function<CpValue(int position)>& valueOf,
                                 TransferObserver& observer)
{
    const int count = m_points.cpCount;
    bool anyWritten = false;
    // Whatever ends the device, the log says where the CPs it took went.
    const auto noteDatabaseOnly = [&] {
        if (anyWritten && target.databaseOnly())
            logSkipped(target, databaseOnlyText(target.stateText, english()));
    };
    for (int position = 0; position < count; ++position) {
        if (!observer.beforeCp(position)) {
            noteDatabaseOnly();
            return false;
        }
        if (mode == Mode::Synchronise) {
            logHeader();
            if (!m_points.cp(position).syncable) {
                m_log.addError(m_points.cp(position).name +
                               m_catalogue.MainTexts[main_text::NotSynchronisable]);
                observer.afterCp(position);
                continue;
            }
        } else if (!chosen(position)) {
            observer.afterCp(position);
            continue;
        } else {
            logHeader();
        }
        QString readBack;
        QStringList elements;
        const Outcome outcome = writeCp(target, position, valueOf(position), mode, readBack,
                                        m_elementReadBack ? &elements : nullptr);
        if (outcome == Outcome::Aborted) {
            noteDatabaseOnly();
            return false;
        }
        if (outcome == Outcome::Written) {
            anyWritten = true;
            if (!elements.isEmpty())
                observer.elementsWritten(position, elements);
            observer.cpWritten(position, readBack);
        }
        observer.afterCp(position);
    }
    noteDatabaseOnly();
    return true;
}

QList<lns::CpSetValue> DeviceTransfer::setOf(const PointTables& points, Mode mode,
                                             const std::function<bool(int position)>& chosen,
                                             const std::function<CpValue(int position)>& valueOf)
{
    QList<lns::CpSetValue> set;
    forEachInSet(points, mode, chosen, [&](int position) {
        const CpValue value = valueOf(position);
        set.append({points.cp(position).id, value.text, value.elements});
    });
    return set;
}

void DeviceTransfer::forEachInSet(const PointTables& points, Mode mode,
                                  const std::function<bool(int position)>& chosen,
                                  const std::function<void(int position)>& visit)
{
    for (int position = 0; position < points.cpCount; ++position)
        if (mode == Mode::Synchronise ? points.cp(position).syncable : chosen(position))
            visit(position);
}

bool DeviceTransfer::writeSet(const Target& target, Mode mode,
                              const std::function<bool(int position)>& chosen,
                              const std::function<CpValue(int position)>& valueOf, TransferObserver& observer)
{
    const int count = m_points.cpCount;
    std::map<int, CpValue> values;
    QList<lns::CpSetValue> set;
    forEachInSet(m_points, mode, chosen, [&](int position) {
        const CpValue& value = values.emplace(position, valueOf(position)).first->second;
        set.append({m_points.cp(position).id, value.text, value.elements});
    });
    if (!observer.beforeCp(values.empty() ? 0 : values.begin()->first))
        return false;
    if (mode == Mode::Synchronise || !values.empty())
        logHeader();

    QList<lns::CpSetValue> readBack;
    const StepRunner::Outcome outcome =
        set.isEmpty() ? StepRunner::Outcome::Done
                      : m_steps.run([&] { readBack = target.device->writeConfigProperties(set); });
    if (outcome == StepRunner::Outcome::Aborted)
        return false;
    // A read-back that does not answer every CP sent proves none of them.
    const bool provenWritten = outcome == StepRunner::Outcome::Done && readBack.size() == set.size();
    bool anyWritten = false;
    // Whatever ends the device, the log says where the CPs it took went.
    const auto noteDatabaseOnly = [&] {
        if (anyWritten && target.databaseOnly())
            logSkipped(target, databaseOnlyText(target.stateText, english()));
    };
    qsizetype next = 0;
    for (int position = 0; position < count; ++position) {
        CpEntry& entry = m_points.cp(position);
        if (mode == Mode::Synchronise && !entry.syncable)
            m_log.addError(entry.name + m_catalogue.MainTexts[main_text::NotSynchronisable]);
        const auto value = values.find(position);
        if (value == values.end()) {
            observer.afterCp(position);
            continue;
        }
        if (!provenWritten) {
            logSkipped(target, entry.name + ownText(" not written", " nicht geschrieben"));
            observer.afterCp(position);
            continue;
        }
        const lns::CpSetValue& read = readBack.at(next++);
        if (value->second.timeSet && !writeTimeSet(target, *value->second.timeSet)) {
            noteDatabaseOnly();
            return false;
        }
        // A property's value is its first element, as a single read gives it.
        const QString text = read.elements.isEmpty() ? read.text : read.elements.first();
        logWritten(target, position, mode, text);
        anyWritten = true;
        if (!value->second.elements.isEmpty())
            observer.elementsWritten(position, read.elements);
        observer.cpWritten(position, text);
        observer.afterCp(position);
    }
    noteDatabaseOnly();
    return true;
}

bool DeviceTransfer::writeTimeSet(const Target& target, const QString& text)
{
    const auto done = [](StepRunner::Outcome outcome) { return outcome == StepRunner::Outcome::Done; };
    const NvEntry& timeSet = m_points.nvi(point_catalogue::nvi::TimeSet);
    std::shared_ptr<lns::NetworkVariable> variable;
    if (done(m_steps.run([&] { variable = target.nvs->item(timeSet.nvIndex); })) &&
        done(m_steps.run([&] { variable->setHold(false); })) &&
        done(m_steps.run([&] { variable->setValue(text); })))
        return true;
    if (m_steps.aborted())
        return false;
    logSkipped(target, timeSet.name + ownText(" not written", " nicht geschrieben"));
    return true;
}

void DeviceTransfer::logWritten(const Target& target, int position, Mode mode, const QString& readBack)
{
    CpEntry& entry = m_points.cp(position);
    const bool current = mode == Mode::CurrentDevice;
    m_log.addInformation(target.subsystemName + QStringLiteral(" : ") + target.name +
                         (current ? QStringLiteral(": ") : QStringLiteral(" :   ")) + entry.name +
                         (current ? QStringLiteral(" = ") : QStringLiteral("  =  ")) + readBack);
    entry.value = readBack;
}

QString DeviceTransfer::backlightElement(const QString& text, const QString& separator)
{
    return number_text::format(backlightNumber(text).value_or(0.0), separator);
}

std::optional<double> DeviceTransfer::backlightNumber(const QString& text)
{
    static const QRegularExpression leadingNumber(QStringLiteral("^\\s*([-+]?\\d+)(?:[.,](\\d+))?"));
    const QRegularExpressionMatch match = leadingNumber.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    const QString whole =
        match.captured(1) + (match.captured(2).isEmpty() ? QString() : QLatin1Char('.') + match.captured(2));
    return whole.toDouble();
}

QString DeviceTransfer::databaseOnlyText(const QString& stateText, bool inEnglish)
{
    const bool notCommissioned = stateText == device_state::NotCommissioned;
    if (inEnglish)
        return QStringLiteral("stored in the database only (device ") +
               (notCommissioned ? QStringLiteral("not commissioned") : stateText) + QLatin1Char(')');
    return QStringLiteral("nur in der Datenbank gespeichert (Gerät ") +
           (notCommissioned ? QStringLiteral("nicht in Betrieb genommen") : stateText) + QLatin1Char(')');
}

void DeviceTransfer::logHeader()
{
    if (m_headerLogged)
        return;
    m_headerLogged = true;
    m_log.addInformation(QString());
    m_log.addInformation(m_catalogue.MainTexts[main_text::WritingParameters]);
    m_log.addInformation(QString());
}

void DeviceTransfer::logSkipped(const Target& target, const QString& what)
{
    m_log.addError(target.subsystemName + QStringLiteral(" : ") + target.name + QStringLiteral(": ") + what);
}

QString DeviceTransfer::ownText(const char* englishText, const char* germanText) const
{
    return QString::fromUtf8(english() ? englishText : germanText);
}

bool DeviceTransfer::english() const
{
    return m_catalogue.currentLanguage() == QLatin1String("english");
}
