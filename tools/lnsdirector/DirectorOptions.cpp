#include "DirectorOptions.h"

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

DirectorOptions DirectorOptions::parse(const QStringList& arguments, QString& error)
{
    DirectorOptions options;
    error.clear();
    QStringList words;
    bool commandGiven = false;
    bool classGiven = false;

    for (int i = 0; i < arguments.size() && error.isEmpty(); ++i) {
        const QString& argument = arguments.at(i);
        const auto value = [&]() -> std::optional<QString> {
            if (i + 1 >= arguments.size()) {
                error = argument + QStringLiteral(" needs a value");
                return std::nullopt;
            }
            return arguments.at(++i);
        };
        if (argument == QLatin1String("--plugin")) {
            options.plugInKey = value().value_or(QString());
        } else if (argument == QLatin1String("--network")) {
            options.networkName = value();
        } else if (argument == QLatin1String("--interface")) {
            options.interfaceName = value();
        } else if (argument == QLatin1String("--remote")) {
            options.remote = true;
        } else if (argument == QLatin1String("--hidden")) {
            options.hidden = true;
        } else if (argument == QLatin1String("--wait")) {
            options.wait = true;
        } else if (argument == QLatin1String("--geometry")) {
            if (const auto text = value()) {
                options.geometry = parseGeometry(*text);
                if (!options.geometry)
                    error = QStringLiteral("--geometry takes WxH+X+Y, for example 900x700+40+30; got \"") +
                            *text + QStringLiteral("\"");
            }
        } else if (argument == QLatin1String("--timeout")) {
            if (const auto text = value()) {
                const auto seconds = number(*text);
                if (!seconds || *seconds <= 0)
                    error = QStringLiteral("--timeout takes a number of seconds; got \"") + *text +
                            QStringLiteral("\"");
                else
                    options.timeoutSeconds = *seconds;
            }
        } else if (argument == QLatin1String("--command")) {
            if (const auto text = value()) {
                const auto id = number(*text);
                if (!id)
                    error = QStringLiteral("--command takes a command id (13 or 10000); got \"") + *text +
                            QStringLiteral("\"");
                else
                    options.commandId = *id;
                commandGiven = true;
            }
        } else if (argument == QLatin1String("--class")) {
            if (const auto text = value()) {
                const auto id = number(*text);
                if (!id || *id < -32768 || *id > 32767)
                    error = QStringLiteral("--class takes an object class id (-32768..32767); got \"") +
                            *text + QStringLiteral("\"");
                else
                    options.objectClassId = static_cast<qint16>(*id);
                classGiven = true;
            }
        } else if (argument.startsWith(QLatin1String("--"))) {
            error = QStringLiteral("unknown option ") + argument;
        } else {
            words.append(argument);
        }
    }
    if (!error.isEmpty())
        return options;

    const QString verb = words.value(0);
    if (verb == QLatin1String("plugins") && words.size() == 1) {
        options.action = Action::ListPlugIns;
    } else if (verb == QLatin1String("register") && words.size() == 1) {
        options.action = Action::Register;
    } else if (verb == QLatin1String("deregister") && words.size() == 1) {
        options.action = Action::Deregister;
    } else if (verb == QLatin1String("open") && words.size() == 2) {
        options.action = Action::Open;
        options.objectName = words.at(1);
    } else if (verb == QLatin1String("open")) {
        error = QStringLiteral(
            "open takes one object name, for example \"Demo/Building/Floor 1:F1/Room 1:ROU_1\"");
    } else if (words.isEmpty()) {
        error = QStringLiteral("no command given");
    } else {
        error = QStringLiteral("unknown command \"") + words.join(QLatin1Char(' ')) + QStringLiteral("\"");
    }
    if (error.isEmpty() && options.action != Action::Open && (commandGiven || classGiven))
        error = QStringLiteral("--command and --class belong to open");
    return options;
}
