#include "lns/resources/ResourceSetFile.h"

#include "host/object_server/Error.h"

#include <QFile>
#include <QRegularExpression>

namespace lnssim::resource_set_file {

namespace {

constexpr int HighestScope = 6;

[[noreturn]] void malformed(const QString& path, int line, const QString& problem)
{
    throw lns::Error(lns::errors::BadArgument,
                     QStringLiteral("Resource file %1, line %2: %3").arg(path).arg(line).arg(problem));
}

} // namespace

ResourceSet read(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw lns::Error(
            lns::errors::NotFound,
            QStringLiteral("The resource file %1 cannot be read: %2").arg(path, file.errorString()));
    static const QRegularExpression programIdForm(QStringLiteral("^[0-9A-Fa-f]{16}$"));
    ResourceSet set;
    set.file = path;
    bool haveScope = false;
    const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    for (int i = 0; i < static_cast<int>(lines.size()); ++i) {
        const QString line = lines[i].trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const QStringList words = line.split(QRegularExpression(QStringLiteral("\\s+")));
        const QString& keyword = words[0];
        if (keyword == QLatin1String("program-id-template") && words.size() == 2 &&
            programIdForm.match(words[1]).hasMatch()) {
            set.programIdTemplate = words[1].toUpper();
        } else if (keyword == QLatin1String("scope") && words.size() == 2) {
            bool ok = false;
            set.scope = words[1].toInt(&ok);
            if (!ok || set.scope < 0 || set.scope > HighestScope)
                malformed(path, i + 1, QStringLiteral("the scope \"%1\" is not one of 0 to 6").arg(words[1]));
            haveScope = true;
        } else if (keyword == QLatin1String("profile") && words.size() >= 3) {
            set.profiles.insert(words[1], words.mid(2).join(QLatin1Char(' ')));
        } else {
            malformed(path, i + 1,
                      QStringLiteral("\"%1\" is not a declaration of a resource file").arg(line));
        }
    }
    if (set.programIdTemplate.isEmpty() || !haveScope)
        malformed(path, 0, QStringLiteral("a resource file declares its program-id-template and its scope"));
    return set;
}

int prefixLength(int scope)
{
    switch (scope) {
    case 3:
        return 6;
    case 4:
        return 10;
    case 5:
        return 12;
    case 6:
        return 14;
    default:
        return 0;
    }
}

bool matches(const ResourceSet& set, const QString& programId, int scope)
{
    if (set.scope != scope)
        return false;
    const int length = prefixLength(scope);
    return set.programIdTemplate.left(length).compare(programId.left(length), Qt::CaseInsensitive) == 0;
}

} // namespace lnssim::resource_set_file
