#include "Zep31Ctl.h"

#include "ApplyCommand.h"
#include "BackupCommand.h"
#include "CommandArguments.h"
#include "CommandFailure.h"
#include "CountInWords.h"
#include "DeviceOutput.h"
#include "DriftCommand.h"
#include "NetworkSession.h"
#include "RestoreCommand.h"
#include "UsageError.h"
#include "files/DeviceReport.h"
#include "files/ParameterFile.h"
#include "files/ParameterRecords.h"
#include "files/ParameterText.h"
#include "files/ReportData.h"
#include "files/ui/ReportPrinter.h"
#include "host/AtomicFile.h"
#include "host/PlugInIdentity.h"
#include "host/catalogue/CatalogueTables.h"
#include "host/object_server/AppDevice.h"
#include "host/object_server/Error.h"
#include "transfer/ChannelWorkers.h"
#include "transfer/DeviceTransfer.h"
#include "transfer/ParameterSetWriter.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QPrinter>
#include <QRegularExpression>
#include <QTextStream>
#include <limits>

namespace {

const QString FormatOption = QStringLiteral("--format");
const QString ProgramIdOption = QStringLiteral("--program-id");

DeviceOutput::Format outputFormat(const CommandArguments& arguments)
{
    return DeviceOutput::format(arguments.option(FormatOption).value_or(QStringLiteral("text")));
}

DeviceOutput::Identity identityOf(const NetworkSession& session, const NetworkSession::Device& device)
{
    const lns::AppDevice& appDevice = *device.device;
    return {appDevice.name(), device.subsystem, appDevice.neuronId(), appDevice.programId(),
            session.stateText(appDevice)};
}

QString deviceName(const NetworkSession::Device& device)
{
    return device.subsystem + QLatin1Char('/') + device.device->name();
}

// A file the command writes at its end, checked before the work that fills it begins.
void requireWritable(const QString& path)
{
    if (const Expected<void> writable = AtomicFile::probe(path); !writable)
        throw CommandFailure(QStringLiteral("%1 cannot be written: %2").arg(path, writable.error()));
}

void writeWhole(const QString& path, const QByteArray& content)
{
    if (const Expected<void> written = AtomicFile::write(path, content); !written)
        throw CommandFailure(
            QStringLiteral("%1 could not be written: %2; an existing file is left as it was.")
                .arg(path, written.error()),
            CommandFailure::Failed);
}

// The whole of an input file, refused when it is larger than any file of its kind can be.
QByteArray readInput(const QString& path, qint64 largest)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw CommandFailure(QStringLiteral("%1 cannot be read: %2").arg(path, file.errorString()));
    if (file.size() > largest)
        throw CommandFailure(QStringLiteral("%1 is %2 bytes long; a file of its kind has at most %3.")
                                 .arg(path)
                                 .arg(file.size())
                                 .arg(largest));
    return file.readAll();
}

// A readable form spells every byte of a record in at most a few characters (JSON escapes take six).
constexpr qint64 LargestTextForm = 8 * ParameterRecords::MaxFileBytes;

} // namespace

Zep31Ctl::Zep31Ctl(QTextStream& out, QTextStream& err) : m_out(out), m_err(err) {}

// The commands, each with its usage after its name (a line break goes on in an indented line), the
// method that runs it and whether it draws text. The usage is also what the command line is parsed
// by: "--name VALUE" (or "--name a|b") takes a value, a bare "--name" is a flag.
struct Zep31Ctl::Command
{
    const char* name;
    const char* synopsis;
    int (Zep31Ctl::*run)(const CommandArguments& arguments);
    bool drawsText = false;
};

const std::vector<Zep31Ctl::Command>& Zep31Ctl::commands()
{
    static const std::vector<Command> table{
        {"devices", "NETWORK [--program-id ID] [--format text|json|csv]", &Zep31Ctl::devices},
        {"read", "NETWORK DEVICE [--format text|json|csv]", &Zep31Ctl::read},
        {"save", "NETWORK DEVICE FILE.par", &Zep31Ctl::save},
        {"apply",
         "NETWORK FILE.par (DEVICE... [--program-id ID] | --program-id ID) [--force-program-id]\n"
         "[--only-changed] [--dry-run] [--report FILE.json|FILE.csv] [--verbose]\n"
         "[--format text|json|csv] [--jobs N]",
         &Zep31Ctl::apply},
        {"diff", "NETWORK DEVICE (DEVICE | FILE.par) [--format text|json|csv]", &Zep31Ctl::diff},
        {"export", "FILE.par --format json|csv", &Zep31Ctl::exportFile},
        {"import", "FILE.json|FILE.csv FILE.par", &Zep31Ctl::importFile},
        {"report",
         "NETWORK DEVICE --pdf FILE [--cp] [--nvi] [--nvo] [--header-only]\n[--language german|english]",
         &Zep31Ctl::report, true},
        {"backup", "NETWORK FOLDER [--program-id ID]", &Zep31Ctl::backup},
        {"restore",
         "NETWORK FOLDER [DEVICE...] [--by-neuron-id] [--force-program-id] [--dry-run]\n"
         "[--report FILE.json|FILE.csv] [--format text|json|csv] [--jobs N]",
         &Zep31Ctl::restore},
        {"drift", "NETWORK FOLDER [--format text|json|csv]", &Zep31Ctl::drift},
    };
    return table;
}

const Zep31Ctl::Command* Zep31Ctl::command(const QString& name)
{
    for (const Command& command : commands())
        if (name == QLatin1String(command.name))
            return &command;
    return nullptr;
}

QString Zep31Ctl::usage()
{
    QString lines;
    for (const Command& command : commands())
        lines += QStringLiteral("  %1 %2\n")
                     .arg(QLatin1String(command.name),
                          QString::fromLatin1(command.synopsis)
                              .replace(QLatin1Char('\n'), QStringLiteral("\n        ")));
    return QStringLiteral("Usage: zep31ctl COMMAND [ARGUMENTS]\n"
                          "       zep31ctl --help | --version\n"
                          "Configures ZEP31 room units of a network of the LonWorks home without a window.\n"
                          "\n"
                          "Commands:\n") +
           lines +
           QStringLiteral(
               "\n"
               "DEVICE is SUBSYSTEM/NAME, or NAME when only one subsystem holds it. An option's value may\n"
               "follow it or be joined to it with \"=\"; a value that begins with \"--\" must be joined.\n"
               "apply writes the CPs of the file that the window synchronises; the others stay untouched.\n"
               "report prints every list unless lists or --header-only are chosen, in the registered\n"
               "language unless --language says otherwise.\n"
               "Before it writes anything it checks, for the whole run: every value of the file (its type "
               "and\n"
               "the limits of the window's fields), the devices (every one a ZEP31 of the run's program ID:\n"
               "--program-id, else that of the first device named; --force-program-id lets another ZEP31\n"
               "program ID pass) and the report file. One check failing writes nothing (status 2); "
               "--dry-run\n"
               "makes these checks and shows what would change.\n"
               "A device's CPs go as one set, which the device takes wholly or not at all. A set that fails "
               "is\n"
               "repeated %1 times; then the device is reported failed, holding its old values, and the run "
               "goes on.\n"
               "Devices of different channels are written at once, one device at a time per channel: --jobs "
               "N\n"
               "writes at most N devices at once (default: one per channel, at most %2; 1 writes them in "
               "turn).\n"
               "SIGINT or SIGTERM ends apply after the sets under way; the report says how far it got.\n"
               "--format json or csv writes for programs; apply and restore then print their report instead "
               "of\n"
               "a line per device.\n"
               "backup saves every ZEP31 of the network (of --program-id, if given) into FOLDER, a file per\n"
               "device and index.json, replacing an earlier backup there whole or not at all. restore "
               "writes\n"
               "each device its own file, found by the device's path (a replaced unit gets its "
               "predecessor's)\n"
               "or, with --by-neuron-id, by its Neuron ID, after the checks of apply; every CP is written,\n"
               "SCPToffsetTemp too. drift names the CPs that differ from the backup and the devices added,\n"
               "missing, replaced or unreadable.\n"
               "Exit status: 0 done, 1 a device failed, a file could not be written or (diff) the points\n"
               "differ, (backup) a device could not be read, (drift) something drifted; 2 a wrong command "
               "line,\n"
               "network, device or file (nothing written); 3 apply, restore or backup interrupted.\n")
               .arg(countInWords(DeviceTransfer::Retries.silentRetries))
               .arg(ChannelWorkers::Bound);
}

bool Zep31Ctl::needsFonts(const QStringList& arguments)
{
    const Command* found = arguments.isEmpty() ? nullptr : command(arguments.front());
    return found && found->drawsText;
}

int Zep31Ctl::run(const QStringList& arguments)
{
    if (arguments.isEmpty() || arguments.front() == QLatin1String("--help") ||
        arguments.front() == QLatin1String("-h")) {
        (arguments.isEmpty() ? m_err : m_out) << usage() << Qt::flush;
        return arguments.isEmpty() ? CommandFailure::BadInput : 0;
    }
    if (arguments.front() == QLatin1String("--version")) {
        m_out << plugin_identity::versionLine(QStringLiteral("zep31ctl")) << Qt::endl;
        return 0;
    }
    int status = CommandFailure::BadInput;
    try {
        status = dispatch(arguments.front(), arguments.mid(1));
    } catch (const UsageError& error) {
        m_err << "zep31ctl: " << error.message() << "\nTry zep31ctl --help." << Qt::endl;
    } catch (const CommandFailure& failure) {
        m_err << "zep31ctl: " << failure.message() << Qt::endl;
        status = failure.status();
    }
    // Output that never arrived (a full disk behind a redirection) is a failure like any other.
    m_out.flush();
    if (m_out.status() != QTextStream::Ok) {
        m_err << "zep31ctl: the output could not be written completely" << Qt::endl;
        return status == 0 ? static_cast<int>(CommandFailure::Failed) : status;
    }
    return status;
}

int Zep31Ctl::dispatch(const QString& name, const QStringList& words)
{
    const Command* found = command(name);
    if (!found)
        throw UsageError(QStringLiteral("Unknown command \"%1\"").arg(name));
    // The options as the usage names them.
    static const QRegularExpression option(QStringLiteral("(--[a-z][a-z-]*)( [A-Za-z])?"));
    QStringList valueOptions;
    QStringList flags;
    for (const QRegularExpressionMatch& match : option.globalMatch(QString::fromLatin1(found->synopsis))) {
        QStringList& kind = match.captured(2).isEmpty() ? flags : valueOptions;
        if (!kind.contains(match.captured(1)))
            kind.append(match.captured(1));
    }
    return (this->*found->run)(CommandArguments(words, valueOptions, flags));
}

int Zep31Ctl::backup(const CommandArguments& arguments)
{
    return BackupCommand(m_out, m_err).run(arguments);
}

int Zep31Ctl::restore(const CommandArguments& arguments)
{
    return RestoreCommand(m_out, m_err).run(arguments);
}

int Zep31Ctl::drift(const CommandArguments& arguments)
{
    return DriftCommand(m_out, m_err).run(arguments);
}

int Zep31Ctl::devices(const CommandArguments& arguments)
{
    arguments.requirePositional(1, 1);
    const DeviceOutput::Format format = outputFormat(arguments);
    const NetworkSession session(arguments.at(0));
    QList<DeviceOutput::Identity> listed;
    const std::optional<QString> programId = arguments.option(ProgramIdOption);
    for (const NetworkSession::Device& device : programId ? session.devicesOf(*programId) : session.devices())
        listed.append(identityOf(session, device));
    DeviceOutput::writeDevices(m_out, format, arguments.at(0), listed);
    return 0;
}

int Zep31Ctl::read(const CommandArguments& arguments)
{
    arguments.requirePositional(2, 2);
    const DeviceOutput::Format format = outputFormat(arguments);
    NetworkSession session(arguments.at(0));
    const NetworkSession::Device device = session.device(arguments.at(1));
    const ParameterSet set = session.read(device);
    DeviceOutput::write(m_out, format, identityOf(session, device),
                        DeviceOutput::rows(session.points(), set));
    return 0;
}

int Zep31Ctl::save(const CommandArguments& arguments)
{
    arguments.requirePositional(3, 3);
    NetworkSession session(arguments.at(0));
    const NetworkSession::Device device = session.device(arguments.at(1));
    requireWritable(arguments.at(2));
    const Expected<void> saved = ParameterFile::write(arguments.at(2), session.read(device));
    if (!saved)
        throw CommandFailure(saved.error() + QStringLiteral("; an existing file is left as it was."),
                             CommandFailure::Failed);
    m_out << deviceName(device) << " saved to " << arguments.at(2) << Qt::endl;
    return 0;
}

int Zep31Ctl::apply(const CommandArguments& arguments)
{
    arguments.requirePositional(2, std::numeric_limits<int>::max());
    ApplyCommand::Options options;
    options.file = arguments.at(1);
    for (int position = 2; position < arguments.count(); ++position)
        options.devices.append(arguments.at(position));
    options.programId = arguments.option(ProgramIdOption).value_or(QString());
    if (options.devices.isEmpty() && options.programId.isEmpty())
        throw UsageError(QStringLiteral("Name the devices or give --program-id"));
    options.forceProgramId = arguments.flag(QStringLiteral("--force-program-id"));
    options.writer.onlyChanged = arguments.flag(QStringLiteral("--only-changed"));
    options.writer.dryRun = arguments.flag(QStringLiteral("--dry-run"));
    const std::optional<QString> report = arguments.option(QStringLiteral("--report"));
    if (report && report->isEmpty())
        throw UsageError(QStringLiteral("The option --report needs a file name"));
    options.report = report.value_or(QString());
    options.verbose = arguments.flag(QStringLiteral("--verbose"));
    options.format = outputFormat(arguments);
    options.jobs = ApplyCommand::jobsOption(arguments);
    NetworkSession session(arguments.at(0));
    return ApplyCommand(session, m_out, m_err).run(options);
}

int Zep31Ctl::diff(const CommandArguments& arguments)
{
    arguments.requirePositional(3, 3);
    const DeviceOutput::Format format = outputFormat(arguments);
    NetworkSession session(arguments.at(0));
    const QString& separator = session.decimalSeparator();
    const NetworkSession::Device left = session.device(arguments.at(1));
    const ParameterSet leftSet = session.read(left);

    const QString& other = arguments.at(2);
    ParameterSet rightSet;
    QString rightName = other;
    if (other.endsWith(QLatin1String(".par"), Qt::CaseInsensitive) || QFileInfo(other).isFile()) {
        const Expected<ParameterSet> file = ParameterFile::read(other, separator);
        if (!file)
            throw CommandFailure(other + QStringLiteral(": ") + file.error());
        // A file apply would refuse is no ground for "No CP differs".
        const QStringList problems = ParameterSetWriter::problems(session.points(), *file, separator);
        if (!problems.isEmpty()) {
            for (const QString& problem : problems)
                m_err << "zep31ctl: " << other << ": " << problem << '\n';
            throw CommandFailure(other + QStringLiteral(": the file is not fit to be written to a device."));
        }
        rightSet = *file;
    } else {
        const NetworkSession::Device right = session.device(other);
        rightSet = session.read(right);
        rightName = deviceName(right);
    }
    const bool foreign = rightSet.isForeign(separator);

    QList<DeviceOutput::Difference> differences;
    const PointTables& points = session.points();
    for (int position = 0; position < std::min<int>(points.cpCount, ParameterSet::Positions); ++position) {
        const QString mine = leftSet.displayText(position, false, separator);
        // A value the file does not hold is no difference: loading it changes nothing.
        if (!rightSet.holds(position))
            continue;
        const QString theirs = rightSet.displayText(position, foreign, separator);
        if (mine != theirs)
            differences.append({position, DeviceOutput::cpName(points, position), mine, theirs});
    }
    DeviceOutput::writeDifferences(m_out, format, deviceName(left), rightName, differences);
    return differences.isEmpty() ? 0 : static_cast<int>(CommandFailure::Failed);
}

int Zep31Ctl::report(const CommandArguments& arguments)
{
    arguments.requirePositional(2, 2);
    const std::optional<QString> pdf = arguments.option(QStringLiteral("--pdf"));
    if (!pdf)
        throw UsageError(QStringLiteral("Give the PDF file with --pdf FILE"));
    DeviceReport::Choice choice{arguments.flag(QStringLiteral("--cp")),
                                arguments.flag(QStringLiteral("--nvi")),
                                arguments.flag(QStringLiteral("--nvo"))};
    const bool anyList = choice.cps || choice.nvis || choice.nvos;
    // No list chosen has always meant all three; the report of the header alone is asked for by name.
    if (arguments.flag(QStringLiteral("--header-only"))) {
        if (anyList)
            throw UsageError(QStringLiteral("--header-only prints no list; leave out --cp, --nvi and --nvo"));
    } else if (!anyList) {
        choice = {true, true, true};
    }
    const std::optional<catalogue::Language> language = [&]() -> std::optional<catalogue::Language> {
        const std::optional<QString> name = arguments.option(QStringLiteral("--language"));
        if (!name)
            return std::nullopt;
        if (*name == QLatin1String("german"))
            return catalogue::Language::German;
        if (*name == QLatin1String("english"))
            return catalogue::Language::English;
        throw UsageError(QStringLiteral("The language \"%1\" is neither german nor english").arg(*name));
    }();

    NetworkSession session(arguments.at(0));
    const NetworkSession::Device device = session.device(arguments.at(1));
    requireWritable(*pdf);
    const ParameterSet set = session.read(device);
    const DeviceReport::Data data = [&] {
        try {
            return reportData(
                session.points(), device.device.get(),
                [&set](int position, int element) {
                    return set.elements(position)[static_cast<std::size_t>(element)].value_or(QString());
                },
                QDateTime::currentDateTime());
        } catch (const lns::Error& error) {
            throw CommandFailure(deviceName(device) + QStringLiteral(" cannot tell its identity: ") +
                                     error.description(),
                                 CommandFailure::Failed);
        }
    }();

    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(*pdf);
    TextArray<83> texts = session.catalogue().MainTexts;
    if (language)
        catalogue::fillMainTexts(texts, *language);
    const Expected<void> printed = report_printer::print(
        printer, DeviceReport::Texts{texts[9], texts[10], texts[11], texts[12], texts[43]}, data, choice);
    if (!printed)
        throw CommandFailure(
            QStringLiteral("The report could not be written to %1: %2; an existing file is left as it was.")
                .arg(*pdf, printed.error()),
            CommandFailure::Failed);
    m_out << "Report of " << deviceName(device) << " written to " << *pdf << Qt::endl;
    return 0;
}

int Zep31Ctl::exportFile(const CommandArguments& arguments)
{
    arguments.requirePositional(1, 1);
    const DeviceOutput::Format format = outputFormat(arguments);
    if (format == DeviceOutput::Format::Text)
        throw UsageError(QStringLiteral("Export needs --format json or --format csv"));
    const QString& path = arguments.at(0);
    const Expected<ParameterRecords> parsed =
        ParameterRecords::parse(readInput(path, ParameterRecords::MaxFileBytes));
    if (!parsed)
        throw CommandFailure(path + QStringLiteral(": ") + parsed.error());
    m_out << QString::fromUtf8(format == DeviceOutput::Format::Json ? ParameterText::toJson(*parsed)
                                                                    : ParameterText::toCsv(*parsed))
          << Qt::flush;
    return 0;
}

int Zep31Ctl::importFile(const CommandArguments& arguments)
{
    arguments.requirePositional(2, 2);
    const QString& source = arguments.at(0);
    const QString& target = arguments.at(1);
    requireWritable(target);
    const QByteArray text = readInput(source, LargestTextForm);
    const bool csv = QFileInfo(source).suffix().compare(QLatin1String("csv"), Qt::CaseInsensitive) == 0;
    const Expected<ParameterRecords> read =
        csv ? ParameterText::fromCsv(text) : ParameterText::fromJson(text);
    if (!read)
        throw CommandFailure(source + QStringLiteral(": ") + read.error());
    writeWhole(target, read->compose());
    m_out << source << " written to " << target << Qt::endl;
    return 0;
}
