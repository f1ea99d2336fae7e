#include "device/ui/FrameworkUpdater.h"
#include "device/ui/MainWindow.h"
#include "support/DemoSession.h"
#include "ui/HelpBox.h"
#include "ui/StatusPanels.h"

#include <QTextCursor>
#include <QTextEdit>
#include <gtest/gtest.h>
#include <stdexcept>

namespace {

QTextCharFormat formatAt(QTextEdit& box, int position)
{
    QTextCursor cursor(box.document());
    cursor.setPosition(position + 1);
    return cursor.charFormat();
}

bool emphasised(QTextEdit& box, int position)
{
    const QTextCharFormat format = formatAt(box, position);
    return format.fontWeight() == QFont::Bold && format.fontUnderline();
}

TEST(PointHelpTest, HeaderAndFunctionHeadingAreEmphasised)
{
    QTextEdit box;
    const QString text =
        QStringLiteral("SCPT Typ:\r\nSCPTsetpoint, Index 213, SNVT_temp_p\r\nFunction:\r\nSet point.");
    help_box::show(&box, text, QStringLiteral("SCPT Type:"), QStringLiteral("Function:"));
    const QString shown = box.toPlainText();
    EXPECT_EQ(shown,
              QStringLiteral("SCPT Typ:\nSCPTsetpoint, Index 213, SNVT_temp_p\nFunction:\nSet point."));
    EXPECT_TRUE(emphasised(box, 0));
    EXPECT_TRUE(emphasised(box, 8));
    EXPECT_FALSE(emphasised(box, static_cast<int>(shown.indexOf(QStringLiteral("setpoint")))));
    const int function = static_cast<int>(shown.indexOf(QStringLiteral("Function:")));
    EXPECT_TRUE(emphasised(box, function));
    EXPECT_TRUE(emphasised(box, function + 8));
    EXPECT_FALSE(emphasised(box, function + 10));
    // The caret cannot go beyond a short text.
    EXPECT_EQ(box.textCursor().position(), shown.size());
}

TEST(PointHelpTest, EarlierEmphasisIsClearedAndAMissingHeadingSkipped)
{
    QTextEdit box;
    help_box::show(&box, QStringLiteral("Function: first"), QString(), QStringLiteral("Function:"));
    const QString longText = QStringLiteral("SNVT Typ: ") + QString(200, QLatin1Char('x'));
    help_box::show(&box, longText, QStringLiteral("SNVT Type:"), QStringLiteral("Funktion:"));
    EXPECT_TRUE(emphasised(box, 0));
    EXPECT_FALSE(emphasised(box, 20));
    EXPECT_EQ(box.textCursor().position(), 130);
}

class UpdateFrameworkTest : public ::testing::Test
{
protected:
    void help(const QString& programId, const QString& kind, qint16 index)
    {
        window.UpdateFramework(programId, 100, false, kind, index);
    }
    QString shown() { return window.controls().RTHinweis->toPlainText(); }
    static QString asShown(QString text)
    {
        return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    }

    DemoSession demo;
    MainWindow window{demo.context};
};

TEST_F(UpdateFrameworkTest, ShowsTheHelpOfAPointOfAServedDevice)
{
    help(QStringLiteral("9FFF3C0A00060414"), QStringLiteral("Nci"), 60);
    EXPECT_EQ(shown(), asShown(demo.catalogue.CpHelp[60]));
    EXPECT_TRUE(shown().contains(QStringLiteral("SCPTsetpoint, Index 213")));
    EXPECT_EQ(demo.settings.modelName, QStringLiteral("ZEP31"));
    EXPECT_EQ(demo.settings.docFile, QStringLiteral("\\Dokumentation\\zep31_06_eng.pdf"));

    help(QStringLiteral("9FFF3C0A0006040F"), QStringLiteral("Nvi"), 9);
    EXPECT_EQ(shown(), asShown(demo.catalogue.NviHelp[9]));
    help(QStringLiteral("9FFF3C0A00060417"), QStringLiteral("Nvo"), 18);
    EXPECT_EQ(shown(), asShown(demo.catalogue.NvoHelp[18]));
}

TEST_F(UpdateFrameworkTest, KeepsTheBoxForAnUnknownPositionOrDevice)
{
    help(QStringLiteral("9FFF3C0A00060417"), QStringLiteral("Nvi"), 9);
    const QString before = shown();
    help(QStringLiteral("9FFF3C0A00060417"), QStringLiteral("Nvo"), 24);
    help(QStringLiteral("9FFF3C0A00060417"), QStringLiteral("Nci"), -1);
    help(QStringLiteral("9FFF3C0000000001"), QStringLiteral("Nci"), 60);
    EXPECT_EQ(shown(), before);
}

TEST(StatusPanelsTest, HasFiveNumberedPanels)
{
    StatusPanels panels;
    EXPECT_EQ(panels.objectName(), QStringLiteral("PlugInStatus"));
    panels.setPanelText(5, QStringLiteral("<b>Monitoring Off</b>"));
    EXPECT_EQ(panels.panelText(5), QStringLiteral("<b>Monitoring Off</b>"));
    EXPECT_THROW(panels.setPanelText(0, QString()), std::out_of_range);
    EXPECT_THROW(panels.panelText(6), std::out_of_range);
}

} // namespace
