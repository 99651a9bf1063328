#include "app/script/ScriptParser.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "app/script/ScriptError.h"

namespace {

template <class Line>
Line ParseAs(const std::string& text) {
    const auto command = ParseScriptLine(text);
    EXPECT_TRUE(command.has_value()) << text;
    if (!command)
        return Line{};
    EXPECT_TRUE(std::holds_alternative<Line>(*command)) << text;
    return std::holds_alternative<Line>(*command) ? std::get<Line>(*command) : Line{};
}

std::string ErrorOf(const std::string& text) {
    try {
        ParseScriptLine(text);
    } catch (const ScriptError& error) {
        return error.what();
    }
    return "(accepted)";
}

TEST(ScriptParser, IgnoresBlankLinesAndComments) {
    for (const char* line : {"", " ", "    ", "#", "# click 4711", "#start"}) {
        EXPECT_FALSE(ParseScriptLine(line).has_value()) << '"' << line << '"';
    }
}

TEST(ScriptParser, TextArgumentIsTheRestOfTheLineVerbatim) {
    struct Case {
        const char* line;
        const char* text;
    };
    for (const Case& c : {Case{"type 1023 1,5", "1,5"}, Case{"type 1023 a, b,  c ", "a, b,  c "},
                          Case{"type 1023  leading blank", " leading blank"}, Case{"type 1023", ""},
                          Case{"type 1023 ", ""}, Case{"type 1023 \"quoted\" \\", "\"quoted\" \\"},
                          Case{"type 1023 # not a comment", "# not a comment"}}) {
        const TypeLine type = ParseAs<TypeLine>(c.line);
        EXPECT_EQ(type.id, 1023) << c.line;
        EXPECT_EQ(type.text, c.text) << c.line;
    }
    const EditListLine edit = ParseAs<EditListLine>("edit 1053 k, eigener  Wert");
    EXPECT_EQ(edit.id, 1053);
    EXPECT_EQ(edit.text, "k, eigener  Wert");
    EXPECT_EQ(ParseAs<EditListLine>("edit 1053 ").text, "");
}

TEST(ScriptParser, FileNamesAndProjectTextsAreTheRestOfTheLine) {
    EXPECT_EQ(ParseAs<OpenFileLine>("open Leitung Nord.qrx").path, "Leitung Nord.qrx");
    EXPECT_EQ(ParseAs<SaveFileLine>("save  a,b #1.qrx").path, " a,b #1.qrx");
    EXPECT_EQ(ParseAs<ChooseFileLine>("choose dir/x.qrx").path, "dir/x.qrx");
    const ProjectLine project = ParseAs<ProjectLine>("project Bemerkung Variante \"A\",  2");
    EXPECT_EQ(project.field, "Bemerkung");
    EXPECT_EQ(project.text, "Variante \"A\",  2");
    EXPECT_EQ(ParseAs<ProjectLine>("project Projekt").text, "");
}

TEST(ScriptParser, PickTakesAPositionOrAnExactText) {
    struct Case {
        const char* line;
        std::optional<int> position;
        const char* text;
    };
    for (const Case& c :
         {Case{"pick 1008 #0", 0, "#0"}, Case{"pick 1030 #3", 3, "#3"},
          Case{"pick 1053 k  - manuelle Eingabe", std::nullopt, "k  - manuelle Eingabe"},
          Case{"pick 1008 #", std::nullopt, "#"}, Case{"pick 1008 #3a", std::nullopt, "#3a"},
          Case{"pick 1008 # 3", std::nullopt, "# 3"},
          Case{"pick 1030  J [m/km] ", std::nullopt, " J [m/km] "}, Case{"pick 1008 ", std::nullopt, ""}}) {
        const PickLine pick = ParseAs<PickLine>(c.line);
        EXPECT_EQ(pick.position, c.position) << c.line;
        if (!c.position) {
            EXPECT_EQ(pick.text, c.text) << c.line;
        }
    }
}

TEST(ScriptParser, NumbersAndSettings) {
    EXPECT_EQ(ParseAs<ClickLine>("click 1007").id, 1007);
    EXPECT_EQ(ParseAs<ClickLine>("click 2147483647").id, INT_MAX);
    EXPECT_EQ(ParseAs<AnswerLine>("answer 1 2 -1 0").codes, (std::vector<int>{1, 2, -1, 0}));
    EXPECT_EQ(ParseAs<AnswerLine>("answer -2147483648 2147483647").codes,
              (std::vector<int>{INT_MIN, INT_MAX}));
    EXPECT_EQ(ParseAs<ShowLine>("show 1023 1011 1040").ids, (std::vector<int>{1023, 1011, 1040}));

    using Status = platform::DefaultPrinter::Status;
    EXPECT_EQ(ParseAs<SetPrinterLine>("printer none").printer.status, Status::NoDefaultPrinter);
    EXPECT_EQ(ParseAs<SetPrinterLine>("printer unreadable").printer.status, Status::SettingsUnreadable);
    const platform::DefaultPrinter sized = ParseAs<SetPrinterLine>("printer 4676 6744").printer;
    EXPECT_EQ(sized.status, Status::Ok);
    EXPECT_EQ(sized.width, 4676);
    EXPECT_EQ(sized.height, 6744);
    EXPECT_EQ(ParseAs<SetPrinterLine>("printer 0 0").printer.width, 0);

    const platform::LocalTime time = ParseAs<SetClockLine>("clock 2024-02-29 23:59:58").time;
    EXPECT_EQ((std::vector<int>{time.year, time.month, time.day, time.hour, time.minute, time.second}),
              (std::vector<int>{2024, 2, 29, 23, 59, 58}));

    const SetBrowserLine lookup = ParseAs<SetBrowserLine>("browser lookup 31");
    EXPECT_TRUE(lookup.lookup);
    EXPECT_EQ(lookup.code, 31);
    const SetBrowserLine start = ParseAs<SetBrowserLine>("browser start 2");
    EXPECT_FALSE(start.lookup);
    EXPECT_EQ(start.code, 2);
}

TEST(ScriptParser, MenuCommandsByName) {
    struct Case {
        const char* name;
        Command command;
    };
    for (const Case& c :
         {Case{"new", Command::New}, Case{"open", Command::Open}, Case{"save", Command::Save},
          Case{"saveas", Command::SaveAs}, Case{"print", Command::Print},
          Case{"preview", Command::PrintPreview}, Case{"printsetup", Command::PrintSetup},
          Case{"help", Command::Help}, Case{"about", Command::About}, Case{"exit", Command::Exit}}) {
        const MenuCommandLine line = ParseAs<MenuCommandLine>(std::string("command ") + c.name);
        EXPECT_EQ(line.command, c.command) << c.name;
        EXPECT_EQ(line.name, c.name);
    }
}

TEST(ScriptParser, SizingTakesKeyedDecimalsInAnyOrder) {
    const SizingLine table = ParseAs<SizingLine>("sizing hd=0.6 J=5 Q=12.25 vmin=-0 vmax=3");
    EXPECT_FALSE(table.take);
    EXPECT_EQ(table.Q, 12.25);
    EXPECT_EQ(table.J, 5.0);
    EXPECT_EQ(table.vMin, 0.0);
    EXPECT_EQ(table.vMax, 3.0);
    EXPECT_EQ(table.hdMax, 0.6);
    EXPECT_FALSE(ParseAs<SizingLine>("sizing Q=1").J);
    const SizingLine take = ParseAs<SizingLine>("sizing take 150");
    EXPECT_TRUE(take.take);
    EXPECT_EQ(take.dn, "150");
}

TEST(ScriptParser, KeywordsWithoutArguments) {
    EXPECT_TRUE(std::holds_alternative<StartLine>(*ParseScriptLine("start")));
    EXPECT_TRUE(std::holds_alternative<LeaveLine>(*ParseScriptLine("leave")));
    EXPECT_TRUE(std::holds_alternative<TabLine>(*ParseScriptLine("tab")));
    EXPECT_TRUE(std::holds_alternative<DumpLine>(*ParseScriptLine("dump")));
    EXPECT_TRUE(std::holds_alternative<RecordLine>(*ParseScriptLine("record")));
    EXPECT_TRUE(std::holds_alternative<CurveLine>(*ParseScriptLine("curve")));
    EXPECT_TRUE(std::holds_alternative<CloseLine>(*ParseScriptLine("close")));
}

TEST(ScriptParser, RejectsFaultyLinesWithAReason) {
    struct Case {
        std::string line;
        const char* error;
    };
    const Case cases[] = {
        {"frobnicate 1", "unknown keyword \"frobnicate\""},
        {"Start", "unknown keyword \"Start\""},
        {" start", "missing keyword (words are separated by one blank)"},
        {"start now", "unexpected text \"now\" at the end"},
        {"leave ", "unexpected blank at the end of the line"},
        {"click", "missing control id"},
        {"type", "missing control id"},
        {"click  1007", "missing control id (words are separated by one blank)"},
        {"click 1007 1008", "unexpected text \"1008\" at the end"},
        {"click 12a", "control id \"12a\" is not a number"},
        {"click -5", "control id \"-5\" is not a number"},
        {"click +5", "control id \"+5\" is not a number"},
        {"click 2147483648", "control id \"2147483648\" is out of range"},
        {"click 99999999999999999999999999", "control id \"99999999999999999999999999\" is out of range"},
        {"type x1023 1", "control id \"x1023\" is not a number"},
        {"pick 1008", "missing entry (#N or its text)"},
        {"pick 1008 #99999999999", "entry position \"99999999999\" is out of range"},
        {"edit 1053", "missing text"},
        {"answer", "missing dialog code"},
        {"answer 1 ", "missing dialog code (words are separated by one blank)"},
        {"answer 1 x", "dialog code \"x\" is not a number"},
        {"answer 1.5", "dialog code \"1.5\" is not a number"},
        {"answer -", "dialog code \"-\" is not a number"},
        {"answer 2147483648", "dialog code \"2147483648\" is out of range"},
        {"answer -2147483649", "dialog code \"-2147483649\" is out of range"},
        {"show", "missing control id"},
        {"show 1023 abc", "control id \"abc\" is not a number"},
        {"command", "missing command name"},
        {"command quit",
         "unknown command \"quit\" (new, open, save, saveas, print, preview, printsetup, help, about, exit, "
         "sheetprint, sheetpreview)"},
        {"open", "missing file name"},
        {"save ", "missing file name"},
        {"choose", "missing file name"},
        {"project", "missing project field (Projekt, Abschnitt, Bearbeiter, Bemerkung)"},
        {"project Kunde X", "project field \"Kunde\" is not Projekt, Abschnitt, Bearbeiter or Bemerkung"},
        {"document now", "unexpected text \"now\" at the end"},
        {"command print now", "unexpected text \"now\" at the end"},
        {"printer", "missing printer setting (none, unreadable or W H)"},
        {"printer 4676", "missing printer height"},
        {"printer wide 10", "printer width \"wide\" is not a number"},
        {"printer 10 -1", "printer height \"-1\" is not a number"},
        {"printer none 1", "unexpected text \"1\" at the end"},
        {"browser lookup", "missing result code"},
        {"browser open 42", "browser setting \"open\" is neither lookup nor start"},
        {"browser start 4x", "result code \"4x\" is not a number"},
        {"clock 2024-01-01", "missing time (HH:MM:SS)"},
        {"clock 2024-1-01 10:00:00", "date \"2024-1-01\" is not of the form YYYY-MM-DD"},
        {"clock 2024-01-01 10:00", "time \"10:00\" is not of the form HH:MM:SS"},
        {"clock 2023-02-29 10:00:00", "date \"2023-02-29\" is out of range"},
        {"clock 1900-02-29 10:00:00", "date \"1900-02-29\" is out of range"},
        {"clock 2024-13-01 10:00:00", "date \"2024-13-01\" is out of range"},
        {"clock 2024-04-31 10:00:00", "date \"2024-04-31\" is out of range"},
        {"clock 0000-01-01 10:00:00", "date \"0000-01-01\" is out of range"},
        {"clock 2024-01-01 24:00:00", "time \"24:00:00\" is out of range"},
        {"clock 2024-01-01 10:60:00", "time \"10:60:00\" is out of range"},
        {"clock 2024-01-01 1a:00:00", "time \"1a:00:00\" is not a valid date or time"},
        {"clock 2024-01-01 10:00:00 x", "unexpected text \"x\" at the end"},
        {"sizing", "missing Q=VALUE or take"},
        {"sizing J=5", "sizing needs Q=VALUE"},
        {"sizing Q=1 Q=2", "sizing argument Q given twice"},
        {"sizing Q=1 vmax 2",
         "sizing argument \"vmax\" is not Q=, J=, vmin=, vmax=, hd=, taumin=, L=, zeta= or hvmax="},
        {"sizing Q=1,5", "Q \"1,5\" is not a decimal number"},
        {"sizing Q=1. ", "Q \"1.\" is not a decimal number"},
        {"sizing Q=1e400", "Q \"1e400\" is not a decimal number"},
        {"sizing Q=1 ", "missing sizing argument (words are separated by one blank)"},
        {"sizing take", "missing DN"},
        {"sizing take 100 200", "unexpected text \"200\" at the end"},
    };
    for (const Case& c : cases) EXPECT_EQ(ErrorOf(c.line), c.error) << c.line;
}

TEST(ScriptParser, RejectsBinaryText) {
    struct Case {
        std::string line;
        const char* error;
    };
    const Case cases[] = {
        {std::string("type 1023 a\0b", 13), "the line holds a NUL byte"},
        {std::string("\0", 1), "the line holds a NUL byte"},
        {"type 1023 a\tb", "the line holds the control character 0x09"},
        {"type 1023 a\rb", "the line holds the control character 0x0D"},
        {"type 1023 \x7F", "the line holds the control character 0x7F"},
        {"type 1023 \xFF", "the line is not valid UTF-8 (byte 11)"},
        {"type 1023 \x80", "the line is not valid UTF-8 (byte 11)"},
        {"type 1023 \xC0\xAF", "the line is not valid UTF-8 (byte 11)"},          // overlong '/'
        {"type 1023 \xE0\x80\xAF", "the line is not valid UTF-8 (byte 11)"},      // overlong '/'
        {"type 1023 \xED\xA0\x80", "the line is not valid UTF-8 (byte 11)"},      // surrogate
        {"type 1023 \xF4\x90\x80\x80", "the line is not valid UTF-8 (byte 11)"},  // above U+10FFFF
        {"type 1023 ab\xE2\x82", "the line is not valid UTF-8 (byte 13)"},        // cut short
        {"\xEF\xBB\xBFstart", "unknown keyword \"\xEF\xBB\xBFstart\""},           // a byte-order mark is text
    };
    for (const Case& c : cases) EXPECT_EQ(ErrorOf(c.line), c.error) << c.line;
    EXPECT_EQ(ParseAs<TypeLine>("type 1023 Füllhöhe 5 € 𝄞").text, "Füllhöhe 5 € 𝄞");
}

}  // namespace
