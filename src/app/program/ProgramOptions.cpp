#include "program/ProgramOptions.h"

#include "dialogs/ApplicationTitle.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <cstdio>
#include <cstdlib>

namespace app {

namespace {

// Named and worded as every Qt program names them.
struct ProgramOptions final
{
    QCommandLineOption help { { QStringLiteral("h"), QStringLiteral("help") },
        QStringLiteral("Displays help on commandline options.") };
    QCommandLineOption version { { QStringLiteral("v"), QStringLiteral("version") },
        QStringLiteral("Displays version information.") };
};

// A single-dash word is one option, so that Qt's -reverse does not read as -r -e -v -e -r -s -e.
bool parse(QCommandLineParser& parser, const ProgramOptions& options, const QStringList& arguments)
{
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(QStringLiteral(
        "Corvanta, a personal-finance calculator for home buyers, borrowers and savers, opens its window.\n"
        "It also takes Qt's options for the window, such as -platform NAME, -style NAME and -reverse."));
    parser.addOption(options.help);
    parser.addOption(options.version);
    parser.addPositionalArgument(QStringLiteral("FILE"),
        QStringLiteral("A scenario saved by Corvanta, opened at start."), QStringLiteral("[FILE]"));
    return parser.parse(arguments);
}

// False when the text could not be written, to a closed or full output: the exit status then says so.
bool write(std::FILE* stream, const QString& text)
{
    return std::fputs(text.toLocal8Bit().constData(), stream) != EOF && std::fflush(stream) == 0;
}

int exitStatus(bool written)
{
    return written ? EXIT_SUCCESS : EXIT_FAILURE;
}

} // namespace

std::optional<int> answerOnTerminal(int& argc, char* argv[])
{
    if (argc < 1)
        return std::nullopt;
    QStringList arguments;
    for (int index = 0; index < argc; ++index)
        arguments.append(QString::fromLocal8Bit(argv[index]));
    QCommandLineParser parser;
    const ProgramOptions options;
    // An option unknown here may be one of Qt's, which only QApplication knows: refuseUnknownArguments judges it.
    parse(parser, options, arguments);
    if (parser.isSet(options.version)) {
        return exitStatus(
            write(stdout, QStringLiteral("%1 %2\n").arg(applicationTitle(), QStringLiteral(CORVANTA_VERSION))));
    }
    if (parser.isSet(options.help)) {
        // The usage line names the program as it was called, which the parser reads from the application.
        const QCoreApplication application(argc, argv);
        return exitStatus(write(stdout, parser.helpText()));
    }
    return std::nullopt;
}

std::optional<int> refuseUnknownArguments(const QStringList& arguments)
{
    if (arguments.size() < 2)
        return std::nullopt;
    QCommandLineParser parser;
    const ProgramOptions options;
    QString error;
    if (!parse(parser, options, arguments))
        error = parser.errorText();
    else if (parser.positionalArguments().size() > 1)
        error = QStringLiteral("Unexpected argument '%1'.").arg(parser.positionalArguments().at(1));
    if (error.isEmpty())
        return std::nullopt;
    write(stderr,
        QStringLiteral("%1\nUsage: %2 [--help] [--version] [Qt's options, such as -platform NAME] [FILE]\n")
            .arg(error, arguments.constFirst()));
    return EXIT_FAILURE;
}

QString scenarioArgument(const QStringList& arguments)
{
    QCommandLineParser parser;
    const ProgramOptions options;
    if (!parse(parser, options, arguments) || parser.positionalArguments().isEmpty())
        return {};
    return parser.positionalArguments().constFirst();
}

} // namespace app
