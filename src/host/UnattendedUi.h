#pragma once

#include "host/UiServices.h"

#include <QTextStream>

// The UiServices of an unattended run (scripted installations, machines without a display): every
// message box is written to the standard error stream and answered as if closed without a
// choice (Cancel, No or Abort; OK where that is all); file and printer dialogs are cancelled and no document
// is opened.
class UnattendedUi final : public UiServices
{
public:
    // The environment variable that asks for an unattended run when set to "1".
    static constexpr const char* EnvironmentVariable = "ZEP31_UNATTENDED";
    // Asked for, or nobody could see a box: no X11 or Wayland display, or Qt told to draw
    // off screen.
    static bool requested();
    static bool displayMissing();

    UnattendedUi();
    UnattendedUi(const UnattendedUi&) = delete;
    UnattendedUi& operator=(const UnattendedUi&) = delete;

    using UiServices::message;
    Answer message(const Message& message) override;
    QString openFileName(const FileDialog& dialog) override;
    QString saveFileName(const FileDialog& dialog) override;
    bool choosePrinter(QPrinter& printer, const QString& title) override;
    bool openDocument(const QString& pathOrUrl, bool maximised) override;
    void setPointer(Pointer pointer) override { m_pointer = pointer; }
    Pointer pointer() const override { return m_pointer; }
    void processEvents() override;
    void setParentWindow(QWidget*) override {}
    bool attended() const override { return false; }
    // Nobody sees a dialog; the boxes written to stderr name their buttons in English.
    void setLanguage(const QString&) override {}

private:
    QTextStream m_log;
    Pointer m_pointer = Pointer::Default;
};
