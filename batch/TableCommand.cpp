#include "batch/TableCommand.h"

#include <algorithm>
#include <cstddef>

#include "batch/CalcRun.h"
#include "batch/CsvReader.h"
#include "batch/DesignValues.h"
#include "batch/RowDriver.h"
#include "messages/BatchTexts.h"
#include "sizing/SizingTable.h"

namespace batch {

int RunTable(const BatchOptions& options, const Catalogue& catalogue, int outFd, std::ostream& errors) {
    std::string problem;
    RowEntries entries;
    entries.calculate = false;
    sizing::Design design;
    std::optional<double> Q, J, L, zeta;
    const bool read =
        PipeEntries(options, catalogue, entries, problem) && OptionNumber(options, "Q", Q, problem) &&
        OptionNumber(options, "J", J, problem) && OptionNumber(options, "vmin", design.vMin, problem) &&
        OptionNumber(options, "vmax", design.vMax, problem) &&
        OptionNumber(options, "hd", design.hdMax, problem) &&
        OptionNumber(options, "taumin", design.tauMin, problem) && OptionNumber(options, "L", L, problem) &&
        OptionNumber(options, "zeta", zeta, problem) && OptionNumber(options, "hvmax", design.hvMax, problem);
    if (!read) {
        errors << "quellrix-batch: " << problem << '\n';
        return kUsageOrIoError;
    }
    design.QLs = Q.value_or(0);
    design.JMkm = J.value_or(0);
    design.L = L.value_or(0);
    design.sumZeta = zeta.value_or(0);
    if (const std::optional<std::string> refused = sizing::CheckDesign(design)) {
        errors << "quellrix-batch: " << *refused << '\n';
        return kUsageOrIoError;
    }
    RowDriver form(catalogue);
    form.Run(entries);
    for (const std::string& message : form.Messages()) errors << "quellrix-batch: " << message << '\n';
    const CPlenwickDoc& doc = form.Record();
    const int pipeClass = entries.classIndex >= 0 ? entries.classIndex : 0;
    if (catalogue.classes.empty()) {
        errors << "quellrix-batch: " << messages::Text(messages::BatchText::NoPipeClass) << '\n';
        return kUsageOrIoError;
    }
    const CatalogueClass& chosen = catalogue.classes[static_cast<size_t>(pipeClass)];
    const sizing::Table table = sizing::ComputeTable(
        chosen.name, chosen.rows, {doc.GetNy(), doc.GetG(), doc.GetK(), doc.GetT(), doc.GetRho()}, design);

    const char delimiter = options.delimiter.value_or(';');
    const char decimal = options.decimal.value_or(delimiter == ';' ? ',' : '.');
    std::string text;
    // The columns of the flow checks follow the verdict, so that the earlier columns keep their places.
    auto appendLine = [&](std::vector<std::string> cells) {
        const auto checks =
            cells.end() - 1 - static_cast<std::ptrdiff_t>(sizing::CheckColumnCount(table.mode));
        std::rotate(checks, cells.end() - 1, cells.end());
        for (size_t i = 0; i < cells.size(); ++i) {
            if (i > 0)
                text += delimiter;
            AppendField(text, cells[i], delimiter);
        }
        text += '\n';
    };
    appendLine(sizing::HeaderCells(table.mode));
    for (size_t i = 0; i < table.rows.size(); ++i) appendLine(sizing::RowCells(table, i, decimal));
    return WriteOutput(outFd, text, kAllRowsOk, errors);
}

}  // namespace batch
