// The values of the table and curve subcommands: numbers with a decimal point or comma, and the form's
// entries they make.
#pragma once

#include <optional>
#include <string>

#include "batch/BatchOptions.h"
#include "batch/Catalogue.h"
#include "batch/RowDriver.h"

namespace batch {

// The option's number as typed (with a decimal point); nullopt when it is not given; false (problem
// set) when it is not a number.
bool OptionText(const BatchOptions& options, const std::string& name, std::optional<std::string>& typed,
                std::string& problem);

// The option's number; nullopt when it is not given; false (problem set) when it is not a number.
bool OptionNumber(const BatchOptions& options, const std::string& name, std::optional<double>& value,
                  std::string& problem);

// The entries for the form's fluid data, class, DN, di and k from the options (each as typed).
bool PipeEntries(const BatchOptions& options, const Catalogue& catalogue, RowEntries& entries,
                 std::string& problem);

// Writes text to fd whole; a closed pipe is quiet. The exit status.
int WriteOutput(int fd, const std::string& text, int status, std::ostream& errors);

}  // namespace batch
