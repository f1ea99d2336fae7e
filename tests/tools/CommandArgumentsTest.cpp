#include "CommandArguments.h"

#include "UsageError.h"

#include <gtest/gtest.h>
#include <optional>

namespace {

const QStringList Values{QStringLiteral("--report"), QStringLiteral("--format")};
const QStringList Flags{QStringLiteral("--dry-run")};

QStringList words(const char* line)
{
    return QString::fromUtf8(line).split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

TEST(CommandArgumentsTest, OptionValuesNeverSwallowTheNextOption)
{
    struct Case
    {
        const char* line;
        std::optional<QString> report;
        bool dryRun;
        QStringList positional;
    };
    const Case accepted[] = {
        {"a --report r.json --dry-run", QStringLiteral("r.json"), true, {QStringLiteral("a")}},
        {"--dry-run a --report=r.json", QStringLiteral("r.json"), true, {QStringLiteral("a")}},
        {"--report=--dry-run a", QStringLiteral("--dry-run"), false, {QStringLiteral("a")}},
        {"--report=a=b", QStringLiteral("a=b"), false, {}},
        {"--report -r.json", QStringLiteral("-r.json"), false, {}},
        {"--report= a", QString(), false, {QStringLiteral("a")}},
        {"a -- --dry-run", std::nullopt, false, {QStringLiteral("a"), QStringLiteral("--dry-run")}},
    };
    for (const Case& c : accepted) {
        const CommandArguments arguments(words(c.line), Values, Flags);
        EXPECT_EQ(arguments.option(QStringLiteral("--report")), c.report) << c.line;
        EXPECT_EQ(arguments.flag(QStringLiteral("--dry-run")), c.dryRun) << c.line;
        for (int i = 0; i < arguments.count(); ++i)
            EXPECT_EQ(arguments.at(i), c.positional.value(i)) << c.line;
        EXPECT_EQ(arguments.count(), c.positional.size()) << c.line;
    }

    const struct
    {
        const char* line;
        const char* message;
    } refused[] = {
        {"a --report --dry-run", "The option --report needs a value (give --report=VALUE"},
        {"a --report", "The option --report needs a value"},
        {"--dry-run=yes", "The option --dry-run takes no value"},
        {"--report a --report=b", "The option --report is given twice"},
        {"--reports=a", "Unknown option --reports"},
    };
    for (const auto& c : refused) {
        try {
            CommandArguments(words(c.line), Values, Flags);
            ADD_FAILURE() << c.line << " was accepted";
        } catch (const UsageError& error) {
            EXPECT_TRUE(error.message().startsWith(QLatin1String(c.message)))
                << error.message().toStdString();
        }
    }
}

} // namespace
