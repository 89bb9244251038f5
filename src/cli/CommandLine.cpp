#include "cli/CommandLine.h"

#include "cli/CommandList.h"
#include "cli/ReportWriters.h"
#include "cli/ScenarioOption.h"
#include "finance/FinanceErrors.h"

#include <algorithm>
#include <cstddef>
#include <exception>
#include <new>
#include <optional>
#include <set>
#include <string_view>

#ifndef CORVANTA_VERSION
#define CORVANTA_VERSION "unknown"
#endif

namespace cli {

namespace {

constexpr std::string_view program = "corvanta-calc";

enum class Format {
    Text,
    Csv,
    Json,
};

// What the command line asks for, once read.
struct Request
{
    const Subcommand* subcommand = nullptr;
    Given given;
    Format format = Format::Text;
    std::optional<std::string> locale;
    std::optional<std::string> scenarioFile;
    bool help = false;
};

// A command line that cannot be read: the reason, then a usage line.
struct UsageError
{
    std::string reason;
    const Subcommand* subcommand = nullptr;
};

void writeUsage(const Subcommand* subcommand, std::ostream& err)
{
    if (subcommand)
        err << "Usage: " << program << ' ' << subcommand->name << " [--OPTION VALUE]... (" << program << ' '
            << subcommand->name << " --help lists them)\n";
    else
        err << "Usage: " << program << " SUBCOMMAND [--OPTION VALUE]... (" << program << " --help lists them)\n";
}

void writeProgramHelp(std::ostream& out)
{
    out << "Usage: " << program
        << " SUBCOMMAND [--OPTION VALUE]... [--scenario FILE] [--format text|csv|json] [--locale NAME]\n"
        << "Corvanta's calculators on the command line: the figures and texts its windows show.\n\nSubcommands:\n";
    for (const Subcommand* subcommand : subcommands()) {
        const std::string name(subcommand->name);
        out << "  " << name << std::string(name.size() < 17 ? 17 - name.size() : 1, ' ') << subcommand->summary << '\n';
    }
    out << "\n"
        << program << " SUBCOMMAND --help lists a subcommand's options, what they accept and an example.\n"
        << program << " --version prints the version.\n"
        << "Exit status: 0 success, 1 arithmetic error, 2 a refused value or an unreadable command line.\n";
}

void writeOptionLine(std::string_view name, std::string_view value, std::string_view text, std::ostream& out)
{
    std::string left = "  --" + std::string(name) + (value.empty() ? "" : " " + std::string(value));
    left += std::string(left.size() < 26 ? 26 - left.size() : 1, ' ');
    out << left << text << '\n';
}

// The example as it is typed under the regional settings: a decimal point between digits is their separator, so
// that the example runs as printed ("--rate 6,5" under German settings).
std::string exampleIn(std::string_view example, const regional::RegionalSettings& settings)
{
    const auto digit = [](char c) { return c >= '0' && c <= '9'; };
    std::string typed;
    for (std::size_t i = 0; i < example.size(); ++i) {
        const bool decimalPoint
            = example[i] == '.' && i > 0 && i + 1 < example.size() && digit(example[i - 1]) && digit(example[i + 1]);
        typed += decimalPoint ? settings.decimalSeparator : std::string(1, example[i]);
    }
    return typed;
}

void writeSubcommandHelp(const Subcommand& subcommand, const regional::RegionalSettings& settings, std::ostream& out)
{
    out << "Usage: " << program << ' ' << subcommand.name << " [--OPTION VALUE]...\n"
        << subcommand.summary
        << "\n\nOptions (each at most once; one left out or given as '' takes the default it names, or is an "
           "empty field):\n";
    for (const Option& option : subcommand.options) {
        const std::string accepted = option.check ? calculators::acceptedText(*option.check)
            : !option.accepted.empty()            ? std::string(option.accepted)
                                                  : subcommand.acceptedText(option.name);
        writeOptionLine(option.name, "VALUE", std::string(option.description) + " (" + accepted + ")", out);
    }
    writeOptionLine("scenario", "FILE",
        "the fields of the scenario file's " + std::string(scenarioSectionOf(subcommand))
            + " section; an option given replaces its field, given as '' empties it",
        out);
    writeOptionLine("format", "FORMAT", "text (the default), csv or json", out);
    writeOptionLine("locale", "NAME", "the locale whose formats read and show numbers (default: LC_ALL, LANG)", out);
    writeOptionLine("help", "", "this help", out);
    out << "\nExample:\n  " << program << ' ' << subcommand.name << ' ' << exampleIn(subcommand.example, settings)
        << '\n';
}

const Option* optionNamed(const Subcommand& subcommand, std::string_view name)
{
    const auto found = std::find_if(subcommand.options.begin(), subcommand.options.end(),
        [name](const Option& option) { return option.name == name; });
    return found == subcommand.options.end() ? nullptr : &*found;
}

Format formatNamed(std::string_view name, const Subcommand* subcommand)
{
    if (name == "text")
        return Format::Text;
    if (name == "csv")
        return Format::Csv;
    if (name == "json")
        return Format::Json;
    throw UsageError { "--format must be text, csv or json", subcommand };
}

Request readArguments(std::span<const std::string> arguments)
{
    Request request;
    request.subcommand = findSubcommand(arguments[0]);
    if (!request.subcommand)
        throw UsageError { "unknown subcommand '" + arguments[0] + "'" };
    std::set<std::string> named;
    for (std::size_t i = 1; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument == "--help") {
            request.help = true;
            continue;
        }
        if (argument.size() < 3 || argument.compare(0, 2, "--") != 0)
            throw UsageError { "unexpected argument '" + argument + "'", request.subcommand };
        const std::size_t equals = argument.find('=');
        const std::string name = argument.substr(2, equals == std::string::npos ? std::string::npos : equals - 2);
        const Option* option = optionNamed(*request.subcommand, name);
        if (name != "format" && name != "locale" && name != "scenario" && !option)
            throw UsageError { "unknown option '--" + name + "'", request.subcommand };
        // A second value would silently replace the first.
        if (!named.insert(name).second && !(option && option->repeats))
            throw UsageError { "--" + name + " is given more than once", request.subcommand };
        std::string value;
        if (equals != std::string::npos) {
            value = argument.substr(equals + 1);
        } else {
            // A value may be empty or start with one minus sign, never with two: "--rate --years" lacks the rate.
            if (i + 1 >= arguments.size() || arguments[i + 1].compare(0, 2, "--") == 0)
                throw UsageError { "--" + name + " needs a value", request.subcommand };
            value = arguments[++i];
        }
        // An empty value is the option left out: its default, or an empty field, even where a scenario file has it.
        if (value.empty()) {
            if (option)
                request.given.leaveOut(name);
            continue;
        }
        if (name == "format")
            request.format = formatNamed(value, request.subcommand);
        else if (name == "locale")
            request.locale = value;
        else if (name == "scenario")
            request.scenarioFile = value;
        else
            request.given.add(name, value);
    }
    return request;
}

// The settings of --locale, or of the context.
std::optional<regional::RegionalSettings> settingsFor(const Request& request, const Context& context)
{
    if (!request.locale)
        return context.settings;
    return regional::localeRegionalSettings(request.locale->c_str());
}

void writeReport(const Request& request, const Report& report, const regional::RegionalSettings& settings,
    std::ostream& out, std::ostream& err)
{
    switch (request.format) {
    case Format::Text:
        writeText(report, out);
        break;
    case Format::Csv:
        writeCsv(report, settings, out);
        break;
    case Format::Json:
        writeJson(request.subcommand->name, report, out);
        break;
    }
    for (const std::string& warning : report.warnings)
        err << program << ": " << warning << '\n';
}

} // namespace

int runCommandLine(std::span<const std::string> arguments, std::ostream& out, std::ostream& err, const Context& context)
{
    if (arguments.empty()) {
        writeUsage(nullptr, err);
        return exitRefused;
    }
    if (arguments[0] == "--help" || arguments[0] == "-h") {
        writeProgramHelp(out);
        return exitSuccess;
    }
    if (arguments[0] == "--version") {
        out << program << ' ' << CORVANTA_VERSION << '\n';
        return exitSuccess;
    }

    Request request;
    try {
        request = readArguments(arguments);
    } catch (const UsageError& error) {
        err << program << ": " << error.reason << '\n';
        writeUsage(error.subcommand, err);
        return exitRefused;
    }
    if (request.help) {
        writeSubcommandHelp(*request.subcommand, settingsFor(request, context).value_or(context.settings), out);
        return exitSuccess;
    }
    const auto settings = settingsFor(request, context);
    if (!settings) {
        err << program << ": no locale named '" << *request.locale << "' (locale -a lists those installed)\n";
        return exitRefused;
    }

    try {
        if (request.scenarioFile) {
            for (const std::string& notice :
                addScenario(*request.scenarioFile, *request.subcommand, *settings, request.given))
                err << program << ": " << *request.scenarioFile << ": " << notice << '\n';
        }
        const Report report = request.subcommand->run(request.given, Context { *settings, context.today });
        writeReport(request, report, *settings, out, err);
        return exitSuccess;
    } catch (const RefusedOption& refused) {
        // A field whose text came from the scenario file is named with the file, as the user finds it there.
        if (const std::string* file = request.given.fileOf(refused.option()))
            err << *file << ": " << refused.option() << ": " << refused.message() << '\n';
        else
            err << refused.what() << '\n';
        return exitRefused;
    } catch (const std::bad_alloc&) {
        err << "Out of memory.\n";
        return exitArithmeticError;
    } catch (const std::exception& error) {
        err << finance::errorBoxText(error.what()) << '\n';
        return exitArithmeticError;
    }
}

} // namespace cli
