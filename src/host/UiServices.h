#pragma once

#include <QString>
#include <QStringList>

class QWidget;
class QPrinter;

// The platform services the plug-in's procedures use to talk to the user: message boxes,
// file and printer dialogs, opening documents, the mouse pointer and letting events run.
// Production uses the Qt implementation; tests script every answer.
class UiServices
{
public:
    enum class Icon
    {
        None,
        Critical,
        Question,
        Warning,
        Information
    };
    enum class Buttons
    {
        Ok,
        OkCancel,
        AbortRetryIgnore,
        YesNoCancel,
        YesNo,
        RetryCancel
    };
    enum class Answer
    {
        Ok,
        Cancel,
        Abort,
        Retry,
        Ignore,
        Yes,
        No
    };
    enum class Pointer
    {
        Default,
        Hourglass
    };

    struct Message
    {
        QString text;
        QString title;
        Icon icon = Icon::None;
        Buttons buttons = Buttons::Ok;
        // 0-based index of the default button within the button set.
        int defaultButton = 0;
    };

    struct FileDialog
    {
        QString title;
        // Filter in the form "Parameter (*.par)|*.par".
        QString filter;
        QString initialFolder;
        bool confirmOverwrite = false;
        bool mustExist = false;
    };

    virtual ~UiServices() = default;

    virtual Answer message(const Message& message) = 0;
    // Empty when the user cancelled.
    virtual QString openFileName(const FileDialog& dialog) = 0;
    virtual QString saveFileName(const FileDialog& dialog) = 0;
    // Shows the printer dialog; false when the user cancelled.
    virtual bool choosePrinter(QPrinter& printer, const QString& title) = 0;
    // Opens a file or an address with the program the desktop associates with it.
    virtual bool openDocument(const QString& pathOrUrl, bool maximised) = 0;
    virtual void setPointer(Pointer pointer) = 0;
    virtual Pointer pointer() const = 0;
    // Lets pending window messages run (cancelling transfers and monitor events depend on it).
    virtual void processEvents() = 0;
    // The window dialogs are owned by; may be null.
    virtual void setParentWindow(QWidget* window) = 0;
    // False when nobody answers the boxes: their answers are the dismissal's, not a person's
    // choice, and a question about a setting must leave that setting as it is.
    virtual bool attended() const { return true; }
    // The plug-in's language as the registry names it ("german", "english"): the texts the
    // dialogs and box buttons bring themselves follow it.
    virtual void setLanguage(const QString& language) = 0;

    // Convenience for the common forms.
    Answer message(const QString& text, const QString& title = QString(), Icon icon = Icon::None,
                   Buttons buttons = Buttons::Ok, int defaultButton = 0)
    {
        return message(Message{text, title, icon, buttons, defaultButton});
    }
};
