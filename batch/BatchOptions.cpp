#include "batch/BatchOptions.h"

#include <algorithm>
#include <cstdlib>

#include "messages/BatchTexts.h"

namespace batch {

namespace {

// The value options of table and curve.
const std::vector<std::string>& ValueOptions(Subcommand subcommand) {
    static const std::vector<std::string> table{"klasse", "Q",   "J", "vmin", "vmax", "hd",     "k",
                                                "T",      "rho", "g", "L",    "zeta", "taumin", "hvmax"};
    static const std::vector<std::string> curve{"klasse", "dn", "di", "k", "J", "T",
                                                "rho",    "g",  "Q",  "v", "ht"};
    static const std::vector<std::string> none;
    switch (subcommand) {
        case Subcommand::Table:
            return table;
        case Subcommand::Curve:
            return curve;
        default:
            return none;
    }
}

std::optional<char> OneCharacter(const std::string& text) {
    if (text == "tab" || text == "\\t")
        return '\t';
    if (text.size() == 1 && text[0] != '"' && text[0] != '\n' && text[0] != '\r')
        return text[0];
    return std::nullopt;
}

}  // namespace

std::optional<BatchOptions> ParseBatchArguments(const std::vector<std::string>& arguments,
                                                std::string& problem) {
    BatchOptions options;
    bool subcommandNamed = false;
    size_t i = 0;
    for (; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument == "-h" || argument == "--help") {
            options.help = true;
            continue;
        }
        if (argument.size() < 2 || argument[0] != '-' || argument == "-") {
            // The first word that is not an option may name the subcommand.
            if (!subcommandNamed && !options.input) {
                subcommandNamed = true;
                if (argument == "calc")
                    continue;
                if (argument == "table" || argument == "curve") {
                    options.subcommand = argument == "table" ? Subcommand::Table : Subcommand::Curve;
                    continue;
                }
            }
            if (options.subcommand != Subcommand::Calc) {
                problem = messages::Filled(messages::BatchText::UnexpectedArgument, {argument});
                return std::nullopt;
            }
            if (options.input) {
                problem = messages::Text(messages::BatchText::MoreThanOneInput);
                return std::nullopt;
            }
            options.input = argument;
            continue;
        }
        // --name=value or --name value, -j N
        std::string name = argument.substr(argument.rfind('-', 1) + 1);
        std::optional<std::string> value;
        if (const size_t equals = name.find('='); equals != std::string::npos) {
            value = name.substr(equals + 1);
            name.erase(equals);
        }
        if (argument.compare(0, 2, "--") != 0 && name != "j") {
            problem = messages::Filled(messages::BatchText::UnknownOption, {argument});
            return std::nullopt;
        }
        const std::vector<std::string>& table = ValueOptions(Subcommand::Table);
        const std::vector<std::string>& curve = ValueOptions(Subcommand::Curve);
        const bool known = name == "delimiter" || name == "decimal" || name == "windir" ||
                           name == "threads" || name == "j" ||
                           std::find(table.begin(), table.end(), name) != table.end() ||
                           std::find(curve.begin(), curve.end(), name) != curve.end();
        if (!known) {
            problem = messages::Filled(messages::BatchText::UnknownOption, {argument});
            return std::nullopt;
        }
        if (!value) {
            if (i + 1 >= arguments.size()) {
                problem = messages::Filled(messages::BatchText::OptionWithoutValue, {argument});
                return std::nullopt;
            }
            value = arguments[++i];
        }
        if (name == "delimiter" || name == "decimal") {
            const std::optional<char> c = OneCharacter(*value);
            if (!c || (name == "decimal" && *c != '.' && *c != ',')) {
                problem = messages::Text(name == "decimal" ? messages::BatchText::DecimalOption
                                                           : messages::BatchText::DelimiterOption);
                return std::nullopt;
            }
            (name == "delimiter" ? options.delimiter : options.decimal) = c;
        } else if (name == "windir") {
            options.windir = *value;
        } else if (name == "threads" || name == "j") {
            char* end = nullptr;
            const long n = std::strtol(value->c_str(), &end, 10);
            if (value->empty() || *end != '\0' || n < 1 || n > 256) {
                problem = messages::Text(messages::BatchText::ThreadsOption);
                return std::nullopt;
            }
            options.threads = static_cast<unsigned>(n);
        } else {
            options.values[name] = *value;
        }
    }
    const std::vector<std::string>& valueOptions = ValueOptions(options.subcommand);
    for (const auto& [name, value] : options.values) {
        if (std::find(valueOptions.begin(), valueOptions.end(), name) == valueOptions.end()) {
            problem = messages::Filled(messages::BatchText::UnknownOption, {"--" + name});
            return std::nullopt;
        }
    }
    if (options.delimiter && options.decimal && *options.delimiter == *options.decimal) {
        problem = messages::Text(messages::BatchText::DelimiterIsDecimal);
        return std::nullopt;
    }
    return options;
}

const char* BatchHelpText() {
    return messages::Text(messages::BatchText::Help);
}

}  // namespace batch
