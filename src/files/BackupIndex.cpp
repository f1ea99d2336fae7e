#include "files/BackupIndex.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QSet>

namespace {

const QString Format = QStringLiteral("zep31-backup");
constexpr int Version = 1;
// Far more than the index of the largest network; a larger file is not an index.
constexpr qint64 LargestIndex = 64 * 1024 * 1024;
// File names stay well below the 255 bytes every Linux file system allows.
constexpr int LongestName = 180;
constexpr int KeptOfLongName = 160;

const QString Saved = QStringLiteral("saved");
const QString Failed = QStringLiteral("failed");

bool safe(char byte)
{
    return (byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z') || (byte >= '0' && byte <= '9') ||
           byte == '.' || byte == '_' || byte == '-';
}

QString encoded(const QString& text)
{
    QString result;
    for (const char byte : text.toUtf8()) {
        if (safe(byte))
            result += QLatin1Char(byte);
        else
            result += QStringLiteral("%%1").arg(static_cast<uchar>(byte), 2, 16, QLatin1Char('0')).toUpper();
    }
    return result;
}

// Reads the entries' fields; the first problem ends the reading.
class Reader final
{
public:
    explicit Reader(QString where) : m_where(std::move(where)) {}

    QString text(const QJsonObject& object, const QString& key, bool required = true)
    {
        const QJsonValue value = object.value(key);
        if (value.isUndefined() && !required)
            return QString();
        if (!value.isString())
            fail(QStringLiteral("\"%1\" is missing or not a text").arg(key));
        return value.toString();
    }

    void fail(const QString& problem)
    {
        if (error.isEmpty())
            error = m_where + problem;
    }

    QString error;

private:
    QString m_where;
};

} // namespace

QByteArray BackupIndex::toJson() const
{
    QJsonArray entries;
    for (const Entry& entry : devices) {
        QJsonObject object{{QStringLiteral("path"), entry.path()},
                           {QStringLiteral("neuronId"), entry.neuronId},
                           {QStringLiteral("programId"), entry.programId},
                           {QStringLiteral("state"), entry.state},
                           {QStringLiteral("status"), entry.failed() ? Failed : Saved}};
        if (!entry.file.isEmpty()) {
            object.insert(QStringLiteral("file"), entry.file);
            object.insert(QStringLiteral("sha256"), entry.sha256);
            object.insert(QStringLiteral("time"), entry.time);
        }
        if (entry.failed())
            object.insert(QStringLiteral("error"), entry.error);
        entries.append(object);
    }
    QJsonObject document{{QStringLiteral("format"), Format},
                         {QStringLiteral("version"), Version},
                         {QStringLiteral("network"), network},
                         {QStringLiteral("created"), created},
                         {QStringLiteral("devices"), entries}};
    if (!programId.isEmpty())
        document.insert(QStringLiteral("programId"), programId);
    return QJsonDocument(document).toJson(QJsonDocument::Indented);
}

Expected<BackupIndex> BackupIndex::fromJson(const QByteArray& json)
{
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(json, &parseError);
    if (parseError.error != QJsonParseError::NoError)
        return Failure{QStringLiteral("it is not JSON (%1 at byte %2)")
                           .arg(parseError.errorString())
                           .arg(parseError.offset)};
    const QJsonObject root = document.object();
    if (root.value(QStringLiteral("format")).toString() != Format ||
        root.value(QStringLiteral("version")) != QJsonValue(Version))
        return Failure{QStringLiteral("it is not the index of a backup of version %1 (\"format\": \"%2\")")
                           .arg(Version)
                           .arg(Format)};
    Reader top(QString{});
    BackupIndex index;
    index.network = top.text(root, QStringLiteral("network"));
    index.created = top.text(root, QStringLiteral("created"));
    index.programId = top.text(root, QStringLiteral("programId"), false);
    if (!root.value(QStringLiteral("devices")).isArray())
        top.fail(QStringLiteral("\"devices\" is missing or not a list"));
    if (!top.error.isEmpty())
        return Failure{top.error};

    static const QRegularExpression hash(QStringLiteral("^[0-9a-f]{64}$"));
    QSet<QString> paths;
    QSet<QString> neuronIds;
    const QJsonArray entries = root.value(QStringLiteral("devices")).toArray();
    for (qsizetype number = 0; number < entries.size(); ++number) {
        Reader reader(QStringLiteral("device %1: ").arg(number + 1));
        const QJsonObject object = entries.at(number).toObject();
        if (!entries.at(number).isObject())
            reader.fail(QStringLiteral("it is not an object"));
        Entry entry;
        const QString path = reader.text(object, QStringLiteral("path"));
        const QStringList parts = path.split(QLatin1Char('/'));
        if (reader.error.isEmpty() &&
            (parts.size() != 2 || parts.at(0).trimmed().isEmpty() || parts.at(1).trimmed().isEmpty()))
            reader.fail(QStringLiteral("the path \"%1\" is not SUBSYSTEM/DEVICE").arg(path));
        if (reader.error.isEmpty()) {
            entry.subsystem = parts.at(0);
            entry.device = parts.at(1);
        }
        entry.neuronId = reader.text(object, QStringLiteral("neuronId"));
        entry.programId = reader.text(object, QStringLiteral("programId"));
        entry.state = reader.text(object, QStringLiteral("state"));
        const QString status = reader.text(object, QStringLiteral("status"));
        if (reader.error.isEmpty() && status != Saved && status != Failed)
            reader.fail(QStringLiteral("the status \"%1\" is neither saved nor failed").arg(status));
        entry.file = reader.text(object, QStringLiteral("file"), status == Saved);
        if (!entry.file.isEmpty()) {
            entry.sha256 = reader.text(object, QStringLiteral("sha256"));
            entry.time = reader.text(object, QStringLiteral("time"));
            if (reader.error.isEmpty() && entry.file != fileName(entry.subsystem, entry.device))
                reader.fail(QStringLiteral("the file \"%1\" is not the file of %2").arg(entry.file, path));
            if (reader.error.isEmpty() && !hash.match(entry.sha256).hasMatch())
                reader.fail(QStringLiteral("\"sha256\" is not 64 hexadecimal digits"));
        }
        if (status == Failed) {
            entry.error = reader.text(object, QStringLiteral("error"));
            if (reader.error.isEmpty() && entry.error.isEmpty())
                reader.fail(QStringLiteral("a failed device without its \"error\""));
        }
        if (reader.error.isEmpty() && paths.contains(path))
            reader.fail(QStringLiteral("%1 is listed twice").arg(path));
        // A unit whose identity could not be read has none to repeat.
        if (reader.error.isEmpty() && !entry.neuronId.isEmpty() && neuronIds.contains(entry.neuronId))
            reader.fail(QStringLiteral("the Neuron ID %1 is listed twice").arg(entry.neuronId));
        if (!reader.error.isEmpty())
            return Failure{reader.error};
        paths.insert(path);
        neuronIds.insert(entry.neuronId);
        index.devices.append(entry);
    }
    return index;
}

Expected<BackupIndex> BackupIndex::read(const QString& folder)
{
    QFile file(QDir(folder).filePath(FileName));
    if (!file.open(QIODevice::ReadOnly))
        return Failure{QDir(folder).exists()
                           ? QStringLiteral("%1 holds no readable %2: it is not a backup (%3)")
                                 .arg(folder, FileName, file.errorString())
                           : QStringLiteral("There is no folder %1.").arg(folder)};
    if (file.size() > LargestIndex)
        return Failure{QStringLiteral("%1 is %2 bytes long; an index has at most %3.")
                           .arg(file.fileName())
                           .arg(file.size())
                           .arg(LargestIndex)};
    Expected<BackupIndex> parsed = fromJson(file.readAll());
    if (!parsed)
        return Failure{file.fileName() + QStringLiteral(" is malformed: ") + parsed.error()};
    return parsed;
}

QString BackupIndex::fileName(const QString& subsystem, const QString& device)
{
    const QString path = subsystem + QLatin1Char('/') + device;
    QString name = encoded(path);
    if (name.size() > LongestName) {
        // "~" is encoded everywhere else, so a shortened name never equals a whole one.
        qsizetype kept = KeptOfLongName;
        while (name.at(kept - 1) == QLatin1Char('%') || name.at(kept - 2) == QLatin1Char('%'))
            --kept;
        name = name.left(kept) + QLatin1Char('~') + sha256(path.toUtf8()).left(16);
    }
    return name + QStringLiteral(".par");
}

QString BackupIndex::sha256(const QByteArray& bytes)
{
    return QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex());
}

Expected<ParameterSet> BackupIndex::readSet(const QString& folder, const Entry& entry,
                                            const QString& decimalSeparator)
{
    if (entry.file.isEmpty())
        return Failure{QStringLiteral("the backup holds no file of it (%1)").arg(entry.error)};
    QFile file(QDir(folder).filePath(entry.file));
    if (!file.open(QIODevice::ReadOnly))
        return Failure{QStringLiteral("%1 cannot be read: %2").arg(entry.file, file.errorString())};
    if (file.size() > ParameterRecords::MaxFileBytes)
        return Failure{QStringLiteral("%1 is larger than any parameter file").arg(entry.file)};
    const QByteArray bytes = file.readAll();
    if (sha256(bytes) != entry.sha256)
        return Failure{
            QStringLiteral("%1 does not match its SHA-256 in the index: it was changed after the backup")
                .arg(entry.file)};
    const Expected<ParameterSet> decoded = ParameterFile::decode(bytes, decimalSeparator);
    if (!decoded)
        return Failure{entry.file + QStringLiteral(": ") + decoded.error()};
    return decoded;
}
