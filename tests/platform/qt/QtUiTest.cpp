#include "qt/QtUi.h"

#include "support/TempLonWorksHome.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrinter>
#include <QPushButton>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

namespace {

// Runs `act` on the modal dialog as soon as it is shown; the dialog is closed if `act` leaves
// it open, so a test never hangs.
void whenModal(std::function<void(QWidget*)> act, int attempts = 200)
{
    QTimer::singleShot(10, [act = std::move(act), attempts]() mutable {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal) {
            if (attempts > 0)
                whenModal(std::move(act), attempts - 1);
            return;
        }
        act(modal);
        if (modal->isVisible())
            modal->close();
    });
}

} // namespace

TEST(QtUiTest, FiltersAreConvertedToQtForm)
{
    EXPECT_EQ(QtUi::toQtFilter(QStringLiteral("Parameter (*.par)|*.par")),
              QStringLiteral("Parameter (*.par)"));
    EXPECT_EQ(QtUi::toQtFilter(QStringLiteral("Log Files (*.log)|*.log|All Files (*)|*")),
              QStringLiteral("Log Files (*.log);;All Files (*)"));
    EXPECT_EQ(QtUi::toQtFilter(QStringLiteral("Texts|*.txt;*.log")), QStringLiteral("Texts (*.txt *.log)"));
    EXPECT_EQ(QtUi::toQtFilter(QStringLiteral("Texts (*.txt;*.log)|*.txt;*.log")),
              QStringLiteral("Texts (*.txt *.log)"));
    EXPECT_EQ(QtUi::toQtFilter(QStringLiteral("Names (txt)|*.txt")), QStringLiteral("Names (txt) (*.txt)"));
    EXPECT_EQ(QtUi::toQtFilter(QStringLiteral("Odd (*.x)|*.x|Lonely")), QStringLiteral("Odd (*.x);;Lonely"));
    EXPECT_EQ(QtUi::toQtFilter(QString()), QString());

    EXPECT_EQ(QtUi::defaultSuffix(QStringLiteral("Parameter (*.par)|*.par")), QStringLiteral("par"));
    EXPECT_EQ(QtUi::defaultSuffix(QStringLiteral("All Files (*)|*")), QString());
    EXPECT_EQ(QtUi::defaultSuffix(QStringLiteral("Parameter (*.par)")), QString());
}

TEST(QtUiTest, DocumentsAreLocalFilesUnlessTheyAreAddresses)
{
    EXPECT_EQ(QtUi::documentUrl(QStringLiteral("/opt/zep31\\Dokumentation\\zep31_06.pdf")),
              QUrl::fromLocalFile(QStringLiteral("/opt/zep31/Dokumentation/zep31_06.pdf")));
    EXPECT_EQ(QtUi::documentUrl(QStringLiteral("mailto:info@example.com")).scheme(),
              QStringLiteral("mailto"));
    EXPECT_EQ(QtUi::documentUrl(QStringLiteral("https://www.example.com/zep31")).host(),
              QStringLiteral("www.example.com"));
    // Whatever else comes is a file name, never a command.
    const QUrl odd = QtUi::documentUrl(QStringLiteral("/tmp/a.pdf; rm -rf ~"));
    EXPECT_TRUE(odd.isLocalFile());
    EXPECT_EQ(odd.toLocalFile(), QStringLiteral("/tmp/a.pdf; rm -rf ~"));
    EXPECT_TRUE(QtUi::documentUrl(QStringLiteral("C:\\readme_eng.txt")).isLocalFile());
}

TEST(QtUiTest, MessageBoxShowsPlainTextWithItsButtonsAndDefault)
{
    QWidget owner;
    QtUi ui;
    ui.setParentWindow(&owner);
    whenModal([&](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->parentWidget(), &owner);
        EXPECT_EQ(box->windowTitle(), QStringLiteral("fMain cmdApply_Click"));
        EXPECT_EQ(box->text(), QStringLiteral("Error updating \n<b>x</b> in cmdApply(fMain)"));
        EXPECT_EQ(box->textFormat(), Qt::PlainText);
        EXPECT_EQ(box->icon(), QMessageBox::Information);
        EXPECT_EQ(box->buttons().size(), 3);
        EXPECT_EQ(static_cast<QAbstractButton*>(box->defaultButton()), box->button(QMessageBox::Retry));
        box->button(QMessageBox::Ignore)->click();
    });
    EXPECT_EQ(ui.message(QStringLiteral("Error updating \r\n<b>x</b> in cmdApply(fMain)"),
                         QStringLiteral("fMain cmdApply_Click"), UiServices::Icon::Information,
                         UiServices::Buttons::AbortRetryIgnore, 1),
              UiServices::Answer::Ignore);
}

TEST(QtUiTest, ClosedMessageBoxGivesTheDismissalAnswer)
{
    QtUi ui;
    whenModal([](QWidget* modal) { modal->close(); });
    EXPECT_EQ(ui.message(QStringLiteral("?"), QString(), UiServices::Icon::Critical,
                         UiServices::Buttons::AbortRetryIgnore),
              UiServices::Answer::Abort);
    whenModal([](QWidget* modal) { modal->close(); });
    EXPECT_EQ(
        ui.message(QStringLiteral("?"), QString(), UiServices::Icon::Question, UiServices::Buttons::YesNo),
        UiServices::Answer::No);
    whenModal([](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(static_cast<QAbstractButton*>(box->defaultButton()), box->button(QMessageBox::Ok))
            << "an unknown default index means the first";
        box->button(QMessageBox::Cancel)->click();
    });
    EXPECT_EQ(
        ui.message(QStringLiteral("?"), QString(), UiServices::Icon::None, UiServices::Buttons::OkCancel, 7),
        UiServices::Answer::Cancel);
}

TEST(QtUiTest, SaveDialogUsesTheRequestAndReturnsTheChosenFile)
{
    TempLonWorksHome home;
    QtUi ui;
    const QString chosen = home.path() + QStringLiteral("/set.par");
    whenModal([&](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Save Parameters(nci)"));
        EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptSave);
        EXPECT_EQ(dialog->nameFilters(), QStringList{QStringLiteral("Parameter (*.par)")});
        EXPECT_EQ(dialog->directory().absolutePath(), home.path());
        EXPECT_FALSE(dialog->testOption(QFileDialog::DontConfirmOverwrite));
        EXPECT_EQ(dialog->defaultSuffix(), QStringLiteral("par"));
        // selectFile() leaves the name box alone once it has the focus, which the offscreen
        // platform gives at an unpredictable moment; type the name as a user would.
        auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        ASSERT_NE(name, nullptr);
        name->setText(QStringLiteral("set"));
        static_cast<QDialog*>(dialog)->accept();
    });
    UiServices::FileDialog request;
    request.title = QStringLiteral("Save Parameters(nci)");
    request.filter = QStringLiteral("Parameter (*.par)|*.par");
    request.initialFolder = home.path();
    request.confirmOverwrite = true;
    EXPECT_EQ(ui.saveFileName(request), chosen);

    whenModal([](QWidget* modal) { modal->close(); });
    request.mustExist = true;
    EXPECT_EQ(ui.openFileName(request), QString()) << "a cancelled dialog gives no name";
}

// Qt's own texts (box buttons, file and print dialogs) follow the plug-in's language, back and
// forth, and the German ones leave with the UiServices.
TEST(QtUiTest, QtsOwnTextsSpeakThePlugInsLanguage)
{
    struct Texts
    {
        const char* language;
        const char* yes;
        const char* no;
        const char* fileName;
        const char* save;
        const char* print;
    };
    const Texts german{"german", "&Ja", "&Nein", "Datei&name:", "S&peichern", "&Drucken"};
    const Texts english{"english", "&Yes", "&No", "File &name:", "&Save", "&Print"};
    const Texts none{"", "&Yes", "&No", "File &name:", "&Save", "&Print"};
    {
        QtUi ui;
        for (const Texts& texts : {german, english, german, german, none}) {
            const QString language = QString::fromLatin1(texts.language);
            ui.setLanguage(language);
            whenModal([&](QWidget* modal) {
                auto* box = qobject_cast<QMessageBox*>(modal);
                ASSERT_NE(box, nullptr);
                EXPECT_EQ(box->button(QMessageBox::Yes)->text(), QString::fromUtf8(texts.yes))
                    << texts.language;
                EXPECT_EQ(box->button(QMessageBox::No)->text(), QString::fromUtf8(texts.no))
                    << texts.language;
            });
            ui.message(QStringLiteral("?"), QString(), UiServices::Icon::Question,
                       UiServices::Buttons::YesNo);

            whenModal([&](QWidget* modal) {
                auto* dialog = qobject_cast<QFileDialog*>(modal);
                ASSERT_NE(dialog, nullptr);
                // A desktop's own dialog would speak the desktop's language.
                EXPECT_TRUE(dialog->testOption(QFileDialog::DontUseNativeDialog));
                EXPECT_EQ(dialog->findChild<QLabel*>(QStringLiteral("fileNameLabel"))->text(),
                          QString::fromUtf8(texts.fileName))
                    << texts.language;
                const auto* buttons = dialog->findChild<QDialogButtonBox*>();
                ASSERT_NE(buttons, nullptr);
                QStringList captions;
                for (const QAbstractButton* button : buttons->buttons())
                    captions.append(button->text());
                EXPECT_TRUE(captions.contains(QString::fromUtf8(texts.save)))
                    << texts.language << ": " << captions.join(QLatin1Char('|')).toStdString();
            });
            ui.saveFileName(UiServices::FileDialog{});

            whenModal([&](QWidget* modal) {
                QStringList captions;
                for (const QPushButton* button : modal->findChildren<QPushButton*>())
                    captions.append(button->text());
                EXPECT_TRUE(captions.contains(QString::fromUtf8(texts.print)))
                    << texts.language << ": " << captions.join(QLatin1Char('|')).toStdString();
            });
            QPrinter printer;
            ui.choosePrinter(printer, QString());
        }
        ui.setLanguage(QStringLiteral("german"));
    }
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "&Yes"), QStringLiteral("&Yes"));
}

TEST(QtUiTest, HourglassIsOneOverrideUntilDefault)
{
    ASSERT_EQ(QGuiApplication::overrideCursor(), nullptr);
    {
        QtUi ui;
        ui.setPointer(UiServices::Pointer::Hourglass);
        ui.setPointer(UiServices::Pointer::Hourglass);
        EXPECT_EQ(ui.pointer(), UiServices::Pointer::Hourglass);
        ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
        EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
        Qt::CursorShape overDialog = Qt::WaitCursor;
        whenModal([&](QWidget*) { overDialog = QGuiApplication::overrideCursor()->shape(); });
        ui.message(QStringLiteral("question while busy"));
        EXPECT_EQ(overDialog, Qt::ArrowCursor);
        EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
        ui.setPointer(UiServices::Pointer::Default);
        EXPECT_EQ(ui.pointer(), UiServices::Pointer::Default);
        EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
        ui.setPointer(UiServices::Pointer::Hourglass);
    }
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr)
        << "a destroyed service leaves no busy pointer behind";
}

TEST(QtUiTest, MissingDocumentIsReportedAndEventsRun)
{
    TempLonWorksHome home;
    QtUi ui;
    QString shown;
    whenModal([&](QWidget* modal) {
        if (auto* box = qobject_cast<QMessageBox*>(modal))
            shown = box->text();
    });
    const QString missing = home.path() + QStringLiteral("/Dokumentation/zep31_06.pdf");
    EXPECT_FALSE(ui.openDocument(missing, true));
    EXPECT_TRUE(shown.contains(missing)) << shown.toStdString();

    bool ran = false;
    QMetaObject::invokeMethod(
        qApp, [&] { ran = true; }, Qt::QueuedConnection);
    ui.processEvents();
    EXPECT_TRUE(ran);
}
