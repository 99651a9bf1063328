// The command line of quellrix-batch: a subcommand (calc, table, curve; calc when none is named), its
// options, and the input file of calc.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace batch {

enum class Subcommand { Calc, Table, Curve };

struct BatchOptions {
    Subcommand subcommand = Subcommand::Calc;
    bool help = false;
    std::optional<std::string> input;   // calc: nullopt reads standard input
    std::optional<std::string> windir;  // the machine directory, for WINDIR
    std::optional<char> delimiter;
    std::optional<char> decimal;
    unsigned threads = 0;
    // table and curve: the design and pipe values by option name ("Q", "J", "klasse", ...), as given
    std::map<std::string, std::string> values;
};

// The options of the arguments (without the program name); nullopt with the reason in problem.
std::optional<BatchOptions> ParseBatchArguments(const std::vector<std::string>& arguments,
                                                std::string& problem);

// The --help text (German).
const char* BatchHelpText();

}  // namespace batch
