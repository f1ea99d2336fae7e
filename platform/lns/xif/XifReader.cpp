#include "lns/xif/XifReader.h"

#include "host/object_server/Error.h"

#include <QFile>
#include <QRegularExpression>

namespace lnssim::xif_reader {

namespace {

// Splits off `count` blank-separated words; the rest of the line (trimmed) is the last item.
QStringList splitWords(const QString& line, int count)
{
    QStringList words;
    int position = 0;
    while (static_cast<int>(words.size()) < count) {
        while (position < line.size() && line[position].isSpace())
            ++position;
        if (position >= line.size())
            break;
        int end = position;
        while (end < line.size() && !line[end].isSpace())
            ++end;
        words.append(line.mid(position, end - position));
        position = end;
    }
    words.append(line.mid(position).trimmed());
    return words;
}

class Parser final
{
public:
    explicit Parser(const QString& sourceName) : m_source(sourceName) {}

    InterfaceDefinition run(const QString& text)
    {
        const QStringList lines = text.split(QLatin1Char('\n'));
        for (int i = 0; i < static_cast<int>(lines.size()); ++i) {
            m_line = i + 1;
            const QString line = lines[i].trimmed();
            if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
                continue;
            const QStringList head = splitWords(line, 1);
            const QString& keyword = head[0];
            if (keyword == QLatin1String("program-id"))
                programId(head[1]);
            else if (keyword == QLatin1String("template"))
                templateName(head[1]);
            else if (keyword == QLatin1String("block"))
                block(splitWords(line, 3));
            else if (keyword == QLatin1String("nv"))
                nv(splitWords(line, 5));
            else if (keyword == QLatin1String("cp"))
                cp(splitWords(line, 6));
            else
                fail(QStringLiteral("unknown declaration \"%1\"").arg(keyword));
        }
        finish();
        return std::move(m_definition);
    }

private:
    [[noreturn]] void fail(const QString& problem) const
    {
        throw lns::Error(
            lns::errors::BadArgument,
            QStringLiteral("Device interface file %1, line %2: %3").arg(m_source).arg(m_line).arg(problem));
    }

    void require(const QStringList& words, int count, const char* form) const
    {
        for (int i = 0; i < count; ++i) {
            if (words[i].isEmpty())
                fail(QStringLiteral("incomplete declaration; expected: %1").arg(QLatin1String(form)));
        }
    }

    int number(const QString& text, const char* what) const
    {
        bool ok = false;
        const int value = text.toInt(&ok);
        if (!ok || value < 0)
            fail(QStringLiteral("%1 \"%2\" is not a number").arg(QLatin1String(what), text));
        return value;
    }

    ValueType type(const QString& name) const
    {
        const auto found = value_codec::typeFromName(name);
        if (!found)
            fail(QStringLiteral("unknown value type \"%1\"").arg(name));
        return *found;
    }

    QString stored(ValueType valueType, const QString& text) const
    {
        try {
            return value_codec::parse(valueType, text, QStringLiteral("."));
        } catch (const lns::Error& error) {
            fail(QStringLiteral("bad default value: %1").arg(error.description()));
        }
    }

    void programId(const QString& text)
    {
        static const QRegularExpression form(QStringLiteral("^[0-9A-Fa-f]{16}$"));
        if (!form.match(text).hasMatch())
            fail(QStringLiteral("the program ID \"%1\" is not 16 hexadecimal digits").arg(text));
        if (!m_definition.programId.isEmpty())
            fail(QStringLiteral("a second program ID"));
        m_definition.programId = text.toUpper();
    }

    void templateName(const QString& text)
    {
        if (text.isEmpty())
            fail(QStringLiteral("the template name is empty"));
        m_definition.templateName = text;
    }

    void block(const QStringList& words)
    {
        require(words, 4, "block INDEX NAME PROFILE-KEY");
        BlockDefinition definition{number(words[1], "block index"), words[2], words[3]};
        if (definition.index != static_cast<int>(m_definition.blocks.size()))
            fail(QStringLiteral("block %1 is out of order; blocks are numbered 0, 1, 2, ... in order")
                     .arg(definition.index));
        if (definition.profileKey.contains(QLatin1Char(' ')))
            fail(QStringLiteral("the profile key \"%1\" contains a blank").arg(definition.profileKey));
        m_definition.blocks.push_back(std::move(definition));
    }

    void nv(const QStringList& words)
    {
        require(words, 5, "nv INDEX NAME input|output TYPE [DEFAULT]");
        NvDefinition definition;
        definition.index = number(words[1], "NV index");
        definition.name = words[2];
        if (words[3] == QLatin1String("output"))
            definition.output = true;
        else if (words[3] != QLatin1String("input"))
            fail(QStringLiteral("direction \"%1\" is neither input nor output").arg(words[3]));
        definition.type = type(words[4]);
        definition.defaultValue = stored(
            definition.type, words[5].isEmpty() ? value_codec::defaultValue(definition.type) : words[5]);
        if (m_definition.findNv(definition.index))
            fail(QStringLiteral("NV index %1 is declared twice").arg(definition.index));
        if (m_definition.findNv(definition.name))
            fail(QStringLiteral("NV name %1 is declared twice").arg(definition.name));
        m_definition.nvs.push_back(std::move(definition));
    }

    void cp(const QStringList& words)
    {
        require(words, 7, "cp OWNER SCOPE:INDEX NAME TYPE ELEMENTS DEFAULT[;DEFAULT...]");
        CpDefinition definition;
        owner(words[1], definition);
        const QStringList typeKey = words[2].split(QLatin1Char(':'));
        if (typeKey.size() != 2)
            fail(QStringLiteral("\"%1\" is not SCOPE:INDEX").arg(words[2]));
        definition.scope = number(typeKey[0], "scope");
        definition.typeIndex = number(typeKey[1], "type index");
        definition.name = words[3];
        definition.type = type(words[4]);
        const int elements = number(words[5], "element count");
        if (elements < 1)
            fail(QStringLiteral("a property has at least one element"));
        const QStringList defaults = words[6].split(QLatin1Char(';'));
        if (defaults.size() != 1 && defaults.size() != elements)
            fail(QStringLiteral("%1 defaults for %2 elements").arg(defaults.size()).arg(elements));
        for (int element = 0; element < elements; ++element)
            definition.defaults.append(
                stored(definition.type, defaults[defaults.size() == 1 ? 0 : element].trimmed()));
        m_cps.push_back({m_line, std::move(definition)});
    }

    void owner(const QString& text, CpDefinition& definition) const
    {
        if (text == QLatin1String("device")) {
            definition.ownerKind = CpOwnerKind::Interface;
            return;
        }
        const QStringList parts = text.split(QLatin1Char(':'));
        if (parts.size() == 2 && parts[0] == QLatin1String("block"))
            definition.ownerKind = CpOwnerKind::Block;
        else if (parts.size() == 2 && parts[0] == QLatin1String("nv"))
            definition.ownerKind = CpOwnerKind::Nv;
        else
            fail(QStringLiteral("owner \"%1\" is none of block:B, nv:N, device").arg(text));
        definition.ownerIndex = number(parts[1], "owner index");
    }

    // Owners are checked at the end so that properties may come before the NVs they apply to.
    void finish()
    {
        if (m_definition.programId.isEmpty()) {
            m_line = 0;
            fail(QStringLiteral("no program-id declaration"));
        }
        for (auto& [line, definition] : m_cps) {
            m_line = line;
            if (definition.ownerKind == CpOwnerKind::Block &&
                definition.ownerIndex >= static_cast<int>(m_definition.blocks.size()))
                fail(QStringLiteral("block %1 is not declared").arg(definition.ownerIndex));
            if (definition.ownerKind == CpOwnerKind::Nv && !m_definition.findNv(definition.ownerIndex))
                fail(QStringLiteral("NV %1 is not declared").arg(definition.ownerIndex));
            if (m_definition.findCp(definition.ownerKind, definition.ownerIndex, definition.scope,
                                    definition.typeIndex))
                fail(QStringLiteral("property %1:%2 is declared twice for the same owner")
                         .arg(definition.scope)
                         .arg(definition.typeIndex));
            m_definition.cps.push_back(std::move(definition));
        }
    }

    QString m_source;
    int m_line = 0;
    InterfaceDefinition m_definition;
    std::vector<std::pair<int, CpDefinition>> m_cps;
};

} // namespace

QString readFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw lns::Error(
            lns::errors::NotFound,
            QStringLiteral("The device interface file %1 cannot be read: %2").arg(path, file.errorString()));
    return QString::fromUtf8(file.readAll());
}

InterfaceDefinition parse(const QString& text, const QString& sourceName)
{
    return Parser(sourceName).run(text);
}

} // namespace lnssim::xif_reader
