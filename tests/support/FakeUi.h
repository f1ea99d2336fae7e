#pragma once

#include "host/UiServices.h"

#include <QList>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <functional>

// The scripted UiServices every test uses. Message boxes are checked against queued expectations:
// a box that does not match the next one (or comes when none is queued) fails the current
// test and is dismissed with Cancel, No or Abort as its buttons allow. Expectations left
// over fail the test at verifyAllShown() or, at the latest, when the fake is destroyed.
class FakeUi final : public UiServices
{
public:
    enum class DialogKind
    {
        Open,
        Save
    };

    struct FileDialogRequest
    {
        DialogKind kind;
        FileDialog dialog;
    };

    struct Document
    {
        QString pathOrUrl;
        bool maximised;
    };

    FakeUi() = default;
    ~FakeUi() override;
    FakeUi(const FakeUi&) = delete;
    FakeUi& operator=(const FakeUi&) = delete;

    // Message boxes.
    void expectMessage(const QString& text, const QString& title, Icon icon, Buttons buttons, Answer answer);
    void verifyAllShown();
    // Accepts every box without checking it and answers `answer` (or, when the box does not
    // offer it, the box's dismissal answer); the boxes are still recorded.
    void setRelaxed(Answer answer);
    void setStrict();
    const QList<Message>& messages() const { return m_messages; }
    const QList<Answer>& answers() const { return m_answers; }

    // File dialogs take their answers from one queue; an empty name is Cancel.
    void queueFileName(const QString& fileName);
    const QList<FileDialogRequest>& fileDialogs() const { return m_fileDialogs; }

    // Printer dialogs all give the same answer (Cancel unless set).
    void setPrinterAnswer(bool accept) { m_printerAnswer = accept; }
    // Sets up the printer an accepted dialog hands back (for example a PDF file).
    void setPrinterSetup(std::function<void(QPrinter&)> setup) { m_printerSetup = std::move(setup); }
    const QStringList& printerDialogs() const { return m_printerDialogs; }

    void setOpenDocumentResult(bool result) { m_openDocumentResult = result; }
    const QList<Document>& documents() const { return m_documents; }

    // Every pointer change in order; pointer() is the last one.
    const QList<Pointer>& pointerChanges() const { return m_pointerChanges; }

    int processEventsCount() const { return m_processEventsCount; }
    // Called after every processEvents() with the running count, so a test can act at an
    // exact event step (for example close a window in the middle of a transfer).
    void setOnProcessEvents(std::function<void(int count)> hook) { m_onProcessEvents = std::move(hook); }

    QWidget* parentWindow() const { return m_parentWindow; }
    // The language set last; empty until one is set.
    const QString& language() const { return m_language; }

    // Plays the UiServices of a run without a person.
    void setAttended(bool attended) { m_attended = attended; }

    static QString iconName(Icon icon);
    static QString buttonsName(Buttons buttons);
    static QString answerName(Answer answer);

    using UiServices::message;
    Answer message(const Message& message) override;
    QString openFileName(const FileDialog& dialog) override;
    QString saveFileName(const FileDialog& dialog) override;
    bool choosePrinter(QPrinter& printer, const QString& title) override;
    bool openDocument(const QString& pathOrUrl, bool maximised) override;
    void setPointer(Pointer pointer) override;
    Pointer pointer() const override { return m_pointer; }
    void processEvents() override;
    void setParentWindow(QWidget* window) override { m_parentWindow = window; }
    bool attended() const override { return m_attended; }
    void setLanguage(const QString& language) override { m_language = language; }

private:
    struct Expectation
    {
        QString text;
        QString title;
        Icon icon;
        Buttons buttons;
        Answer answer;
    };

    QString nextFileName(DialogKind kind, const FileDialog& dialog);

    QList<Expectation> m_expected;
    bool m_relaxed = false;
    Answer m_relaxedAnswer = Answer::Ok;
    QList<Message> m_messages;
    QList<Answer> m_answers;
    QStringList m_fileNames;
    QList<FileDialogRequest> m_fileDialogs;
    bool m_printerAnswer = false;
    std::function<void(QPrinter&)> m_printerSetup;
    QStringList m_printerDialogs;
    bool m_openDocumentResult = true;
    QList<Document> m_documents;
    Pointer m_pointer = Pointer::Default;
    QList<Pointer> m_pointerChanges;
    int m_processEventsCount = 0;
    std::function<void(int)> m_onProcessEvents;
    QPointer<QWidget> m_parentWindow;
    bool m_attended = true;
    QString m_language;
};
