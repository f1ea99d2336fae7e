#include "host/ObjectPath.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace {

// The splitting rule as it reads: split the rest at its first "/", keep the head, trim the tail.
QStringList referenceSplit(const QString& objectName)
{
    QStringList components;
    QString rest = objectName;
    for (;;) {
        const SplitResult split = SplitAtFirst(rest, QStringLiteral("/"));
        if (split.head.isEmpty())
            return components;
        components.append(split.head);
        rest = split.tail;
    }
}

QStringList components(const ObjectPath& path)
{
    QStringList list;
    for (int index = 1; index <= path.count(); ++index)
        list.append(path.PathComponent(index, false));
    return list;
}

TEST(SplitAtFirstTest, SplitsAtTheFirstSeparatorIgnoringCase)
{
    SplitResult split = SplitAtFirst(QStringLiteral("Floor 2 X  a x b  "), QStringLiteral("x"));
    EXPECT_EQ(split.head, QStringLiteral("Floor 2 "));
    EXPECT_EQ(split.tail, QStringLiteral("a x b"));

    split = SplitAtFirst(QStringLiteral(" no separator "), QStringLiteral("/"));
    EXPECT_EQ(split.head, QStringLiteral(" no separator "));
    EXPECT_TRUE(split.tail.isEmpty());

    // Only blanks are trimmed from the tail.
    split = SplitAtFirst(QStringLiteral("a/\tb "), QStringLiteral("/"));
    EXPECT_EQ(split.tail, QStringLiteral("\tb"));

    split = SplitAtFirst(QStringLiteral("abc"), QString());
    EXPECT_EQ(split.head, QStringLiteral("abc"));
    EXPECT_TRUE(split.tail.isEmpty());
}

TEST(ObjectPathTest, ResolvesTheDirectorsExample)
{
    ObjectPath path;
    ASSERT_EQ(path.SplitObjectPath(QStringLiteral("MyNet/Building/Floor 2:F2/Room 12:ROU_1")), 4);
    EXPECT_EQ(path.PathComponent(1, true), QStringLiteral("MyNet"));
    EXPECT_EQ(path.PathComponent(3, false), QStringLiteral("Floor 2:F2"));
    EXPECT_EQ(path.PathComponent(path.count() - 1, true), QStringLiteral("F2"));
    EXPECT_EQ(path.PathComponent(path.count(), true), QStringLiteral("ROU_1"));
}

TEST(ObjectPathTest, EmptyComponentsEndTheList)
{
    ObjectPath path;
    EXPECT_EQ(path.SplitObjectPath(QStringLiteral("Net//Sub/Dev")), 1);
    EXPECT_EQ(path.PathComponent(1, false), QStringLiteral("Net"));
    EXPECT_EQ(path.SplitObjectPath(QStringLiteral("Net/Sub/")), 2);
    EXPECT_EQ(path.SplitObjectPath(QStringLiteral("/Net/Sub")), 0);
    EXPECT_EQ(path.SplitObjectPath(QString()), 0);
    EXPECT_EQ(path.PathComponent(1, true), QString());
    // Blanks after a separator are dropped; blanks before it stay with the component.
    EXPECT_EQ(path.SplitObjectPath(QStringLiteral("Net / Sub /  ")), 2);
    EXPECT_EQ(path.PathComponent(1, false), QStringLiteral("Net "));
    EXPECT_EQ(path.PathComponent(2, false), QStringLiteral("Sub "));
}

TEST(ObjectPathTest, SplitsEveryShortNameAsTheRuleReads)
{
    // Every name of up to seven characters made of a letter, "/", a blank and ":".
    const QString alphabet = QStringLiteral("a/ :");
    QStringList names{QString()};
    for (int length = 1; length <= 7; ++length) {
        QStringList longer;
        for (const QString& name : std::as_const(names))
            for (const QChar character : alphabet)
                longer.append(name + character);
        ObjectPath path;
        for (const QString& name : std::as_const(longer)) {
            path.SplitObjectPath(name);
            ASSERT_EQ(components(path), referenceSplit(name)) << '"' << name.toStdString() << '"';
        }
        names = longer;
    }
}

TEST(ObjectPathTest, NamesBeyondTheLimitHaveNoComponents)
{
    ObjectPath path;
    const QString longest = QStringLiteral("Net/") +
                            QString(ObjectPath::MaxNameLength - 8, QLatin1Char('x')) +
                            QStringLiteral("/ROU_1");
    ASSERT_EQ(longest.size(), ObjectPath::MaxNameLength + 2);
    EXPECT_EQ(path.SplitObjectPath(longest.chopped(2)), 3);
    EXPECT_EQ(path.SplitObjectPath(longest), 0);
    EXPECT_EQ(path.PathComponent(1, false), QString());
}

TEST(ObjectPathTest, SingleComponentHasNoSubsystem)
{
    ObjectPath path;
    ASSERT_EQ(path.SplitObjectPath(QStringLiteral("Room 12:ROU_1")), 1);
    EXPECT_EQ(path.PathComponent(path.count() - 1, true), QString());
    EXPECT_EQ(path.PathComponent(path.count(), true), QStringLiteral("ROU_1"));
}

TEST(ObjectPathTest, StrippingPrefixes)
{
    ObjectPath path;
    ASSERT_EQ(path.SplitObjectPath(QStringLiteral("Sub:/Dev: /a:b:c/plain/Room:  R 1")), 5);
    EXPECT_EQ(path.PathComponent(1, true), QStringLiteral("Sub:"));
    EXPECT_EQ(path.PathComponent(2, true), QStringLiteral("Dev: "));
    EXPECT_EQ(path.PathComponent(3, true), QStringLiteral("b:c"));
    EXPECT_EQ(path.PathComponent(4, true), QStringLiteral("plain"));
    EXPECT_EQ(path.PathComponent(5, true), QStringLiteral("R 1"));
}

TEST(ObjectPathTest, IndicesOutsideTheListGiveEmptyText)
{
    ObjectPath path;
    path.SplitObjectPath(QStringLiteral("A/B"));
    EXPECT_EQ(path.PathComponent(0, false), QString());
    EXPECT_EQ(path.PathComponent(-1, true), QString());
    EXPECT_EQ(path.PathComponent(3, false), QString());
    EXPECT_EQ(path.PathComponent(2, false), QStringLiteral("B"));
    // A new object name replaces the previous components.
    path.SplitObjectPath(QStringLiteral("C"));
    EXPECT_EQ(path.count(), 1);
    EXPECT_EQ(path.PathComponent(2, false), QString());
}

} // namespace
