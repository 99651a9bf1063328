// The least work for the rows of bench_batch (J sought, the pipe by class and DN, ν from T): the batch
// tool's CSV reader, the pipe table read once, the engine's Colebrook iteration and the 14 result cells
// written with std::to_chars; no form, no threads. quellrix-batch is measured against it.
//
//   lean_batch_reference --windir=DIR < rows.csv > results.csv
//
// Only the columns Klasse, DN, T and v are read; every row must name a known class and DN.
#include <unistd.h>

#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "batch/Catalogue.h"
#include "batch/CsvReader.h"
#include "catalogue/RoughnessChoices.h"
#include "hydraulics/Calculations.h"
#include "hydraulics/Formulas.h"
#include "hydraulics/Units.h"
#include "platform/MachineDirectory.h"
#include "platform/Number.h"

namespace {

using namespace hydraulics::units;

constexpr char kDelimiter = ';';
constexpr size_t kChunk = 1u << 20;

// A catalogue row as the form shows it: di with two decimals, and the value that text reads as.
struct PipeDiameter {
    std::string text;
    double mm;
};

double CellNumber(std::string_view cell) {
    char digits[64];
    const size_t length = std::min(cell.size(), sizeof digits);
    for (size_t i = 0; i < length; ++i) digits[i] = cell[i] == ',' ? '.' : cell[i];
    double x = 0;
    std::from_chars(digits, digits + length, x);
    return x;
}

// "%f" with a decimal comma; empty below 1e-12 as in a number field.
void AppendNumber(std::string& out, double x) {
    out += kDelimiter;
    if (std::fabs(x) < 1e-12)
        return;
    char text[400];
    const char* end = std::to_chars(text, text + sizeof text, x, std::chars_format::fixed, 6).ptr;
    for (char* c = text; c != end; ++c) out += *c == '.' ? ',' : *c;
}

int ColumnOf(const std::vector<std::string>& header, std::string_view name) {
    for (size_t i = 0; i < header.size(); ++i) {
        if (header[i] == name)
            return static_cast<int>(i);
    }
    std::fprintf(stderr, "column %.*s missing\n", static_cast<int>(name.size()), name.data());
    std::exit(2);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc > 1 && std::strncmp(argv[1], "--windir=", 9) == 0)
        platform::OverrideMachineDirectory(argv[1] + 9);
    const batch::Catalogue catalogue = batch::ReadCatalogue();
    std::vector<std::vector<PipeDiameter>> diameters;
    for (const batch::CatalogueClass& pipeClass : catalogue.classes) {
        std::vector<PipeDiameter>& rows = diameters.emplace_back();
        for (const PipeRow& row : pipeClass.rows) {
            auto number = [](const std::optional<std::string>& text) {
                return text ? platform::LeadingNumber(*text) : 0.0;
            };
            const std::string text = platform::FixedText(
                hydraulics::InnerDiameter(number(row.da), number(row.s), number(row.ZMA)), 2, 5);
            rows.push_back({text, platform::LeadingNumber(text)});
        }
    }
    const double rho = catalogue.density ? platform::LeadingNumber(*catalogue.density) : 1000.0;
    const double g = catalogue.gravity ? platform::LeadingNumber(*catalogue.gravity) : 9.81;
    const double kMm = RoughnessChoices()[kManualRoughness].kMm;

    std::string input;
    std::string output;
    batch::CsvFields fields;
    int classColumn = -1, dnColumn = -1, tColumn = -1, vColumn = -1;
    bool header = true;
    size_t start = 0;
    while (true) {
        input.erase(0, start);
        start = 0;
        const size_t old = input.size();
        input.resize(old + kChunk);
        const ssize_t got = read(STDIN_FILENO, &input[old], kChunk);
        input.resize(old + static_cast<size_t>(got > 0 ? got : 0));
        const bool last = got <= 0;
        while (start < input.size()) {
            const std::string_view rest = std::string_view(input).substr(start);
            const batch::RecordExtent record = batch::FirstRecord(rest, kDelimiter);
            if (!last && record.next == rest.size() && rest.back() != '\n')
                break;  // the record goes on in the next chunk
            const std::string_view text = rest.substr(0, record.length);
            start += record.next;
            batch::SplitRecord(text, kDelimiter, fields);
            output += text;
            if (header) {
                classColumn = ColumnOf(fields.values, "Klasse");
                dnColumn = ColumnOf(fields.values, "DN");
                tColumn = ColumnOf(fields.values, "T");
                vColumn = ColumnOf(fields.values, "v");
                output +=
                    ";di [mm];A [m²];v [m/s];Q [l/s];Q [m³/h];Re;lambda;J [m/km];k [mm];ht [mm];Qt [l/s];"
                    "Qt [m³/h];vt [m/s];Wasserspiegelbreite [mm];Status\n";
                header = false;
                continue;
            }
            const std::vector<std::string>& cells = fields.values;
            const int pipeClass = batch::FindClass(catalogue, cells[static_cast<size_t>(classColumn)]);
            const int dn = pipeClass < 0 ? -1
                                         : batch::FindDn(catalogue.classes[static_cast<size_t>(pipeClass)],
                                                         cells[static_cast<size_t>(dnColumn)]);
            if (dn < 0) {
                std::fprintf(stderr, "unknown pipe in %.*s\n", static_cast<int>(text.size()), text.data());
                return 1;
            }
            const PipeDiameter& pipe = diameters[static_cast<size_t>(pipeClass)][static_cast<size_t>(dn)];
            const std::string& vText = cells[static_cast<size_t>(vColumn)];
            const double v = CellNumber(vText);
            const double ny =
                hydraulics::ViscosityFromTemperature(CellNumber(cells[static_cast<size_t>(tColumn)]), rho);
            const double di = pipe.mm * kMillimetre.toSi;
            const double Q = hydraulics::FlowFromVelocity(di, v);
            const double Re = hydraulics::Reynolds(v, di, ny);
            const hydraulics::SlopeResult slope =
                hydraulics::SolveSlope({di, kMm * kMillimetre.toSi, Re, v, g});

            output += kDelimiter;
            for (char c : pipe.text) output += c == '.' ? ',' : c;
            AppendNumber(output, hydraulics::AreaFromDiameter(di));
            output += kDelimiter;
            output += vText;
            AppendNumber(output, Q * kLitrePerSecond.toDisplay);
            AppendNumber(output, Q * kCubicMetrePerHour.toDisplay);
            AppendNumber(output, Re);
            AppendNumber(output, slope.iteration.lambda);
            AppendNumber(output, slope.I * kMetrePerKilometre.toDisplay);
            AppendNumber(output, kMm);
            output += ";;;;;;ok\n";
        }
        if (output.size() >= kChunk || last) {
            std::fwrite(output.data(), 1, output.size(), stdout);
            output.clear();
        }
        if (last)
            return 0;
    }
}
