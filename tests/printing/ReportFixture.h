// A calculation form on the headless platform whose record the tests fill directly before printing.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "form/PlenwickView.h"
#include "platform/headless/HeadlessPlatform.h"
#include "record/PlenwickDoc.h"

namespace printing_test {

// One "text X Y \"TEXT\"" line of a printed page.
struct DrawnText {
    int x = 0;
    int y = 0;
    std::string text;
};

// The text lines among transcript lines, in order.
std::vector<DrawnText> TextsOf(const std::vector<std::string>& lines);
std::vector<std::string> StringsOf(const std::vector<DrawnText>& texts);
// Lines of the transcript that start with the word (e.g. "rect", "page").
std::vector<std::string> LinesStartingWith(const std::vector<std::string>& lines, const std::string& word);
// The text drawn right after the occurrence-th (from 0) text equal to label; "<none>" when missing.
std::string TextAfter(const std::vector<std::string>& texts, const std::string& label, int occurrence = 0);

class ReportTest : public ::testing::Test {
  protected:
    ReportTest();

    // Reads the default printer as the form's first showing does; the transcript starts afresh.
    void ReadPrinter(const platform::DefaultPrinter& printer);
    // Prints through the framework's print command and returns the transcript lines of the job.
    std::vector<std::string> Print();
    std::vector<std::string> Preview();
    // The texts of a printed page, without coordinates.
    std::vector<std::string> PrintedStrings() { return StringsOf(TextsOf(Print())); }

    // Distinct values in every quantity the report shows; the record is not calculated afterwards.
    void FillRecord();
    // Sought parameter, filling mode and result flag, set last so that no setter clears the flag.
    void Select(int sought, bool fullFilling, bool calculated);

    headless::HeadlessPlatform hp;
    CPlenwickDoc doc;
    CPlenwickView view{doc, hp.Services()};
};

}  // namespace printing_test
