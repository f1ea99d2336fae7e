#pragma once

#include <QCursor>
#include <QDialog>
#include <optional>

class UiServices;

// The about box: product, version, the maker and its links, opened through the UiServices service.
class fAbout final : public QDialog
{
    Q_OBJECT

public:
    static const QString EmailAddress;
    static const QString WebAddress;
    // The hand cursor over the links, beside the program.
    static const QString HandCursorFile;

    // cursorFile: the hand cursor's picture; the links keep their own cursor when it cannot be loaded.
    fAbout(UiServices& ui, bool english, QWidget* parent, const QString& cursorFile);

    void lblemail_Click();
    void lblHyperlink_Click();

    // The cursor of a Windows cursor file with its hot spot; nothing when the file is no such picture.
    static std::optional<QCursor> loadCursor(const QString& path);

private:
    UiServices& m_ui;
};
