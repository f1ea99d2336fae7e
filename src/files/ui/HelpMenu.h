#pragma once

#include <QObject>
#include <QPointer>

class fAbout;
struct AppContext;
struct MainControls;

// The Help menu: the device description and the readme in the user's language, opened with
// the desktop's program for them, and the about box.
class HelpMenu final : public QObject
{
    Q_OBJECT

public:
    HelpMenu(AppContext& context, MainControls& controls, QObject* parent);

    void mnuBeschreibung_Click();
    void mnuReadme_Click();
    // Shows the one about box, or brings it to the front when it is open already.
    void mnuAbout_Click();

    // An installed folder + a stored relative path, with "\" turned to "/" for opening.
    static QString installedFile(const QString& folder, const QString& relativePath);

private:
    void open(const QString& relativePath, bool maximised);

    AppContext& m_context;
    MainControls& m_controls;
    QPointer<fAbout> m_about;
};
