#include "batch/DesignValues.h"

#include <cstring>
#include <ostream>

#include "batch/CalcRun.h"
#include "batch/FieldText.h"
#include "batch/RowWriter.h"
#include "messages/BatchTexts.h"
#include "platform/Number.h"

namespace batch {

bool OptionText(const BatchOptions& options, const std::string& name, std::optional<std::string>& typed,
                std::string& problem) {
    const auto found = options.values.find(name);
    if (found == options.values.end())
        return true;
    std::string text;
    if (!TypedNumberText(found->second, '.', text) && !TypedNumberText(found->second, ',', text)) {
        problem = messages::Filled(messages::BatchText::OptionNotNumber, {name, found->second});
        return false;
    }
    typed = text;
    return true;
}

bool OptionNumber(const BatchOptions& options, const std::string& name, std::optional<double>& value,
                  std::string& problem) {
    std::optional<std::string> typed;
    if (!OptionText(options, name, typed, problem))
        return false;
    if (typed)
        value = platform::LeadingFiniteNumber(*typed);
    return true;
}

bool PipeEntries(const BatchOptions& options, const Catalogue& catalogue, RowEntries& entries,
                 std::string& problem) {
    if (!OptionText(options, "T", entries.T, problem) || !OptionText(options, "rho", entries.rho, problem) ||
        !OptionText(options, "g", entries.g, problem) || !OptionText(options, "k", entries.k, problem) ||
        !OptionText(options, "di", entries.di, problem))
        return false;
    int pipeClass = catalogue.classes.empty() ? -1 : 0;
    if (const auto name = options.values.find("klasse"); name != options.values.end()) {
        entries.classIndex = pipeClass = FindClass(catalogue, name->second);
        if (pipeClass < 0) {
            problem = messages::Filled(messages::BatchText::ClassOptionUnknown, {name->second});
            return false;
        }
    }
    if (const auto dn = options.values.find("dn"); dn != options.values.end()) {
        entries.dnIndex =
            pipeClass < 0 ? -1 : FindDn(catalogue.classes[static_cast<size_t>(pipeClass)], dn->second);
        if (entries.dnIndex < 0) {
            problem = messages::Filled(messages::BatchText::DnOptionUnknown, {dn->second});
            return false;
        }
    }
    return true;
}

int WriteOutput(int fd, const std::string& text, int status, std::ostream& errors) {
    RowWriter writer(fd);
    switch (writer.Write(text, {text.size()})) {
        case RowWriter::Result::Written:
        case RowWriter::Result::PipeClosed:
        case RowWriter::Result::Stopped:  // not asked for here
            return status;
        case RowWriter::Result::Failed:
            break;
    }
    errors << "quellrix-batch: "
           << messages::Filled(messages::BatchText::OutputUnwritable, {std::strerror(writer.Error())})
           << '\n';
    return kUsageOrIoError;
}

}  // namespace batch
