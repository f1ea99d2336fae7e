#include "support/FakeUi.h"

#include "host/UiButtons.h"

#include <QCoreApplication>
#include <gtest/gtest.h>

namespace {

std::string describe(const QString& text, const QString& title, UiServices::Icon icon,
                     UiServices::Buttons buttons)
{
    return QStringLiteral("text \"%1\", title \"%2\", icon %3, buttons %4")
        .arg(text, title, FakeUi::iconName(icon), FakeUi::buttonsName(buttons))
        .toStdString();
}

} // namespace

FakeUi::~FakeUi()
{
    verifyAllShown();
}

void FakeUi::expectMessage(const QString& text, const QString& title, Icon icon, Buttons buttons,
                           Answer answer)
{
    if (!ui_buttons::offered(buttons).contains(answer))
        ADD_FAILURE() << "FakeUi: the scripted answer " << answerName(answer).toStdString()
                      << " is not offered by the buttons " << buttonsName(buttons).toStdString();
    m_expected.append(Expectation{text, title, icon, buttons, answer});
}

void FakeUi::verifyAllShown()
{
    for (const Expectation& expected : std::as_const(m_expected))
        ADD_FAILURE() << "FakeUi: expected message box was not shown: "
                      << describe(expected.text, expected.title, expected.icon, expected.buttons);
    m_expected.clear();
}

void FakeUi::setRelaxed(Answer answer)
{
    m_relaxed = true;
    m_relaxedAnswer = answer;
}

void FakeUi::setStrict()
{
    m_relaxed = false;
}

UiServices::Answer FakeUi::message(const Message& message)
{
    m_messages.append(message);
    Answer answer = ui_buttons::dismissed(message.buttons);
    if (m_relaxed) {
        if (ui_buttons::offered(message.buttons).contains(m_relaxedAnswer))
            answer = m_relaxedAnswer;
    } else if (m_expected.isEmpty()) {
        ADD_FAILURE() << "FakeUi: unexpected message box: "
                      << describe(message.text, message.title, message.icon, message.buttons);
    } else {
        const Expectation expected = m_expected.takeFirst();
        if (expected.text == message.text && expected.title == message.title &&
            expected.icon == message.icon && expected.buttons == message.buttons) {
            answer = expected.answer;
        } else {
            ADD_FAILURE() << "FakeUi: message box differs from the expected one.\n  actual:   "
                          << describe(message.text, message.title, message.icon, message.buttons)
                          << "\n  expected: "
                          << describe(expected.text, expected.title, expected.icon, expected.buttons);
        }
    }
    m_answers.append(answer);
    return answer;
}

void FakeUi::queueFileName(const QString& fileName)
{
    m_fileNames.append(fileName);
}

QString FakeUi::nextFileName(DialogKind kind, const FileDialog& dialog)
{
    m_fileDialogs.append(FileDialogRequest{kind, dialog});
    if (!m_fileNames.isEmpty())
        return m_fileNames.takeFirst();
    if (!m_relaxed)
        ADD_FAILURE() << "FakeUi: unexpected file dialog \"" << dialog.title.toStdString() << "\"";
    return {};
}

QString FakeUi::openFileName(const FileDialog& dialog)
{
    return nextFileName(DialogKind::Open, dialog);
}

QString FakeUi::saveFileName(const FileDialog& dialog)
{
    return nextFileName(DialogKind::Save, dialog);
}

bool FakeUi::choosePrinter(QPrinter& printer, const QString& title)
{
    m_printerDialogs.append(title);
    if (m_printerAnswer && m_printerSetup)
        m_printerSetup(printer);
    return m_printerAnswer;
}

bool FakeUi::openDocument(const QString& pathOrUrl, bool maximised)
{
    m_documents.append(Document{pathOrUrl, maximised});
    return m_openDocumentResult;
}

void FakeUi::setPointer(Pointer pointer)
{
    m_pointer = pointer;
    m_pointerChanges.append(pointer);
}

void FakeUi::processEvents()
{
    QCoreApplication::processEvents();
    ++m_processEventsCount;
    if (m_onProcessEvents)
        m_onProcessEvents(m_processEventsCount);
}

QString FakeUi::iconName(Icon icon)
{
    switch (icon) {
    case Icon::None:
        return QStringLiteral("None");
    case Icon::Critical:
        return QStringLiteral("Critical");
    case Icon::Question:
        return QStringLiteral("Question");
    case Icon::Warning:
        return QStringLiteral("Warning");
    case Icon::Information:
        return QStringLiteral("Information");
    }
    return QStringLiteral("?");
}

QString FakeUi::buttonsName(Buttons buttons)
{
    switch (buttons) {
    case Buttons::Ok:
        return QStringLiteral("Ok");
    case Buttons::OkCancel:
        return QStringLiteral("OkCancel");
    case Buttons::AbortRetryIgnore:
        return QStringLiteral("AbortRetryIgnore");
    case Buttons::YesNoCancel:
        return QStringLiteral("YesNoCancel");
    case Buttons::YesNo:
        return QStringLiteral("YesNo");
    case Buttons::RetryCancel:
        return QStringLiteral("RetryCancel");
    }
    return QStringLiteral("?");
}

QString FakeUi::answerName(Answer answer)
{
    switch (answer) {
    case Answer::Ok:
        return QStringLiteral("Ok");
    case Answer::Cancel:
        return QStringLiteral("Cancel");
    case Answer::Abort:
        return QStringLiteral("Abort");
    case Answer::Retry:
        return QStringLiteral("Retry");
    case Answer::Ignore:
        return QStringLiteral("Ignore");
    case Answer::Yes:
        return QStringLiteral("Yes");
    case Answer::No:
        return QStringLiteral("No");
    }
    return QStringLiteral("?");
}
