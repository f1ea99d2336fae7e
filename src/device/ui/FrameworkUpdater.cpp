#include "device/ui/FrameworkUpdater.h"

#include "device/FrameworkSettings.h"
#include "host/AppContext.h"
#include "host/BestEffort.h"
#include "host/CRegistry.h"
#include "host/MessageCatalogue.h"
#include "host/catalogue/TextIds.h"
#include "host/object_server/Error.h"
#include "ui/HelpBox.h"
#include "ui/MainControls.h"
#include "ui/StatusPanels.h"

#include <stdexcept>

FrameworkUpdater::FrameworkUpdater(AppContext& context, MainControls& controls, EditorState& state)
    : m_context(context), m_controls(controls),
      m_loader(controls, state, context.points, context.settings, context.catalogue)
{
}

void FrameworkUpdater::UpdateFramework(const QString& programId, qint16 variantSelector, bool loadEditors,
                                       const QString& pointKind, qint16 pointIndex)
{
    FrameworkSettings& settings = m_context.settings;
    settings.refreshIfStale(CRegistry(m_context.registry));
    settings.selectVariant(variantSelector);
    if (!settings.applyProgramId(programId))
        return;
    // Loading is one step of the routine; the help follows even when it fails.
    if (loadEditors)
        bestEffort([this] { m_loader.load(m_controls.PlugInStatus->online()); });
    if (!pointKind.isEmpty())
        showPointHelp(pointKind, pointIndex);
}

void FrameworkUpdater::showPointHelp(const QString& pointKind, qint16 pointIndex)
{
    const MessageCatalogue& texts = m_context.catalogue;
    QString header;
    QString text;
    try {
        if (pointKind == QLatin1String("Nvi")) {
            header = texts.MainTexts[main_text::SnvtTypeHeader];
            text = texts.NviHelp[pointIndex];
        } else if (pointKind == QLatin1String("Nci")) {
            header = texts.MainTexts[main_text::ScptTypeHeader];
            text = texts.CpHelp[pointIndex];
        } else if (pointKind == QLatin1String("Nvo")) {
            header = texts.MainTexts[main_text::SnvtTypeHeader];
            text = texts.NvoHelp[pointIndex];
        }
    } catch (const std::out_of_range&) {
        // A position beyond the help table leaves the box as it was.
        return;
    }
    help_box::show(m_controls.RTHinweis, text, header, texts.MainTexts[main_text::FunctionHeader]);
}
