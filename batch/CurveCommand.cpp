#include "batch/CurveCommand.h"

#include "batch/CalcRun.h"
#include "batch/DesignValues.h"
#include "batch/RowDriver.h"
#include "form/FillingCurves.h"
#include "record/PlenwickDoc.h"

namespace batch {

int RunCurve(const BatchOptions& options, const Catalogue& catalogue, int outFd, std::ostream& errors) {
    std::string problem;
    RowEntries entries;
    entries.calculate = false;
    std::optional<std::string> ht;
    const bool read = PipeEntries(options, catalogue, entries, problem) &&
                      OptionText(options, "J", entries.J, problem) &&
                      OptionText(options, "v", entries.v, problem) &&
                      OptionText(options, "Q", entries.Q, problem) && OptionText(options, "ht", ht, problem);
    if (!read) {
        errors << "quellrix-batch: " << problem << '\n';
        return kUsageOrIoError;
    }
    if (ht) {
        entries.partialFilling = true;
        entries.partial = hydraulics::PartialQuantity::Ht;
        entries.partialText = *ht;
    }
    RowDriver form(catalogue);
    form.Run(entries);
    for (const std::string& message : form.Messages()) errors << "quellrix-batch: " << message << '\n';
    const FillingCurves curves = ComputeFillingCurves(form.Record());

    // The window's table: tab-separated with decimal commas.
    const char delimiter = options.delimiter.value_or(';');
    const char decimal = options.decimal.value_or(delimiter == ';' ? ',' : '.');
    std::string text = FillingCurveTable(curves);
    for (char& c : text) {
        if (c == '\t')
            c = delimiter;
        else if (c == ',')
            c = decimal;
    }
    if (!curves.HasExact())
        errors << "quellrix-batch: " << ExactCurvesNote(curves) << '\n';
    return WriteOutput(outFd, text, kAllRowsOk, errors);
}

}  // namespace batch
