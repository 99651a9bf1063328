// The printer page size read at start, the one-page job, and what each printed page takes anew.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "ReportFixture.h"

namespace printing_test {
namespace {

using platform::DefaultPrinter;
using platform::MessageIcon;
using Status = DefaultPrinter::Status;

const char* const kNoPrinter =
    "Es ist kein Standarddrucker definiert!\n\nDas Programm wird bezieht sich bei vielen Berechnungen auf den "
    "eingestellten Druckertyp.\n\nDrücken Sie Start -> Einstellungen und neuer Drucker zum Einrichten eines "
    "Druckers.";

struct PrinterCase {
    const char* name;
    DefaultPrinter printer;
    bool read;
    int width, height;
    std::vector<std::string> messages;
    MessageIcon icon;  // of the message, if any
};

void PrintTo(const PrinterCase& c, std::ostream* out) {
    *out << c.name;
}

class PrinterPageSize : public ReportTest, public ::testing::WithParamInterface<PrinterCase> {};

TEST_P(PrinterPageSize, IsReadOrFallsBack) {
    const PrinterCase& expected = GetParam();
    hp.printer.SetDefaultPrinter(expected.printer);
    const std::size_t before = hp.prompt.Messages().size();

    EXPECT_EQ(view.ReadPrinterPageSize(), expected.read);

    EXPECT_EQ(view.PageWidth(), expected.width);
    EXPECT_EQ(view.PageHeight(), expected.height);
    std::vector<std::string> shown;
    for (std::size_t i = before; i < hp.prompt.Messages().size(); ++i) {
        shown.push_back(hp.prompt.Messages()[i].text);
        EXPECT_EQ(hp.prompt.Messages()[i].icon, expected.icon);
    }
    EXPECT_EQ(shown, expected.messages);
}

// A printer without a printable area keeps the fallback page, silently: the report needs a page.
INSTANTIATE_TEST_SUITE_P(
    DefaultPrinters, PrinterPageSize,
    ::testing::Values(
        PrinterCase{"None",
                    {Status::NoDefaultPrinter, 2480, 3508},
                    false,
                    4676,
                    6744,
                    {kNoPrinter},
                    MessageIcon::Exclamation},
        PrinterCase{"Unreadable",
                    {Status::SettingsUnreadable, 2480, 3508},
                    false,
                    4676,
                    6744,
                    {"Fehler beim Auslesen des Druckers"},
                    MessageIcon::None},
        PrinterCase{"Read", {Status::Ok, 2480, 3508}, true, 2480, 3508, {}, MessageIcon::None},
        PrinterCase{"ReadOddSize", {Status::Ok, 1, 32767}, true, 1, 32767, {}, MessageIcon::None},
        PrinterCase{"ZeroArea", {Status::Ok, 0, 0}, true, 4676, 6744, {}, MessageIcon::None},
        PrinterCase{"ZeroWidth", {Status::Ok, 0, 3508}, true, 4676, 6744, {}, MessageIcon::None},
        PrinterCase{"NegativeHeight", {Status::Ok, 2480, -1}, true, 4676, 6744, {}, MessageIcon::None}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ReportTest, PreparationMakesAJobOfOnePage) {
    for (int known : {0, 1, 3}) {
        platform::PrintInfo info;
        info.maxPage = known;
        EXPECT_TRUE(view.OnPreparePrinting(info));
        EXPECT_EQ(info.maxPage, 1) << known;
    }
}

TEST_F(ReportTest, PrintAndPreviewDrawTheSameSinglePage) {
    FillRecord();
    Select(SOUGHT_VQ, false, true);
    const std::vector<std::string> printed = Print();
    EXPECT_EQ(LinesStartingWith(printed, "page"), std::vector<std::string>{"page 1"});
    EXPECT_EQ(printed.front(), "page 1");
    EXPECT_EQ(StringsOf(TextsOf(printed)).back(), "Seite 1 von 1");
    EXPECT_EQ(Preview(), printed);
}

struct DateCase {
    platform::LocalTime time;
    const char* shown;
};

void PrintTo(const DateCase& c, std::ostream* out) {
    *out << c.shown;
}

class DateLine : public ReportTest, public ::testing::WithParamInterface<DateCase> {};

TEST_P(DateLine, ShowsDayMonthYearAndTime) {
    hp.clock.Set(GetParam().time);
    EXPECT_EQ(TextAfter(PrintedStrings(), "Datum:"), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(Times, DateLine,
                         ::testing::Values(DateCase{{2026, 3, 4, 5, 6, 7}, "04.03.2026, 05:06:07"},
                                           DateCase{{2026, 1, 1, 0, 0, 0}, "01.01.2026, 00:00:00"},
                                           DateCase{{1999, 12, 31, 23, 59, 59}, "31.12.1999, 23:59:59"},
                                           DateCase{{9999, 10, 10, 10, 10, 10}, "10.10.9999, 10:10:10"}));

TEST_F(ReportTest, EveryPageTakesTheTimeAnew) {
    hp.clock.Set({2026, 5, 6, 7, 8, 9});
    EXPECT_EQ(TextAfter(PrintedStrings(), "Datum:"), "06.05.2026, 07:08:09");
    hp.clock.Set({2026, 5, 6, 7, 8, 10});
    EXPECT_EQ(TextAfter(StringsOf(TextsOf(Preview())), "Datum:"), "06.05.2026, 07:08:10");
}

// Another default printer later does not change the geometry read at start.
TEST_F(ReportTest, KeepsThePageSizeReadAtStart) {
    ReadPrinter({Status::Ok, 2480, 3508});
    hp.printer.SetDefaultPrinter({Status::Ok, 4676, 6744});
    EXPECT_EQ(LinesStartingWith(Print(), "rect"),
              (std::vector<std::string>{"rect 123 430 2357 3298", "rect 123 280 2357 431"}));
}

// A job whose printer gives its printable area (another paper, landscape) is laid out on that area, in
// print and preview alike; a job without one keeps the page read at start.
TEST_F(ReportTest, IsLaidOutOnThePageOfTheJob) {
    ReadPrinter({Status::Ok, 2480, 3508});
    hp.printer.SetJobPage({3508, 2480});
    const std::vector<std::string> landscape = {"rect 175 304 3333 2332", "rect 175 198 3333 305"};
    EXPECT_EQ(LinesStartingWith(Print(), "rect"), landscape);
    EXPECT_EQ(LinesStartingWith(Preview(), "rect"), landscape);
    hp.printer.SetJobPage({0, 0});
    EXPECT_EQ(LinesStartingWith(Print(), "rect"),
              (std::vector<std::string>{"rect 123 430 2357 3298", "rect 123 280 2357 431"}));
}

TEST_F(ReportTest, WithoutPrinterThePageIsLaidOutOnTheFallbackSize) {
    ReadPrinter({Status::NoDefaultPrinter, 0, 0});
    const std::vector<std::string> printed = Print();
    EXPECT_EQ(LinesStartingWith(printed, "rect"),
              (std::vector<std::string>{"rect 233 829 4443 6340", "rect 233 539 4443 830"}));
    EXPECT_EQ(LinesStartingWith(printed, "warning"), std::vector<std::string>{});
}

}  // namespace
}  // namespace printing_test
