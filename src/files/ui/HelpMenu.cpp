#include "files/ui/HelpMenu.h"

#include "device/FrameworkSettings.h"
#include "files/ui/fAbout.h"
#include "host/AppContext.h"
#include "host/InstalledFiles.h"
#include "host/Log.h"
#include "host/MessageCatalogue.h"
#include "host/UiServices.h"
#include "ui/MainControls.h"

HelpMenu::HelpMenu(AppContext& context, MainControls& controls, QObject* parent)
    : QObject(parent), m_context(context), m_controls(controls)
{
}

QString HelpMenu::installedFile(const QString& folder, const QString& relativePath)
{
    QString path = folder + relativePath;
    return path.replace(QLatin1Char('\\'), QLatin1Char('/'));
}

void HelpMenu::open(const QString& relativePath, bool maximised)
{
    if (!m_context.ui.openDocument(installedFile(installed_files::documentFolder(), relativePath), maximised))
        m_controls.echLog->addError(
            QStringLiteral("Error: loading Description        (mnuBeschreibung_Click(fMain))"));
}

void HelpMenu::mnuBeschreibung_Click()
{
    open(m_context.settings.docFile, true);
}

void HelpMenu::mnuReadme_Click()
{
    open(m_context.settings.readmeFile, false);
}

void HelpMenu::mnuAbout_Click()
{
    if (!m_about)
        m_about = new fAbout(m_context.ui, m_context.catalogue.currentLanguage() == QStringLiteral("english"),
                             m_controls.fMain,
                             installedFile(installed_files::dataFolder(), fAbout::HandCursorFile));
    m_about->show();
    m_about->raise();
    m_about->activateWindow();
}
