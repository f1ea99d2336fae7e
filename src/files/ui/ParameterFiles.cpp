#include "files/ui/ParameterFiles.h"

#include "device/DeviceSession.h"
#include "device/FindConfigProperty.h"
#include "device/FrameworkSettings.h"
#include "device/point_catalogue/PointTables.h"
#include "files/ParameterFile.h"
#include "host/AppContext.h"
#include "host/MessageCatalogue.h"
#include "host/RegistryKeys.h"
#include "host/UiServices.h"
#include "host/object_server/Error.h"
#include "ui/MainControls.h"

#include <QLineEdit>
#include <algorithm>

namespace {

UiServices::FileDialog fileDialog(const QString& title, const QString& lonWorksPath)
{
    UiServices::FileDialog dialog;
    dialog.title = title;
    dialog.filter = QStringLiteral("Parameter (*.par)|*.par");
    // The folder is kept in its stored form; only the dialog needs it with "/".
    QString folder = lonWorksPath + QStringLiteral("\\PlugIns\\Korvandel\\zep31");
    dialog.initialFolder = folder.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return dialog;
}

ParameterSet::Value valueOf(const QString& text)
{
    return text.isNull() ? ParameterSet::Value() : ParameterSet::Value(text);
}

} // namespace

ParameterFiles::ParameterFiles(AppContext& context, MainControls& controls, DeviceSession& session,
                               QObject* parent)
    : QObject(parent), m_context(context), m_controls(controls), m_session(session)
{
}

void ParameterFiles::mnuParameter_speichern_Click()
{
    UiServices& ui = m_context.ui;
    UiServices::FileDialog dialog =
        fileDialog(m_context.catalogue.MainTexts[27], m_context.settings.lonWorksPath);
    dialog.confirmOverwrite = true;
    const QString path = ui.saveFileName(dialog);
    if (path.isEmpty())
        return;

    ParameterSet set;
    ui.setPointer(UiServices::Pointer::Hourglass);
    const bool collected = collect(set);
    ui.setPointer(UiServices::Pointer::Default);
    if (!collected)
        return;
    if (const Expected<void> saved = ParameterFile::write(path, set); !saved)
        ui.message(saved.error(), registry_keys::ProductKey, UiServices::Icon::Critical);
}

bool ParameterFiles::collect(ParameterSet& set)
{
    const PointTables& points = m_context.points;
    UiServices& ui = m_context.ui;
    for (int position = 0; position < std::min<int>(points.cpCount, ParameterSet::Positions); ++position) {
        const CpEntry& entry = points.cp(position);
        set.values.at(position) = valueOf(entry.value);
        const std::span<ParameterSet::Value> elements = set.elements(position);
        if (elements.empty())
            continue;
        if (!m_session.currentDevice)
            return false;
        // FindConfigProperty has asked the user already when it gives nothing.
        const std::shared_ptr<lns::ConfigProperty> property =
            FindConfigProperty(entry.id, *m_session.currentDevice, m_session.nvCollection, ui);
        if (!property)
            return false;
        try {
            for (std::size_t element = 0; element < elements.size(); ++element)
                elements[element] = valueOf(property->elementValue(static_cast<int>(element)));
        } catch (const lns::Error& error) {
            ui.message(QStringLiteral("The parameters were not saved: ") + error.description(),
                       registry_keys::ProductKey, UiServices::Icon::Critical);
            return false;
        }
    }
    return true;
}

void ParameterFiles::mnuParameter_laden_Click()
{
    UiServices& ui = m_context.ui;
    UiServices::FileDialog dialog =
        fileDialog(m_context.catalogue.MainTexts[26], m_context.settings.lonWorksPath);
    dialog.mustExist = true;
    const QString path = ui.openFileName(dialog);
    if (path.isEmpty())
        return;
    const Expected<ParameterSet> decoded = ParameterFile::read(path, m_context.settings.decimalSeparator);
    if (!decoded) {
        ui.message(decoded.error(), registry_keys::ProductKey, UiServices::Icon::Critical);
        return;
    }
    load(*decoded);
}

void ParameterFiles::load(const ParameterSet& set)
{
    const QString& separator = m_context.settings.decimalSeparator;
    const bool foreign = set.isForeign(separator);
    const auto setText = [](QLineEdit* box, const ParameterSet::Value& value) {
        // An empty record leaves its field as it is.
        if (value)
            box->setText(*value);
    };
    // The own box goes through "" so that its change handling runs even for an equal value.
    const auto setArray = [&](int position, std::span<const ParameterSet::Value> elements) {
        if (!elements.front())
            return;
        if (foreign)
            m_controls.txtNci(position)->setText(QString());
        for (int element = 0; element < static_cast<int>(elements.size()); ++element)
            setText(m_controls.elementBox(position, element), elements[static_cast<std::size_t>(element)]);
        m_controls.txtNci(position)->setText(QString());
        m_controls.txtNci(position)->setText(*elements.front());
    };

    for (int position = 0; position < std::min<int>(m_context.points.cpCount, ParameterSet::Positions);
         ++position) {
        if (!set.elements(position).empty())
            setArray(position, set.elements(position));
        else if (set.values.at(position))
            m_controls.txtNci(position)->setText(set.loadedText(position, foreign, separator));
    }
}
