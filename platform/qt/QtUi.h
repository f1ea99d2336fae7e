#pragma once

#include "host/UiServices.h"

#include <QPointer>
#include <QUrl>
#include <QWidget>
#include <memory>

class QDialog;
class QTranslator;

// The UiServices service on the desktop: Qt message boxes and dialogs owned by the plug-in's window,
// documents opened with the desktop's associated program (never through a shell), the busy
// pointer as an application override cursor. Qt's own dialogs speak the plug-in's language.
class QtUi final : public UiServices
{
public:
    QtUi();
    ~QtUi() override;
    QtUi(const QtUi&) = delete;
    QtUi& operator=(const QtUi&) = delete;

    using UiServices::message;
    Answer message(const Message& message) override;
    QString openFileName(const FileDialog& dialog) override;
    QString saveFileName(const FileDialog& dialog) override;
    bool choosePrinter(QPrinter& printer, const QString& title) override;
    bool openDocument(const QString& pathOrUrl, bool maximised) override;
    void setPointer(Pointer pointer) override;
    Pointer pointer() const override { return m_pointer; }
    void processEvents() override;
    void setParentWindow(QWidget* window) override { m_parent = window; }
    // German installs Qt's German translations (qtbase_de.qm) into the application; any other
    // language removes them again, leaving Qt's own English.
    void setLanguage(const QString& language) override;

    // "Name (*.x)|*.x|Other (*.y;*.z)|*.y;*.z" in Qt's form "Name (*.x);;Other (*.y *.z)".
    static QString toQtFilter(const QString& filter);
    // The suffix a save dialog adds to a bare name: "x" for a first pattern "*.x", else empty.
    static QString defaultSuffix(const QString& filter);
    // What openDocument hands to the desktop: web and mail addresses as they are, anything
    // else as a local file, its "\" separators turned into "/".
    static QUrl documentUrl(const QString& pathOrUrl);

private:
    QString runFileDialog(const FileDialog& dialog, bool save);
    int execDialog(QDialog& dialog);

    QPointer<QWidget> m_parent;
    // Hourglass means this object holds one override cursor.
    Pointer m_pointer = Pointer::Default;
    // Installed in the application while the language is German.
    std::unique_ptr<QTranslator> m_qtTranslations;
};
