#include "device/ui/FrameworkUpdater.h"

#include "device/FrameworkSettings.h"
#include "device/ui/MainControls.h"
#include "device/ui/StatusPanels.h"
#include "host/AppContext.h"
#include "host/BestEffort.h"
#include "host/CRegistry.h"
#include "host/MessageCatalogue.h"
#include "host/catalogue/TextIds.h"
#include "host/object_server/Error.h"

#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextEdit>
#include <algorithm>
#include <stdexcept>

namespace {

// The help texts are formatted within these bounds, the caret set where the description starts.
constexpr int FormatEnd = 10000;
constexpr int FunctionSearchEnd = 1000;
constexpr int CaretPosition = 130;

void select(QTextCursor& cursor, int from, int to, int length)
{
    cursor.setPosition(std::clamp(from, 0, length));
    cursor.setPosition(std::clamp(to, 0, length), QTextCursor::KeepAnchor);
}

QTextCharFormat emphasis(bool on)
{
    QTextCharFormat format;
    format.setFontWeight(on ? QFont::Bold : QFont::Normal);
    format.setFontUnderline(on);
    return format;
}

} // namespace

FrameworkUpdater::FrameworkUpdater(AppContext& context, MainControls& controls, EditorState& state)
    : m_context(context), m_controls(controls),
      m_loader(controls, state, context.points, context.settings, context.catalogue)
{
}

void FrameworkUpdater::UpdateFramework(const QString& programId, qint16 variantSelector, bool loadEditors,
                                       bool, const QString& pointKind, qint16 pointIndex)
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
    showHelp(m_controls.RTHinweis, text, header, texts.MainTexts[main_text::FunctionHeader]);
}

void FrameworkUpdater::showHelp(QTextEdit* box, const QString& text, const QString& header,
                                const QString& functionHeading)
{
    // The catalogue's line breaks are CR LF; the box wants one paragraph break each.
    QString plain = text;
    plain.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    plain.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    box->setPlainText(plain);

    const QString shown = box->toPlainText();
    const int length = static_cast<int>(shown.size());
    QTextCursor cursor(box->document());
    select(cursor, 0, FormatEnd, length);
    cursor.mergeCharFormat(emphasis(false));
    if (!header.isEmpty()) {
        select(cursor, 0, static_cast<int>(header.size()), length);
        cursor.mergeCharFormat(emphasis(true));
    }
    if (!functionHeading.isEmpty()) {
        const int found = static_cast<int>(shown.left(FunctionSearchEnd).indexOf(functionHeading));
        if (found >= 0) {
            select(cursor, found, found + static_cast<int>(functionHeading.size()), length);
            cursor.mergeCharFormat(emphasis(true));
        }
    }
    cursor.setPosition(std::min(CaretPosition, length));
    box->setTextCursor(cursor);
}
