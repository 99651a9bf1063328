#include "app/script/ControlDump.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "form/model/ControlIds.h"
#include "form/model/NumberEdit.h"
#include "platform/headless/HeadlessPlatform.h"
#include "platform/headless/Transcript.h"
#include "record/PlenwickDoc.h"

namespace {

using Lines = std::vector<std::string>;

TEST(ControlDump, EditFieldsWithTheirFlags) {
    headless::HeadlessPlatform platform;  // catches the text changes' messages, if any
    CNumberEdit field(IDC_V);
    EXPECT_EQ(DescribeControl(field), (Lines{"edit 1023 \"\" enabled=1 valid=1 mark=0"}));

    field.SetText("1,5 \"x\" \\ a\nb");
    field.SetValid(false);
    field.SetResultMark(true);
    field.Enable(false);
    EXPECT_EQ(DescribeControl(field),
              (Lines{"edit 1023 \"1,5 \\\"x\\\" \\\\ a\\nb\" enabled=0 valid=0 mark=1"}));

    platform::EditControl plain(7);  // not a number field: always valid, never marked
    plain.SetText("Füllhöhe");
    EXPECT_EQ(DescribeControl(plain), (Lines{"edit 7 \"Füllhöhe\" enabled=1 valid=1 mark=0"}));
}

TEST(ControlDump, ListsWithTheirEntries) {
    platform::ListControl list(IDC_DN);
    EXPECT_EQ(DescribeControl(list), (Lines{"list 1008 sel=-1 \"\" enabled=1 entries=0"}));

    list.AddString("80");
    list.AddString("100");
    list.AddString("a, \"b\"");
    list.SetCurSel(1);
    list.Enable(false);
    EXPECT_EQ(DescribeControl(list), (Lines{
                                         "list 1008 sel=1 \"100\" enabled=0 entries=3",
                                         "  entry 0 \"80\"",
                                         "  entry 1 \"100\"",
                                         "  entry 2 \"a, \\\"b\\\"\"",
                                     }));

    list.SetEditText("typed");  // typing into the text field drops the selection
    EXPECT_EQ(DescribeControl(list).front(), "list 1008 sel=-1 \"typed\" enabled=0 entries=3");
}

TEST(ControlDump, TabsWithTheirEntries) {
    platform::TabControl tabs(IDC_SOUGHT);
    EXPECT_EQ(DescribeControl(tabs), (Lines{"tabs 1030 sel=-1 enabled=1"}));
    tabs.InsertItem(0, " J [m/km] ");
    tabs.InsertItem(1, " k [mm] ");
    tabs.SetCurSel(1);
    EXPECT_EQ(DescribeControl(tabs), (Lines{
                                         "tabs 1030 sel=1 enabled=1",
                                         "  entry 0 \" J [m/km] \"",
                                         "  entry 1 \" k [mm] \"",
                                     }));
}

TEST(ControlDump, ButtonsWithCaptionAndCheckMark) {
    platform::ButtonControl radio(1001, platform::ControlKind::RadioButton, "Vollfüllung");
    EXPECT_EQ(DescribeControl(radio), (Lines{"button 1001 \"Vollfüllung\" enabled=1 checked=0"}));
    radio.SetCheck(true);
    radio.Enable(false);
    EXPECT_EQ(DescribeControl(radio), (Lines{"button 1001 \"Vollfüllung\" enabled=0 checked=1"}));

    platform::ButtonControl link(1055, platform::ControlKind::OwnerDrawButton, "https://example/");
    EXPECT_EQ(DescribeControl(link), (Lines{"button 1055 \"https://example/\" enabled=1 checked=0"}));
}

TEST(ControlDump, RecordInTheOrderOfItsMembers) {
    CPlenwickDoc record;
    EXPECT_EQ(DescribeRecord(record), (Lines{
                                          "record m_surfaceWidth 0",
                                          "record m_vt 0",
                                          "record m_ht 0",
                                          "record m_Qt 0",
                                          "record m_calculated 0",
                                          "record m_Re 0",
                                          "record m_k 0",
                                          "record m_Di 0",
                                          "record m_g 0",
                                          "record m_v 0",
                                          "record m_ny 0",
                                          "record m_Q 0",
                                          "record m_I 0",
                                          "record m_rho 0",
                                          "record m_T 0",
                                          "record m_lambda 0",
                                          "record m_sought 0",
                                          "record m_fullFilling 1",
                                      }));

    record.SetSurfaceWidth(0.0625);
    record.SetVt(1.5);
    record.SetHt(0.05);
    record.SetQt(0.00025);
    record.SetRe(123456.789);
    record.SetK(0.0001);
    record.SetDi(0.101);
    record.SetG(9.81);
    record.SetV(3.0);
    record.SetQ(0.02);
    record.SetI(0.001);
    record.SetRho(1010);
    record.SetT(10.5);
    record.SetNy(1.3e-6);
    record.SetLambda(-0.0);
    record.SetSought(SOUGHT_DI);
    record.SetFullFilling(false);
    record.SetCalculated(true);
    EXPECT_EQ(DescribeRecord(record), (Lines{
                                          "record m_surfaceWidth 0.0625",
                                          "record m_vt 1.5",
                                          "record m_ht 0.050000000000000003",
                                          "record m_Qt 0.00025000000000000001",
                                          "record m_calculated 1",
                                          "record m_Re 123456.789",
                                          "record m_k 0.0001",
                                          "record m_Di 0.10100000000000001",
                                          "record m_g 9.8100000000000005",
                                          "record m_v 3",
                                          "record m_ny 1.3e-06",
                                          "record m_Q 0.02",
                                          "record m_I 0.001",
                                          "record m_rho 1010",
                                          "record m_T 10.5",
                                          "record m_lambda -0",
                                          "record m_sought 4",
                                          "record m_fullFilling 0",
                                      }));
}

}  // namespace

// Texts are quoted so that a transcript line is UTF-8 without control characters, and reads back
// unambiguously; ordinary texts pass unchanged.
TEST(TranscriptQuote, EscapesWhatATerminalWouldInterpret) {
    using headless::Quote;
    using namespace std::string_view_literals;
    const std::pair<std::string_view, std::string> cases[] = {
        {"K10-Abwasser ä °C m³/h", "\"K10-Abwasser ä °C m³/h\""},
        {"a\"b\\c\nd", "\"a\\\"b\\\\c\\nd\""},
        {"a\rb\tc", "\"a\\rb\\tc\""},
        {"\x1b[31m\x7f\0"sv, "\"\\x1b[31m\\x7f\\x00\""},
        {"Gro\xdf\xff", "\"Gro\\xdf\\xff\""},
        {"\xc3", "\"\\xc3\""},  // a sequence cut short
        {"\xc2\x9b"
         "1\xc2\xa0",
         "\"\\xc2\\x9b1\xc2\xa0\""},  // C1 control; no-break space passes
        {"\\x41", "\"\\\\x41\""},     // a backslash is always doubled
    };
    for (const auto& [text, quoted] : cases) EXPECT_EQ(Quote(text), quoted);
}
