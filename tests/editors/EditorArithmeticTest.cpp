#include "editors/CpFieldRules.h"
#include "editors/KeyRules.h"
#include "editors/NumberText.h"
#include "editors/TimeStampText.h"
#include "editors/UnitStatusText.h"

#include <gtest/gtest.h>
#include <optional>

namespace {

using key_rules::KeyClass;

const QString Comma = QStringLiteral(",");
const QString Point = QStringLiteral(".");

TEST(NumberTextTest, ParsesOnlyWithTheUsersSeparator)
{
    const struct
    {
        const char* text;
        const QString& separator;
        std::optional<double> expected;
    } cases[] = {
        {"12,5", Comma, 12.5},        {"12.5", Comma, std::nullopt},
        {"12.5", Point, 12.5},        {"12,5", Point, std::nullopt},
        {"-5", Comma, -5.0},          {"5,", Comma, 5.0},
        {",5", Comma, 0.5},           {"-,5", Comma, -0.5},
        {"-", Comma, std::nullopt},   {",", Comma, std::nullopt},
        {"", Comma, std::nullopt},    {"1,2,3", Comma, std::nullopt},
        {"1e3", Point, std::nullopt}, {"abc", Point, std::nullopt},
        {"5-", Point, std::nullopt},  {" 5", Point, std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(number_text::parse(QString::fromLatin1(c.text), c.separator), c.expected) << c.text;
}

TEST(NumberTextTest, IncompleteTextsAreThoseOnTheirWayToANumber)
{
    for (const char* text : {"", "-", ",", "-,"})
        EXPECT_TRUE(number_text::isIncomplete(QString::fromLatin1(text), Comma)) << text;
    for (const char* text : {"5", "-5", ".", "a"})
        EXPECT_FALSE(number_text::isIncomplete(QString::fromLatin1(text), Comma)) << text;
}

TEST(NumberTextTest, FormatsWithFifteenDigitsAndNeverAnExponent)
{
    const struct
    {
        double x;
        const QString& separator;
        const char* expected;
    } cases[] = {
        {0.1 + 0.1 + 0.1, Point, "0.3"},
        {0.30000000000000004, Comma, "0,3"},
        {100.0, Comma, "100"},
        {-20.0, Point, "-20"},
        {6500.0, Point, "6500"},
        {0.00001, Point, "0.00001"},
        {1e16, Point, "10000000000000000"},
        {-0.0, Point, "0"},
        {2.5, Comma, "2,5"},
        {1.0 / 3.0, Point, "0.333333333333333"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(number_text::format(c.x, c.separator), QString::fromLatin1(c.expected)) << c.expected;
}

TEST(NumberTextTest, StepsStayInsideTheLimits)
{
    const struct
    {
        double x, s, limit;
        bool up;
        double expected;
    } cases[] = {
        {99.8, 0.5, 100, true, 100}, {99.5, 0.5, 100, true, 100},    {2, 0.5, 20, true, 2.5},
        {0.05, 0.1, 0, false, 0},    {-19.95, 0.1, -20, false, -20}, {6500, 1, 6500, true, 6500},
        {10, 1, 0, false, 9},
    };
    for (const auto& c : cases) {
        const double stepped =
            c.up ? number_text::stepUp(c.x, c.s, c.limit) : number_text::stepDown(c.x, c.s, c.limit);
        EXPECT_DOUBLE_EQ(stepped, c.expected) << c.x;
    }
}

TEST(NumberTextTest, ComparesAsNumbersWhenBothAreNumbers)
{
    EXPECT_TRUE(number_text::sameValue(QStringLiteral("12"), QStringLiteral("12,0"), Comma));
    EXPECT_FALSE(number_text::sameValue(QStringLiteral("12,5"), QStringLiteral("12"), Comma));
    // A reference that is no number (a CP the device lacks) is compared as text.
    EXPECT_FALSE(number_text::sameValue(QStringLiteral("0"), QString(), Comma));
    EXPECT_TRUE(number_text::sameValue(QString(), QString(), Comma));
}

TEST(KeyRulesTest, EachClassTakesItsKeys)
{
    const struct
    {
        KeyClass keyClass;
        char key;
        const char* text;
        const QString& separator;
        bool accepted;
    } cases[] = {
        {KeyClass::Digits, '7', "12", Comma, true},
        {KeyClass::Digits, ',', "12", Comma, false},
        {KeyClass::Digits, '-', "", Comma, false},
        {KeyClass::Digits, 'a', "", Comma, false},
        {KeyClass::Digits, '\b', "", Comma, true},
        {KeyClass::Decimal, ',', "12", Comma, true},
        {KeyClass::Decimal, ',', "1,2", Comma, false},
        {KeyClass::Decimal, '.', "12", Comma, false},
        {KeyClass::Decimal, '.', "12", Point, true},
        {KeyClass::Decimal, '-', "", Comma, false},
        {KeyClass::SignedDecimal, '-', "", Comma, true},
        {KeyClass::SignedDecimal, '-', "-5", Comma, false},
        {KeyClass::SignedDecimal, ',', "-5", Comma, true},
        {KeyClass::Switch, ' ', "100,0", Comma, true},
        {KeyClass::Switch, ' ', "100,0 1", Comma, false},
        {KeyClass::Switch, '-', "0,0 ", Comma, true},
        {KeyClass::SceneName, 'a', "SC", Comma, true},
        {KeyClass::SceneName, '_', "SC", Comma, true},
        {KeyClass::SceneName, '1', "SC", Comma, false},
        {KeyClass::SceneNumber, '5', "", Comma, true},
        {KeyClass::Date, '/', "2006", Comma, false},
        {KeyClass::Time, ':', "12", Comma, true},
        {KeyClass::Any, 'x', "", Comma, true},
        {KeyClass::Decimal, ',', "12", QStringLiteral("'"), false},
        // Twelve characters are the most a number field takes; Backspace still works.
        {KeyClass::Digits, '1', "123456789012", Comma, false},
        {KeyClass::Digits, '\b', "123456789012", Comma, true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(
            key_rules::accepts(c.keyClass, QLatin1Char(c.key), QString::fromLatin1(c.text), c.separator),
            c.accepted)
            << static_cast<int>(c.keyClass) << " " << c.key << " " << c.text;
}

TEST(CpFieldRulesTest, KeysAndStepsFollowTheFieldTable)
{
    const struct
    {
        int index;
        KeyClass keys;
        double step;
    } cases[] = {
        {7, KeyClass::Digits, 1},     {8, KeyClass::Digits, 1},     {9, KeyClass::Decimal, 0.1},
        {10, KeyClass::Decimal, 0.5}, {11, KeyClass::Digits, 1},    {12, KeyClass::Digits, 1},
        {51, KeyClass::Decimal, 0.1}, {52, KeyClass::Decimal, 0.5}, {55, KeyClass::Digits, 1},
        {57, KeyClass::Digits, 1},    {58, KeyClass::Decimal, 0.1}, {59, KeyClass::SignedDecimal, 0.1},
        {60, KeyClass::Decimal, 0.1}, {62, KeyClass::Decimal, 0.1}, {64, KeyClass::Digits, 1},
        {4, KeyClass::Digits, 1},     {100, KeyClass::Digits, 1},   {103, KeyClass::Digits, 1},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(cp_field_rules::keyClass(c.index), c.keys) << c.index;
        EXPECT_DOUBLE_EQ(cp_field_rules::step(c.index), c.step) << c.index;
    }
    EXPECT_EQ(cp_field_rules::keyClass(61), KeyClass::Decimal);
}

TEST(TimeStampTextTest, PartsSettleOnLeaving)
{
    const struct
    {
        bool date;
        int k;
        const char* text;
        const char* settled;
    } cases[] = {
        {true, 0, "1999", "2006"}, {true, 0, "", "2006"},  {true, 0, "2024", "2024"}, {true, 1, "13", "1"},
        {true, 1, "0", "1"},       {true, 1, "12", "12"},  {true, 2, "32", "1"},      {true, 2, "31", "31"},
        {false, 0, "24", "0"},     {false, 0, "23", "23"}, {false, 1, "75", "0"},     {false, 2, "", "0"},
        {false, 2, "59", "59"},
    };
    for (const auto& c : cases) {
        const QString text = QString::fromLatin1(c.text);
        EXPECT_EQ(c.date ? time_stamp_text::settledDatePart(c.k, text)
                         : time_stamp_text::settledTimePart(c.k, text),
                  QString::fromLatin1(c.settled))
            << c.text;
    }
}

TEST(TimeStampTextTest, SplitsAndComposes)
{
    const auto parts = time_stamp_text::split(QStringLiteral("2006/1/2 3:4:5"));
    ASSERT_TRUE(parts);
    EXPECT_EQ(parts->dateParts,
              QStringList({QStringLiteral("2006"), QStringLiteral("1"), QStringLiteral("2")}));
    EXPECT_EQ(time_stamp_text::compose(parts->dateParts, parts->timeParts), QStringLiteral("2006/1/2 3:4:5"));
    EXPECT_FALSE(time_stamp_text::split(QStringLiteral("2006/1/2")));
    EXPECT_FALSE(time_stamp_text::split(QStringLiteral("2006/1 3:4:5")));
}

TEST(UnitStatusComposeTest, FieldsAreWrittenWithThreeDecimalsAndAPoint)
{
    const struct
    {
        const char* field;
        const QString& separator;
        const char* normalised;
    } cases[] = {
        {"5", Comma, "5.000"},       {"0,5", Comma, "0.500"}, {"12,25", Comma, "12.250"},
        {"1,2345", Comma, "1.2345"}, {"", Comma, ""},         {"0.5", Point, "0.500"},
        {"7", Point, "7.000"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(unit_status_text::normaliseField(QString::fromLatin1(c.field), c.separator),
                  QString::fromLatin1(c.normalised))
            << c.field;
    unit_status_text::Fields fields{
        QStringLiteral("HVAC_AUTO"), QStringLiteral("55,5"),  QStringLiteral("0,000"), QStringLiteral("0"),
        QStringLiteral("0,000"),     QStringLiteral("0,000"), QStringLiteral("0")};
    EXPECT_EQ(unit_status_text::compose(fields, Comma),
              QStringLiteral("HVAC_AUTO,55.500,0.000,0.000,0.000,0.000,0"));
}

} // namespace
