#include "qt/QtUi.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QMessageBox>
#include <QPrintDialog>
#include <QRegularExpression>
#include <QTranslator>
#include <utility>

namespace {

struct ButtonAnswer
{
    QMessageBox::StandardButton button;
    UiServices::Answer answer;
};

// The buttons of each set in the order the default-button index counts them.
QList<ButtonAnswer> buttonSet(UiServices::Buttons buttons)
{
    using B = QMessageBox::StandardButton;
    using A = UiServices::Answer;
    switch (buttons) {
    case UiServices::Buttons::Ok:
        return {{B::Ok, A::Ok}};
    case UiServices::Buttons::OkCancel:
        return {{B::Ok, A::Ok}, {B::Cancel, A::Cancel}};
    case UiServices::Buttons::AbortRetryIgnore:
        return {{B::Abort, A::Abort}, {B::Retry, A::Retry}, {B::Ignore, A::Ignore}};
    case UiServices::Buttons::YesNoCancel:
        return {{B::Yes, A::Yes}, {B::No, A::No}, {B::Cancel, A::Cancel}};
    case UiServices::Buttons::YesNo:
        return {{B::Yes, A::Yes}, {B::No, A::No}};
    case UiServices::Buttons::RetryCancel:
        return {{B::Retry, A::Retry}, {B::Cancel, A::Cancel}};
    }
    return {{B::Ok, A::Ok}};
}

// The answer of a box closed without a choice.
UiServices::Answer dismissAnswer(const QList<ButtonAnswer>& set)
{
    for (UiServices::Answer answer :
         {UiServices::Answer::Cancel, UiServices::Answer::No, UiServices::Answer::Abort})
        for (const ButtonAnswer& entry : set)
            if (entry.answer == answer)
                return answer;
    return set.first().answer;
}

QMessageBox::Icon boxIcon(UiServices::Icon icon)
{
    switch (icon) {
    case UiServices::Icon::None:
        return QMessageBox::NoIcon;
    case UiServices::Icon::Critical:
        return QMessageBox::Critical;
    case UiServices::Icon::Question:
        return QMessageBox::Question;
    case UiServices::Icon::Warning:
        return QMessageBox::Warning;
    case UiServices::Icon::Information:
        return QMessageBox::Information;
    }
    return QMessageBox::NoIcon;
}

// Patterns are separated by ";" in the stored filters and by blanks in Qt's.
QStringList patternsOf(const QString& patterns)
{
    static const QRegularExpression separators(QStringLiteral("[;\\s]+"));
    return patterns.split(separators, Qt::SkipEmptyParts);
}

} // namespace

QtUi::QtUi() = default;

QtUi::~QtUi()
{
    setPointer(Pointer::Default);
}

UiServices::Answer QtUi::message(const Message& message)
{
    QMessageBox box(m_parent);
    box.setWindowTitle(message.title);
    // Texts carry device and file names; they are never markup.
    box.setTextFormat(Qt::PlainText);
    QString text = message.text;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    box.setText(text);
    box.setIcon(boxIcon(message.icon));

    const QList<ButtonAnswer> set = buttonSet(message.buttons);
    for (const ButtonAnswer& entry : set)
        box.addButton(entry.button);
    const int defaultIndex =
        message.defaultButton >= 0 && message.defaultButton < set.size() ? message.defaultButton : 0;
    box.setDefaultButton(set.at(defaultIndex).button);

    execDialog(box);
    const QMessageBox::StandardButton clicked = box.standardButton(box.clickedButton());
    for (const ButtonAnswer& entry : set)
        if (entry.button == clicked)
            return entry.answer;
    return dismissAnswer(set);
}

QString QtUi::openFileName(const FileDialog& dialog)
{
    return runFileDialog(dialog, false);
}

QString QtUi::saveFileName(const FileDialog& dialog)
{
    return runFileDialog(dialog, true);
}

QString QtUi::runFileDialog(const FileDialog& request, bool save)
{
    QString folder = request.initialFolder;
    folder.replace(QLatin1Char('\\'), QLatin1Char('/'));
    QFileDialog dialog(m_parent, request.title, folder, toQtFilter(request.filter));
    // A desktop's own dialog would speak the desktop's language, not the plug-in's.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(request.mustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.confirmOverwrite);
    if (save)
        dialog.setDefaultSuffix(defaultSuffix(request.filter));
    if (execDialog(dialog) != QDialog::Accepted)
        return {};
    return dialog.selectedFiles().value(0);
}

bool QtUi::choosePrinter(QPrinter& printer, const QString& title)
{
    QPrintDialog dialog(&printer, m_parent);
    dialog.setWindowTitle(title);
    return execDialog(dialog) == QDialog::Accepted;
}

// The program the desktop starts decides its own window state, so `maximised` cannot be
// passed on.
bool QtUi::openDocument(const QString& pathOrUrl, bool)
{
    const QUrl url = documentUrl(pathOrUrl);
    // The desktop's opener fails silently on a missing file; the user is told here instead.
    if (url.isLocalFile() && !QFileInfo::exists(url.toLocalFile())) {
        message(QStringLiteral("The file \"%1\" cannot be opened: it does not exist.").arg(url.toLocalFile()),
                QStringLiteral("Open Document"), Icon::Warning);
        return false;
    }
    if (QDesktopServices::openUrl(url))
        return true;
    message(QStringLiteral("No program is available to open \"%1\".").arg(url.toDisplayString()),
            QStringLiteral("Open Document"), Icon::Warning);
    return false;
}

void QtUi::setPointer(Pointer pointer)
{
    if (pointer == m_pointer)
        return;
    if (pointer == Pointer::Hourglass)
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QGuiApplication::restoreOverrideCursor();
    m_pointer = pointer;
}

int QtUi::execDialog(QDialog& dialog)
{
    // The user is being asked: the normal pointer over the dialog, even while work is busy.
    const bool busy = m_pointer == Pointer::Hourglass;
    if (busy)
        QGuiApplication::setOverrideCursor(Qt::ArrowCursor);
    const int result = dialog.exec();
    if (busy)
        QGuiApplication::restoreOverrideCursor();
    return result;
}

void QtUi::setLanguage(const QString& language)
{
    const bool german = language == QLatin1String("german");
    if (german == (m_qtTranslations != nullptr))
        return;
    // A translator removes itself from the application when it is destroyed.
    m_qtTranslations.reset();
    if (!german)
        return;
    auto translations = std::make_unique<QTranslator>();
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (!translations->load(QLocale(QLocale::German), QStringLiteral("qtbase"), QStringLiteral("_"),
                            folder) ||
        !QCoreApplication::installTranslator(translations.get())) {
        qWarning().noquote() << QStringLiteral(
                                    "Qt's German translations (qtbase_de.qm) are missing in %1; Qt's "
                                    "dialogs stay English. They come with qt6-translations-l10n.")
                                    .arg(folder);
        return;
    }
    m_qtTranslations = std::move(translations);
}

void QtUi::processEvents()
{
    QCoreApplication::processEvents();
}

QString QtUi::toQtFilter(const QString& filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    static const QRegularExpression shownPatterns(QStringLiteral("\\s*\\(([^()]*)\\)$"));
    QStringList result;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString name = parts.at(i).trimmed();
        const QStringList patterns = patternsOf(parts.at(i + 1));
        // "Parameter (*.par)" already shows its patterns; they are not added twice.
        const QRegularExpressionMatch shown = shownPatterns.match(name);
        if (shown.hasMatch() && patternsOf(shown.captured(1)) == patterns)
            name.chop(shown.capturedLength(0));
        const QString qtPatterns = QLatin1Char('(') + patterns.join(QLatin1Char(' ')) + QLatin1Char(')');
        result.append(name.isEmpty() ? qtPatterns : name + QLatin1Char(' ') + qtPatterns);
    }
    if (parts.size() % 2 == 1 && !parts.last().trimmed().isEmpty())
        result.append(parts.last().trimmed());
    return result.join(QStringLiteral(";;"));
}

QString QtUi::defaultSuffix(const QString& filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    if (parts.size() < 2)
        return {};
    static const QRegularExpression simplePattern(QStringLiteral("^\\*\\.([A-Za-z0-9_]+)$"));
    const QRegularExpressionMatch match = simplePattern.match(patternsOf(parts.at(1)).value(0));
    return match.hasMatch() ? match.captured(1) : QString();
}

QUrl QtUi::documentUrl(const QString& pathOrUrl)
{
    const QString trimmed = pathOrUrl.trimmed();
    static const QRegularExpression address(QStringLiteral("^(https?|ftp|mailto|file):"),
                                            QRegularExpression::CaseInsensitiveOption);
    if (address.match(trimmed).hasMatch())
        return QUrl(trimmed, QUrl::TolerantMode);
    QString path = pathOrUrl;
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return QUrl::fromLocalFile(QFileInfo(QDir::cleanPath(path)).absoluteFilePath());
}
