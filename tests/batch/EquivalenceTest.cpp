// One engine, one answer: random rows through the batch tool and, as sessions of quellrix-script, through
// the form itself (a fresh start, the same entries in the same order, one "Berechnen"). Every result
// cell must be the text of its field, and the status the messages the form showed, in order.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <numeric>
#include <random>
#include <sstream>

#include "BatchTestSupport.h"
#include "app/script/ScriptRunner.h"
#include "batch/CalcColumns.h"
#include "batch/CsvReader.h"
#include "batch/RowCalculator.h"
#include "form/model/ControlIds.h"

namespace {

struct TypedColumn {
    const char* header;
    int control;
    double low, high;  // drawn log-uniformly
};

// In the order the batch tool enters them.
const TypedColumn kFluid[]{{"T", IDC_T, 0.5, 40}, {"rho", IDC_RHO, 900, 1100}, {"g", IDC_G, 9.0, 10.5}};
const TypedColumn kParameters[]{{"v", IDC_V, 0.01, 25},   {"Q", IDC_Q_LS, 0.2, 2000},
                                {"nu", IDC_NY, 0.5, 2.5}, {"Re", IDC_RE, 500, 9e7},
                                {"J", IDC_J, 0.01, 600},  {"lambda", IDC_LAMBDA, 0.006, 0.09},
                                {"A", IDC_A, 0.0005, 2.0}};
const TypedColumn kPartial[]{{"ht", IDC_HT, 1, 1500}, {"Qt", IDC_QT_LS, 0.05, 900}, {"vt", IDC_VT, 0.01, 18}};
constexpr int kShown[]{IDC_DI, IDC_A, IDC_V,  IDC_Q_LS,  IDC_Q_M3H,  IDC_RE, IDC_LAMBDA,
                       IDC_J,  IDC_K, IDC_HT, IDC_QT_LS, IDC_QT_M3H, IDC_VT, IDC_SURFACE_WIDTH};
const char* const kSoughtNames[]{"J", "v", "k", "di"};

struct Row {
    std::vector<std::string> cells;  // in header order
    std::string script;
    bool valid = true;
};

class RowMaker {
  public:
    explicit RowMaker(const batch::Catalogue& catalogue) : m_catalogue(catalogue) {}

    std::vector<std::string> Header() const {
        std::vector<std::string> header{"gesucht", "Füllung"};
        for (const TypedColumn& c : kFluid) header.push_back(c.header);
        for (const char* name : {"Klasse", "DN", "di", "Rauheit", "k"}) header.push_back(name);
        for (const TypedColumn& c : kParameters) header.push_back(c.header);
        for (const TypedColumn& c : kPartial) header.push_back(c.header);
        header.push_back("Haltung");
        return header;
    }

    Row Make(int index) {
        Row row;
        std::ostringstream script;
        script << "start\n";
        const int sought = Pick(4);
        const bool partial = Chance(0.5);
        row.cells.push_back(kSoughtNames[sought]);
        row.cells.push_back(partial ? "teil" : (Chance(0.5) ? "voll" : ""));
        if (partial)
            script << "click " << IDC_PARTIAL_FILLING << '\n';
        if (sought != 0)
            script << "pick " << IDC_SOUGHT << " #" << sought << '\n';
        for (const TypedColumn& c : kFluid) Typed(row, script, c, 0.3);

        const bool pipeAllowed = sought != 3;
        std::string cls, dn, di;
        if (pipeAllowed && Chance(0.6)) {
            const int classIndex = Chance(0.7) ? Pick(static_cast<int>(m_catalogue.classes.size())) : -1;
            const batch::CatalogueClass& pipeClass = m_catalogue.classes[classIndex < 0 ? 0 : classIndex];
            if (classIndex >= 0) {
                cls = pipeClass.name;
                script << "pick " << IDC_CLASS << ' ' << cls << '\n';
            }
            if (Chance(0.8) && !pipeClass.rows.empty()) {
                // After a class pick the DN list is that class's.
                dn = pipeClass.rows[static_cast<size_t>(Pick(static_cast<int>(pipeClass.rows.size())))].DN;
                script << "pick " << IDC_DN << ' ' << dn << '\n';
            }
        }
        if (pipeAllowed && Chance(0.25)) {
            di = Number(3, 6000);
            script << "type " << IDC_DI << ' ' << di << '\n';
        }
        row.cells.insert(row.cells.end(), {cls, dn, di});
        std::string roughness, k;
        if (sought != 2) {
            if (Chance(0.3)) {
                const int position = Pick(8);
                roughness = std::to_string(position);
                script << "pick " << IDC_ROUGHNESS << " #" << position << '\n';
            }
            if ((roughness.empty() || roughness == "0") && Chance(0.4)) {
                k = Number(0.005, 60);
                script << "type " << IDC_K << ' ' << k << '\n';
            }
        }
        row.cells.insert(row.cells.end(), {roughness, k});
        for (const TypedColumn& c : kParameters) {
            const bool computed =
                (sought == 0 && std::string(c.header) == "J") ||
                (sought == 1 && (std::string(c.header) == "v" || std::string(c.header) == "Q")) ||
                (sought == 3 && std::string(c.header) == "A");
            if (computed) {
                row.cells.emplace_back();
                continue;
            }
            const std::string name = c.header;
            const double chance = name == "v" || name == "J" ? 0.7 : (name == "Q" ? 0.4 : 0.2);
            Typed(row, script, c, chance);
        }
        const int partialGiven = partial ? Pick(4) : 3;
        for (int i = 0; i < 3; ++i) {
            if (i == partialGiven)
                Typed(row, script, kPartial[i], 1.0);
            else
                row.cells.emplace_back();
        }
        row.cells.push_back("H" + std::to_string(index));
        script << "click " << IDC_BERECHNEN << "\nshow";
        for (int id : kShown) script << ' ' << id;
        script << "\nrecord\n";
        row.script = script.str();
        return row;
    }

    // A row with one garbled number or name; the tool must name it and compute nothing.
    Row Garbled(int index, size_t column, const std::string& text) {
        Row row;
        row.cells.assign(Header().size(), "");
        row.cells[column] = text;
        row.cells.back() = "H" + std::to_string(index);
        row.valid = false;
        return row;
    }

  private:
    bool Chance(double p) { return std::uniform_real_distribution<double>(0, 1)(m_random) < p; }
    int Pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_random); }
    std::string Number(double low, double high) {
        const double x =
            std::exp(std::uniform_real_distribution<double>(std::log(low), std::log(high))(m_random));
        char text[64];
        std::snprintf(text, sizeof text, "%.*f", Pick(5), x);
        return text;
    }
    void Typed(Row& row, std::ostringstream& script, const TypedColumn& c, double chance) {
        if (!Chance(chance)) {
            row.cells.emplace_back();
            return;
        }
        row.cells.push_back(Number(c.low, c.high));
        script << "type " << c.control << ' ' << row.cells.back() << '\n';
    }

    const batch::Catalogue& m_catalogue;
    std::mt19937 m_random{20261208};
};

std::string Unquoted(const std::string& quoted) {
    std::string text;
    for (size_t i = 1; i + 1 < quoted.size(); ++i) {
        if (quoted[i] == '\\' && i + 2 < quoted.size()) {
            ++i;
            if (quoted[i] == 'n') {  // the status holds a message's lines on one
                text += ' ';
                continue;
            }
        }
        text += quoted[i];
    }
    return text;
}

// What the form shows and tells in the session's transcript.
struct FormOutcome {
    std::map<int, std::string> texts;
    std::vector<std::string> messages;
    bool calculated = false;
};

// The batch tool's note for an entry whose adjustment question its close box cancelled.
std::string LeftOutNote(int field) {
    const char* column = field == IDC_RE ? "Re" : field == IDC_LAMBDA ? "lambda" : "A";
    return std::string("Spalte ") + column +
           ": nicht übernommen, die Rückfrage „Parameteranpassung“ wurde wie mit dem Schließfeld abgebrochen";
}

// The form writes its global data back when it closes: every session starts from the same file. Each
// typed field is left at once and a "document" line marks it, so that a question closed on the way is
// known to come from that field.
FormOutcome RunForm(const std::string& script, const test_support::ScratchMachineDirectory& directory,
                    const std::string& settings) {
    test_support::WriteBytes(directory.Ini(), settings);
    std::string marked;
    std::vector<int> typedFields;
    std::istringstream original(script);
    for (std::string line; std::getline(original, line);) {
        marked += line + '\n';
        if (line.rfind("type ", 0) == 0) {
            typedFields.push_back(std::stoi(line.substr(5)));
            marked += "leave\ndocument\n";
        }
    }
    std::istringstream in(marked);
    std::ostringstream transcript, errors;
    EXPECT_EQ(RunScript(in, &transcript, errors), 0) << errors.str() << script;
    FormOutcome outcome;
    std::istringstream lines(transcript.str());
    size_t fieldsLeft = 0;
    for (std::string line; std::getline(lines, line);) {
        if (line.rfind("document title ", 0) == 0) {
            ++fieldsLeft;
        } else if (line.rfind("dialog ", 0) == 0 && line.size() > 7 &&
                   line.substr(line.size() - 7) == " closed") {
            outcome.messages.push_back(LeftOutNote(typedFields.at(fieldsLeft)));
        } else if (line.rfind("message ", 0) == 0 || line.rfind("warning ", 0) == 0) {
            outcome.messages.push_back(Unquoted(line.substr(8)));
        } else if (line.rfind("edit ", 0) == 0) {
            const int id = std::stoi(line.substr(5));
            const size_t open = line.find('"');
            const size_t close = line.find("\" enabled=");
            outcome.texts[id] = Unquoted(line.substr(open, close - open + 1));
        } else if (line == "record m_calculated 1") {
            outcome.calculated = true;
        }
    }
    return outcome;
}

TEST(EquivalenceTest, EveryRowShowsWhatTheFormShowsAfterTheSameEntries) {
    test_support::ScratchMachineDirectory directory;
    const batch::Catalogue catalogue = batch::ReadCatalogue();
    const std::string settingsFile = test_support::ReadBytes(directory.Ini());
    RowMaker maker(catalogue);
    const std::vector<std::string> header = maker.Header();
    std::vector<Row> rows;
    for (int i = 0; i < 300; ++i) rows.push_back(maker.Make(i));
    const std::vector<std::pair<size_t, std::string>> garbled{{0, "x"},     {1, "halb"}, {2, "1,5"},
                                                              {5, "K99"},   {6, "123"},  {8, "9"},
                                                              {9, "0.1.2"}, {10, "--1"}, {11, "1e"}};
    for (size_t i = 0; i < garbled.size(); ++i)
        rows.push_back(maker.Garbled(static_cast<int>(rows.size()), garbled[i].first, garbled[i].second));

    std::string csv;
    for (size_t i = 0; i < header.size(); ++i) csv += (i ? ";" : "") + header[i];
    csv += '\n';
    for (const Row& row : rows) {
        for (size_t i = 0; i < row.cells.size(); ++i) csv += (i ? ";" : "") + row.cells[i];
        csv += '\n';
    }
    batch::CalcSettings settings;
    settings.decimal = '.';
    settings.threads = 2;
    settings.blockSize = 4096;  // many blocks: their order is kept
    const batch_test::CalcOutput output = batch_test::RunCalcOn(csv, settings);
    const std::vector<std::string> lines = batch_test::Lines(output.csv);
    ASSERT_EQ(lines.size(), rows.size() + 1);

    const size_t results = header.size();
    int ok = 0, told = 0;
    batch::CsvFields fields;
    for (size_t r = 0; r < rows.size(); ++r) {
        SCOPED_TRACE(rows[r].script.empty() ? lines[r + 1] : rows[r].script);
        batch::SplitRecord(lines[r + 1], ';', fields);
        ASSERT_EQ(fields.values.size(),
                  results + batch::ResultColumns().size() + batch::kCheckColumns.size() + 1);
        for (size_t i = 0; i < results; ++i) EXPECT_EQ(fields.values[i], rows[r].cells[i]);
        const std::string& status = fields.values.back();
        if (!rows[r].valid) {
            EXPECT_EQ(status.rfind("Spalte " + header[garbled[r - 300].first].substr(0, 2), 0), 0) << status;
            for (size_t i = results; i + 1 < fields.values.size(); ++i) EXPECT_EQ(fields.values[i], "");
            continue;
        }
        const FormOutcome form = RunForm(rows[r].script, directory, settingsFile);
        for (size_t i = 0; i < batch::ResultColumns().size(); ++i)
            EXPECT_EQ(fields.values[results + i], form.texts.at(kShown[i])) << batch::ResultColumns()[i].name;
        std::string expected;
        for (const std::string& message : form.messages)
            expected += (expected.empty() ? "" : batch::kStatusSeparator) + message;
        if (expected.empty())
            expected = form.calculated ? batch::kStatusOk : "nicht berechnet";
        EXPECT_EQ(status, expected);
        ok += status == batch::kStatusOk;
        told += !form.messages.empty();
    }
    // The random rows reach both outcomes often.
    EXPECT_GT(ok, 40);
    EXPECT_GT(told, 40);
    EXPECT_EQ(output.status, batch::kSomeRowsNotOk);
}

// A row's outcome is its own: after any rows before it, and with the form kept from earlier rows of the
// same entries up to the DN pick, a row gives what it gives on a fresh form.
TEST(EquivalenceTest, ARowsOutcomeDoesNotDependOnTheRowsBefore) {
    test_support::ScratchMachineDirectory directory;
    batch::Catalogue catalogue = batch::ReadCatalogue();
    // Pipes smaller than the form's first DN: picking their class tells that no DN matches.
    catalogue.classes.push_back({"Klein", {PipeRow{"40", "50", "3.5", "2"}}});
    RowMaker maker(catalogue);
    batch::HeaderColumns columns;
    ASSERT_FALSE(batch::MapHeader(maker.Header(), columns));
    std::vector<Row> rows;
    for (int i = 0; i < 200; ++i) rows.push_back(maker.Make(i));
    // The rows, then twice each row's entries up to the DN pick (sought parameter, filling, fluid, class,
    // DN) with the other entries of another row of the same sought parameter and filling mode.
    constexpr size_t kPrefixColumns = 7;
    const auto sameKind = [](const Row& a, const Row& b) {
        return a.cells[0] == b.cells[0] && (a.cells[1] == "teil") == (b.cells[1] == "teil");
    };
    std::vector<std::string> records;
    for (size_t round = 0; round < 3; ++round) {
        for (size_t i = 0; i < rows.size(); ++i) {
            std::vector<std::string> cells = rows[i].cells;
            for (size_t step = 1; round > 0 && step < rows.size(); ++step) {
                const Row& other = rows[(i + step * round) % rows.size()];
                if (sameKind(rows[i], other)) {
                    std::copy(other.cells.begin() + kPrefixColumns, other.cells.end(),
                              cells.begin() + kPrefixColumns);
                    break;
                }
            }
            std::string record;
            for (size_t c = 0; c < cells.size(); ++c) record += (c ? ";" : "") + cells[c];
            records.push_back(record);
        }
    }
    batch::Dialect dialect;
    dialect.decimal = '.';
    batch::RowCalculator kept(catalogue, columns, dialect);
    int ok = 0;
    std::vector<std::string> alone(records.size());
    for (size_t i = 0; i < records.size(); ++i) {
        std::string afterOthers;
        kept.AppendRow(records[i], afterOthers);
        ok += batch::RowCalculator(catalogue, columns, dialect).AppendRow(records[i], alone[i]);
        EXPECT_EQ(afterOthers, alone[i]);
    }
    EXPECT_GT(ok, 100);
    // Also in the order the tool computes a block: the rows of one prefix one after another.
    std::vector<size_t> order(records.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) {
        return kept.GroupKey(records[a]) < kept.GroupKey(records[b]);
    });
    batch::RowCalculator grouped(catalogue, columns, dialect);
    for (const size_t i : order) {
        std::string afterSamePrefix;
        grouped.AppendRow(records[i], afterSamePrefix);
        EXPECT_EQ(afterSamePrefix, alone[i]);
    }
}

}  // namespace
