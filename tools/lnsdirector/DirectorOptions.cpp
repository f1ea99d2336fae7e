#include "DirectorOptions.h"

#include "CommandArguments.h"
#include "UsageError.h"

#include <QRegularExpression>

namespace {

std::optional<int> number(const QString& text)
{
    bool valid = false;
    const int value = text.toInt(&valid);
    return valid ? std::optional<int>(value) : std::nullopt;
}

} // namespace

QString DirectorOptions::usage()
{
    return QStringLiteral(
        "Usage:\n"
        "  lnsdirector plugins\n"
        "  lnsdirector [OPTIONS] register\n"
        "  lnsdirector [OPTIONS] deregister\n"
        "  lnsdirector [OPTIONS] open OBJECTNAME [--command 13|10000] [--class N]\n"
        "  lnsdirector --help | --version\n"
        "\n"
        "Drives a registered LNS plug-in over the D-Bus session bus, as a network tool does.\n"
        "\n"
        "Options:\n"
        "  --plugin KEY        the plug-in's registry key (needed when several are registered)\n"
        "  --network NAME      the network the plug-in opens (networkName)\n"
        "  --interface NAME    the network interface (NetworkInterfaceName)\n"
        "  --remote            open the object server for remote access (Remote)\n"
        "  --hidden            keep the plug-in's window hidden\n"
        "  --wait              show the window and wait until it is closed, even without a display\n"
        "                      (without one, open keeps the window hidden unless this is given)\n"
        "  --geometry WxH+X+Y  the window's size and position in pixels\n"
        "  --timeout SECONDS   how long a command may take (default 600)\n"
        "\n"
        "Exit status: 0 done; 1 bad command line or registry; 2 the bus failed; 3 the plug-in\n"
        "reported an error (printed with its number).\n");
}

std::optional<QRect> DirectorOptions::parseGeometry(const QString& text)
{
    // Each offset starts with its own sign; "+-10" is a negative offset as well.
    static const QRegularExpression form(QStringLiteral("^(\\d+)x(\\d+)(\\+-?\\d+|-\\d+)(\\+-?\\d+|-\\d+)$"));
    const QRegularExpressionMatch match = form.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    const auto offset = [&](int group) {
        QString digits = match.captured(group);
        if (digits.startsWith(QLatin1Char('+')))
            digits.remove(0, 1);
        return number(digits);
    };
    const auto width = number(match.captured(1));
    const auto height = number(match.captured(2));
    const auto left = offset(3);
    const auto top = offset(4);
    if (!width || !height || !left || !top)
        return std::nullopt;
    return QRect(*left, *top, *width, *height);
}

DirectorOptions DirectorOptions::parse(const QStringList& arguments)
{
    const QString commandOption = QStringLiteral("--command");
    const QString classOption = QStringLiteral("--class");
    const CommandArguments words(
        arguments,
        {QStringLiteral("--plugin"), QStringLiteral("--network"), QStringLiteral("--interface"),
         QStringLiteral("--geometry"), QStringLiteral("--timeout"), commandOption, classOption},
        {QStringLiteral("--remote"), QStringLiteral("--hidden"), QStringLiteral("--wait")});
    DirectorOptions options;
    options.plugInKey = words.option(QStringLiteral("--plugin")).value_or(QString());
    options.networkName = words.option(QStringLiteral("--network"));
    options.interfaceName = words.option(QStringLiteral("--interface"));
    options.remote = words.flag(QStringLiteral("--remote"));
    options.hidden = words.flag(QStringLiteral("--hidden"));
    options.wait = words.flag(QStringLiteral("--wait"));
    if (const std::optional<QString> text = words.option(QStringLiteral("--geometry"))) {
        options.geometry = parseGeometry(*text);
        if (!options.geometry)
            throw UsageError(
                QStringLiteral("--geometry takes WxH+X+Y, for example 900x700+40+30; got \"%1\"").arg(*text));
    }
    if (const std::optional<QString> text = words.option(QStringLiteral("--timeout"))) {
        const std::optional<int> seconds = number(*text);
        if (!seconds || *seconds <= 0)
            throw UsageError(QStringLiteral("--timeout takes a number of seconds; got \"%1\"").arg(*text));
        options.timeoutSeconds = *seconds;
    }
    if (const std::optional<QString> text = words.option(commandOption)) {
        const std::optional<int> id = number(*text);
        if (!id)
            throw UsageError(
                QStringLiteral("--command takes a command id (13 or 10000); got \"%1\"").arg(*text));
        options.commandId = *id;
    }
    if (const std::optional<QString> text = words.option(classOption)) {
        const std::optional<int> id = number(*text);
        if (!id || *id < -32768 || *id > 32767)
            throw UsageError(
                QStringLiteral("--class takes an object class id (-32768..32767); got \"%1\"").arg(*text));
        options.objectClassId = static_cast<qint16>(*id);
    }

    QStringList positional;
    for (int position = 0; position < words.count(); ++position)
        positional.append(words.at(position));
    const QString verb = positional.value(0);
    if (verb == QLatin1String("plugins") && positional.size() == 1) {
        options.action = Action::ListPlugIns;
    } else if (verb == QLatin1String("register") && positional.size() == 1) {
        options.action = Action::Register;
    } else if (verb == QLatin1String("deregister") && positional.size() == 1) {
        options.action = Action::Deregister;
    } else if (verb == QLatin1String("open") && positional.size() == 2) {
        options.action = Action::Open;
        options.objectName = positional.at(1);
        return options;
    } else if (verb == QLatin1String("open")) {
        throw UsageError(QStringLiteral(
            "open takes one object name, for example \"Demo/Building/Floor 1:F1/Room 1:ROU_1\""));
    } else if (positional.isEmpty()) {
        throw UsageError(QStringLiteral("no command given"));
    } else {
        throw UsageError(QStringLiteral("unknown command \"%1\"").arg(positional.join(QLatin1Char(' '))));
    }
    if (words.given({commandOption, classOption}) > 0)
        throw UsageError(QStringLiteral("--command and --class belong to open"));
    return options;
}
