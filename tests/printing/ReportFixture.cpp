#include "ReportFixture.h"

#include <algorithm>
#include <sstream>

namespace printing_test {

namespace {

// The quoted text from its opening quote on, with \" \\ and \n undone.
std::string Unquoted(const std::string& quoted) {
    std::string text;
    for (std::size_t i = 1; i + 1 < quoted.size(); ++i) {
        if (quoted[i] == '\\' && i + 2 < quoted.size()) {
            ++i;
            text += quoted[i] == 'n' ? '\n' : quoted[i];
        } else {
            text += quoted[i];
        }
    }
    return text;
}

}  // namespace

std::vector<DrawnText> TextsOf(const std::vector<std::string>& lines) {
    std::vector<DrawnText> texts;
    for (const std::string& line : lines) {
        if (line.rfind("text ", 0) != 0)
            continue;
        std::istringstream in(line.substr(5));
        DrawnText drawn;
        in >> drawn.x >> drawn.y;
        const std::size_t quote = line.find('"');
        if (!in || quote == std::string::npos) {
            ADD_FAILURE() << "malformed text line: " << line;
            continue;
        }
        drawn.text = Unquoted(line.substr(quote));
        texts.push_back(drawn);
    }
    return texts;
}

std::vector<std::string> StringsOf(const std::vector<DrawnText>& texts) {
    std::vector<std::string> strings;
    for (const DrawnText& drawn : texts) strings.push_back(drawn.text);
    return strings;
}

std::vector<std::string> LinesStartingWith(const std::vector<std::string>& lines, const std::string& word) {
    std::vector<std::string> found;
    std::copy_if(lines.begin(), lines.end(), std::back_inserter(found),
                 [&](const std::string& line) { return line == word || line.rfind(word + ' ', 0) == 0; });
    return found;
}

std::string TextAfter(const std::vector<std::string>& texts, const std::string& label, int occurrence) {
    for (std::size_t i = 0; i + 1 < texts.size(); ++i) {
        if (texts[i] == label && occurrence-- == 0)
            return texts[i + 1];
    }
    return "<none>";
}

ReportTest::ReportTest() {
    hp.clock.Set({2026, 12, 7, 1, 22, 5});
    ReadPrinter({platform::DefaultPrinter::Status::Ok, 4676, 6744});
}

void ReportTest::ReadPrinter(const platform::DefaultPrinter& printer) {
    hp.printer.SetDefaultPrinter(printer);
    view.ReadPrinterPageSize();
    hp.transcript.TakeNew();
}

std::vector<std::string> ReportTest::Print() {
    hp.transcript.TakeNew();
    hp.printer.Print(view);
    return hp.transcript.TakeNew();
}

std::vector<std::string> ReportTest::Preview() {
    hp.transcript.TakeNew();
    hp.printer.Preview(view);
    return hp.transcript.TakeNew();
}

void ReportTest::FillRecord() {
    doc.SetDi(0.1234);
    doc.SetK(0.0004);
    doc.SetV(1.5);
    doc.SetQ(0.0125);
    doc.SetI(0.0123456);
    doc.SetRe(123456.789);
    doc.SetLambda(0.0287);
    doc.SetG(9.81);
    doc.SetRho(998.2);
    doc.SetT(12.5);
    doc.SetNy(1.2345e-6);  // after rho and T, which derive it
    doc.SetHt(0.0456);
    doc.SetQt(0.005);
    doc.SetVt(0.75);
    doc.SetSurfaceWidth(0.0987);
}

void ReportTest::Select(int sought, bool fullFilling, bool calculated) {
    doc.SetSought(sought);
    doc.SetFullFilling(fullFilling);
    doc.SetCalculated(calculated);
}

}  // namespace printing_test
