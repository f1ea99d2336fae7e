#include "echlog/EchLog.h"

#include "support/FakeUi.h"
#include "support/FileFault.h"
#include "support/TempLonWorksHome.h"

#include <QFile>
#include <QListView>
#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>

namespace {

struct FileEntry
{
    QDateTime time;
    QString level;
    QString text;
};

QString unescaped(const QString& text)
{
    QString result;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i) != QLatin1Char('\\') || i + 1 == text.size()) {
            result += text.at(i);
            continue;
        }
        const QChar next = text.at(++i);
        result += next == QLatin1Char('t')   ? QStringLiteral("\t")
                  : next == QLatin1Char('r') ? QStringLiteral("\r")
                  : next == QLatin1Char('n') ? QStringLiteral("\n")
                                             : QString(next);
    }
    return result;
}

QList<FileEntry> readLog(const QString& fileName)
{
    QFile file(fileName);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << fileName.toStdString();
    const QByteArray content = file.readAll();
    EXPECT_TRUE(content.isEmpty() || content.endsWith('\n'));
    QList<FileEntry> entries;
    for (const QByteArray& line : content.split('\n')) {
        if (line.isEmpty())
            continue;
        const QStringList fields = QString::fromUtf8(line).split(QLatin1Char('\t'));
        EXPECT_EQ(fields.size(), 3) << line.toStdString();
        if (fields.size() != 3)
            continue;
        entries.append(FileEntry{QDateTime::fromString(fields.at(0), Qt::ISODateWithMs), fields.at(1),
                                 unescaped(fields.at(2))});
    }
    return entries;
}

QByteArray fileContent(const QString& fileName)
{
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class EchLogTest : public ::testing::Test
{
protected:
    QString file(const QString& name) const { return home.path() + QLatin1Char('/') + name; }

    TempLonWorksHome home;
    FakeUi ui;
    EchLog log{ui};
};

} // namespace

TEST_F(EchLogTest, KeepsLinesWithLevelsAndShowsErrorsInRed)
{
    const QDateTime before = QDateTime::currentDateTime();
    log.addInformation(QString());
    log.addInformation(QStringLiteral("writing Parameters..."));
    log.addError(QStringLiteral("SCPToffsetTemp not possible to synchronize !"));
    const QDateTime after = QDateTime::currentDateTime();

    ASSERT_EQ(log.entries().size(), 3);
    EXPECT_EQ(log.entries().at(0).text, QString());
    EXPECT_EQ(log.entries().at(1).level, EchLog::Level::Information);
    EXPECT_EQ(log.entries().at(2).level, EchLog::Level::Error);
    EXPECT_EQ(log.entries().at(2).text, QStringLiteral("SCPToffsetTemp not possible to synchronize !"));
    for (const EchLog::Entry& entry : log.entries()) {
        EXPECT_GE(entry.time, before);
        EXPECT_LE(entry.time, after);
    }

    const auto* view = log.findChild<QListView*>(QStringLiteral("EchLogView"));
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->editTriggers(), QAbstractItemView::NoEditTriggers);
    const QAbstractItemModel* lines = view->model();
    const auto line = [lines](int row, int role = Qt::DisplayRole) {
        return lines->index(row, 0).data(role);
    };
    ASSERT_EQ(lines->rowCount(), 3);
    EXPECT_EQ(line(1).toString(), QStringLiteral("writing Parameters..."));
    EXPECT_EQ(line(2).toString(), QStringLiteral("SCPToffsetTemp not possible to synchronize !"));
    EXPECT_EQ(line(2, Qt::ForegroundRole).value<QColor>(), QColor(Qt::red));
    EXPECT_FALSE(line(1, Qt::ForegroundRole).isValid());

    // An entry with line breaks is shown on as many lines; the entry itself stays one.
    log.addError(QStringLiteral("Error updating \r\nROU_2 did not respond"));
    ASSERT_EQ(lines->rowCount(), 5);
    EXPECT_EQ(line(4).toString(), QStringLiteral("ROU_2 did not respond"));
    EXPECT_EQ(line(4, Qt::ForegroundRole).value<QColor>(), QColor(Qt::red));
    EXPECT_EQ(log.entries().size(), 4);

    log.clear();
    EXPECT_TRUE(log.entries().isEmpty());
    EXPECT_EQ(lines->rowCount(), 0);
    log.addInformation(QStringLiteral("after clear"));
    ASSERT_EQ(lines->rowCount(), 1);
    EXPECT_EQ(line(0).toString(), QStringLiteral("after clear"));
}

TEST_F(EchLogTest, ViewFollowsTheNewestLine)
{
    log.resize(300, 120);
    log.show();
    for (int i = 0; i < 200; ++i)
        log.addInformation(QStringLiteral("line %1").arg(i));
    const QScrollBar* bar = log.findChild<QListView*>()->verticalScrollBar();
    // QTest's own wait macros report to QTest, not to GoogleTest.
    EXPECT_TRUE(QTest::qWaitFor([bar] { return bar->maximum() > 0 && bar->value() == bar->maximum(); }));
}

TEST_F(EchLogTest, SaveAsWritesEscapedLinesThatReadBack)
{
    const QList<QString> texts{
        QString(), QStringLiteral("a\tb"), QStringLiteral("Error updating \r\ncmdApply"),
        QStringLiteral("C:\\Dokumentation\\new.pdf \\n stays literal"), QStringLiteral("Geräte: 3 / 4")};
    for (qsizetype i = 0; i < texts.size(); ++i)
        i % 2 ? log.addError(texts.at(i)) : log.addInformation(texts.at(i));

    const QString target = file(QStringLiteral("transfer.log"));
    ui.queueFileName(target);
    ASSERT_TRUE(log.saveAs());
    EXPECT_EQ(log.fileName(), target);
    ASSERT_EQ(ui.fileDialogs().size(), 1);
    EXPECT_EQ(ui.fileDialogs().first().kind, FakeUi::DialogKind::Save);
    EXPECT_TRUE(ui.fileDialogs().first().dialog.confirmOverwrite);

    const QByteArray raw = fileContent(target);
    EXPECT_EQ(raw.count('\n'), texts.size()) << "every entry is exactly one line";
    EXPECT_FALSE(raw.contains('\r'));

    const QList<FileEntry> read = readLog(target);
    ASSERT_EQ(read.size(), texts.size());
    for (qsizetype i = 0; i < texts.size(); ++i) {
        EXPECT_EQ(read.at(i).text, texts.at(i)) << i;
        EXPECT_EQ(read.at(i).level, i % 2 ? QStringLiteral("E") : QStringLiteral("I"));
        EXPECT_TRUE(read.at(i).time.isValid());
        EXPECT_EQ(read.at(i).time.toMSecsSinceEpoch(), log.entries().at(i).time.toMSecsSinceEpoch());
    }
}

TEST_F(EchLogTest, SaveAsksForAFileOnceAndThenReusesIt)
{
    log.addInformation(QStringLiteral("first"));
    ui.queueFileName(QString());
    EXPECT_FALSE(log.save()) << "a cancelled dialog saves nothing";
    EXPECT_TRUE(log.fileName().isEmpty());

    const QString target = file(QStringLiteral("plugin.log"));
    ui.queueFileName(target);
    ASSERT_TRUE(log.save());
    EXPECT_EQ(ui.fileDialogs().size(), 2);

    log.addError(QStringLiteral("second"));
    ASSERT_TRUE(log.save());
    EXPECT_EQ(ui.fileDialogs().size(), 2) << "the second save must not ask again";
    const QList<FileEntry> read = readLog(target);
    ASSERT_EQ(read.size(), 2);
    EXPECT_EQ(read.at(1).text, QStringLiteral("second"));
    EXPECT_TRUE(ui.messages().isEmpty());
}

TEST_F(EchLogTest, FailedSaveIsReportedAndKeepsTheEarlierFile)
{
    const QString target = file(QStringLiteral("kept.log"));
    log.addInformation(QStringLiteral("saved once"));
    ui.queueFileName(target);
    ASSERT_TRUE(log.saveAs());
    const QByteArray earlier = fileContent(target);

    for (int i = 0; i < 100; ++i)
        log.addError(QStringLiteral("a line that makes the log larger than the limit"));
    ui.setRelaxed(UiServices::Answer::Ok);
    {
        const FileSizeLimit limit(static_cast<rlim_t>(earlier.size()) + 64);
        EXPECT_FALSE(log.save());
    }
    EXPECT_EQ(fileContent(target), earlier);
    ASSERT_EQ(ui.messages().size(), 1);
    const UiServices::Message& report = ui.messages().first();
    EXPECT_EQ(report.icon, UiServices::Icon::Critical);
    EXPECT_EQ(report.buttons, UiServices::Buttons::Ok);
    EXPECT_TRUE(report.text.contains(target)) << report.text.toStdString();
    EXPECT_FALSE(report.text.trimmed().endsWith(QLatin1Char(':'))) << "the reason is named";

    const QString unreachable = file(QStringLiteral("missing/folder/other.log"));
    ui.queueFileName(unreachable);
    EXPECT_FALSE(log.saveAs());
    EXPECT_EQ(log.fileName(), target) << "a failed save-as keeps the file of the last good save";
    ASSERT_EQ(ui.messages().size(), 2);
    EXPECT_TRUE(ui.messages().last().text.contains(unreachable));

    ASSERT_TRUE(log.save());
    EXPECT_EQ(readLog(target).size(), 101);
}
