// quellrix.exe's window under wine: start with the printer warning, a typical calculation with the
// result marked, a message box and an adjustment dialog answered, the keyboard, the dialog templates
// of the resource script, and closing, which writes the global data back.
// (the form's ids before windows.h, which defines some of their names as macros)
#include "form/model/ControlIds.h"

#include "WindowDriver.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/AboutBox.h"
#include "app/SaveChangesQuestion.h"
#include "app/win32/FillingCurveWindow.h"
#include "app/win32/SizingWindow.h"
#include "app/win32/WindowSession.h"
#include "app/win32/resource.h"
#include "form/PlenwickView.h"
#include "form/model/AdjustDialogs.h"
#include "platform/headless/HeadlessPlatform.h"
#include "platform/headless/SimulatedShell.h"
#include "platform/win32/FormWindow.h"
#include "platform/win32/Wide.h"
#include "record/PlenwickDoc.h"
#include "support/ScratchDirectory.h"

namespace {

namespace fs = std::filesystem;

// One machine directory for the program (it is asked for once a process); each test starts without
// a settings file, so with the default catalogue.
const std::string& MachineDirectory() {
    static test_support::ScratchDirectory directory;
    static test_support::ScopedEnv windir("QUELLRIX_WINDIR", directory.Path());
    return directory.Path();
}

std::string SettingsFile() {
    return (fs::u8path(MachineDirectory()) / "Rohre.ini").u8string();
}

class WindowTest : public testing::Test {
  protected:
    WindowTest() {
        std::error_code ignored;
        fs::remove(fs::u8path(SettingsFile()), ignored);
        m_session = std::make_unique<WindowSession>();
    }

    bool Start() {
        m_answerer.Then([](const wintest::Modal& box) { wintest::Press(box, IDOK); });  // the printer warning
        const bool started = m_session->Start();
        Pump(100);
        return started;
    }
    // At least the time given, and on (up to a few seconds, on a loaded machine) while a queued answer
    // waits for its window.
    void Pump(int milliseconds) {
        const auto translate = [this](MSG& message) {
            return m_session->Frame().PreTranslateMessage(message);
        };
        wintest::Pump(translate, milliseconds);
        for (int waited = 0; m_answerer.PendingHandlers() > 0 && waited < kPatience; waited += 50)
            wintest::Pump(translate, 50);
    }
    static constexpr int kPatience = 5000;
    HWND Control(int id) { return m_session->Frame().Form()->ControlWindow(id); }
    std::string Text(int id) { return wintest::TextOf(Control(id)); }
    void RunCommand(::Command command) {
        PostMessageW(m_session->Frame().Window(), WM_COMMAND, static_cast<WPARAM>(command), 0);
        Pump(100);
    }
    // The colour the window shows inside a field.
    COLORREF FieldColour(int id) {
        HWND field = Control(id);
        RedrawWindow(field, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
        HDC dc = GetDC(field);
        const COLORREF colour = GetPixel(dc, 2, 2);
        ReleaseDC(field, dc);
        return colour;
    }

    // The second class and its fourth DN, v = 1,5 m/s typed and calculated with J sought.
    void CalculateTypicalCase() {
        wintest::Pick(Control(IDC_CLASS), 1);
        wintest::Pick(Control(IDC_DN), 3);
        wintest::Type(Control(IDC_V), "1,5");
        wintest::Click(Control(IDC_BERECHNEN));
        Pump(100);
    }

    ~WindowTest() override { EndSession(); }

    void EndSession() {
        m_session.reset();
        // The window's end left its quit message, which would end the next session's first message box.
        MSG message{};
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        }
    }

    wintest::ModalAnswerer m_answerer;
    std::unique_ptr<WindowSession> m_session;
};

TEST_F(WindowTest, StartsWithThePrinterWarningAndTheUntitledForm) {
    ASSERT_TRUE(Start());
    ASSERT_GE(m_answerer.Seen().size(), 1u);
    const wintest::Modal& warning = m_answerer.Seen().front();
    EXPECT_EQ(warning.caption, "Quellrix");
    EXPECT_NE(warning.text.find("Standarddrucker"), std::string::npos) << warning.text;
    EXPECT_EQ(wintest::TextOf(m_session->Frame().Window()), "Quellrix V 1.0");
    EXPECT_TRUE(IsWindowVisible(m_session->Frame().Window()));
}

// The same user actions headless and in the window give the same texts in every field.
TEST_F(WindowTest, TypicalCaseGivesTheHeadlessTextsWithTheResultMarkedYellow) {
    ASSERT_TRUE(Start());
    CalculateTypicalCase();

    headless::HeadlessPlatform platform;
    CPlenwickDoc document;
    CPlenwickView view(document, platform.Services());
    view.OnInitialUpdate();
    platform::ControlSet& controls = view.Controls();
    controls.UserPick(IDC_CLASS, 1);
    controls.UserPick(IDC_DN, 3);
    controls.UserType(IDC_V, "1,5");
    controls.UserClick(IDC_BERECHNEN);

    for (const platform::Control* control : controls.InTabOrder()) {
        if (const auto* edit = dynamic_cast<const platform::EditControl*>(control)) {
            EXPECT_EQ(Text(control->Id()), edit->GetText()) << "field " << control->Id();
        }
    }
    EXPECT_FALSE(Text(IDC_J).empty());
    EXPECT_EQ(FieldColour(IDC_J), RGB(240, 240, 0));
    EXPECT_NE(FieldColour(IDC_V), RGB(240, 240, 0));
    EXPECT_EQ(wintest::TextOf(m_session->Frame().Window()), "Quellrix V 1.0*");
}

// A velocity beyond the definition range is told when the field is left.
TEST_F(WindowTest, EntryBeyondItsRangeIsToldInAMessageBox) {
    ASSERT_TRUE(Start());
    m_answerer.Then([](const wintest::Modal& box) { wintest::Press(box, IDOK); });
    wintest::Type(Control(IDC_V), "20");
    wintest::PressKey(Control(IDC_V), VK_TAB);
    Pump(300);
    ASSERT_EQ(m_answerer.Seen().size(), 2u);
    EXPECT_EQ(m_answerer.Seen().back().caption, "Quellrix");
    EXPECT_NE(m_answerer.Seen().back().text.find("Definitionsbereich"), std::string::npos)
        << m_answerer.Seen().back().text;
    EXPECT_EQ(m_answerer.PendingHandlers(), 0);
}

// A new Re over a result asks which quantity follows; "v" adapts the velocity.
TEST_F(WindowTest, AdjustmentDialogAnsweredAdaptsTheChosenQuantity) {
    ASSERT_TRUE(Start());
    CalculateTypicalCase();
    const std::string v = Text(IDC_V);
    m_answerer.Then([](const wintest::Modal& dialog) { wintest::Press(dialog, IDC_ADJUST_V); });
    wintest::Type(Control(IDC_RE), "100000");
    wintest::PressKey(Control(IDC_RE), VK_TAB);
    Pump(300);
    ASSERT_EQ(m_answerer.Seen().size(), 2u);
    const wintest::Modal& dialog = m_answerer.Seen().back();
    EXPECT_EQ(dialog.caption, "Parameteranpassung");
    EXPECT_EQ(dialog.buttons, "&di|&ny|&v");
    EXPECT_NE(Text(IDC_V), v);
    EXPECT_EQ(Text(IDC_RE).rfind("100000", 0), 0u) << Text(IDC_RE);
}

// Tab leaves a field (its commas become points) for the next tab stop; Enter in a field calculates.
TEST_F(WindowTest, KeyboardTabAndEnter) {
    ASSERT_TRUE(Start());
    wintest::Type(Control(IDC_V), "1,5");
    wintest::PressKey(Control(IDC_V), VK_TAB);
    Pump(100);
    EXPECT_EQ(Text(IDC_V), "1.5");
    EXPECT_NE(m_session->App().View().Controls().FocusedId(), IDC_V);
    EXPECT_EQ(m_session->Frame().Form()->IdOf(GetFocus()), m_session->App().View().Controls().FocusedId());
    wintest::Type(Control(IDC_V), "2");
    wintest::PressKey(Control(IDC_V), VK_RETURN);
    Pump(100);
    EXPECT_EQ(FieldColour(IDC_J), RGB(240, 240, 0));
}

// Every dialog the program shows has its template in the resource script, with each of its buttons.
TEST_F(WindowTest, DialogTemplatesHaveTheirButtons) {
    const CAdjustReDlg reynolds;
    const CAdjustAreaDlg area;
    const CZeroQvDlg zero;
    const platform::DialogTemplate* dialogs[] = {&AboutBoxTemplate(), &SaveChangesQuestion(),
                                                 &reynolds.Template(), &area.Template(), &zero.Template()};
    for (const platform::DialogTemplate* dialog : dialogs) {
        HWND window = CreateDialogParamW(
            GetModuleHandleW(nullptr), MAKEINTRESOURCEW(dialog->id), nullptr,
            [](HWND, UINT, WPARAM, LPARAM) -> INT_PTR { return FALSE; }, 0);
        ASSERT_NE(window, nullptr) << "dialog " << dialog->id;
        for (const platform::DialogButton& button : dialog->buttons)
            EXPECT_NE(GetDlgItem(window, button.id), nullptr)
                << "dialog " << dialog->id << " button " << button.id;
        DestroyWindow(window);
    }
}

TEST_F(WindowTest, AboutBoxFromItsTemplate) {
    ASSERT_TRUE(Start());
    m_answerer.Then([](const wintest::Modal& dialog) { wintest::Press(dialog, IDOK); });
    RunCommand(Command::About);
    ASSERT_EQ(m_answerer.Seen().size(), 2u);
    EXPECT_EQ(m_answerer.Seen().back().caption, kAboutCaption);
    EXPECT_NE(m_answerer.Seen().back().text.find("Programmierung"), std::string::npos);
}

TEST_F(WindowTest, PrintPreviewOpensOnTheReportAndCloses) {
    ASSERT_TRUE(Start());
    CalculateTypicalCase();
    m_answerer.Then([](const wintest::Modal& preview) { PostMessageW(preview.window, WM_CLOSE, 0, 0); });
    RunCommand(Command::PrintPreview);
    ASSERT_EQ(m_answerer.Seen().size(), 2u);
    EXPECT_EQ(m_answerer.Seen().back().caption, "Quellrix - Seitenansicht");
    EXPECT_TRUE(IsWindowEnabled(m_session->Frame().Window()));
}

// "Speichern unter" names the file in the save dialog; the file is written, named in the caption and
// first in the recent-file list; the project dialog's lines go into the calculation.
TEST_F(WindowTest, SaveAsThroughTheFileDialogAndProjectHeader) {
    ASSERT_TRUE(Start());
    m_answerer.Then([](const wintest::Modal& dialog) {
        EXPECT_EQ(wintest::TextOf(dialog.window), "Projektangaben");
        EXPECT_EQ(wintest::TextOf(GetDlgItem(dialog.window, IDC_REMARK_LABEL)), "Be&merkung:");
        SetDlgItemTextW(dialog.window, IDC_PROJECT, L"Kanal Nord");
        wintest::Press(dialog, IDOK);
    });
    RunCommand(Command::ProjectHeader);
    EXPECT_EQ(m_session->App().Document().GetProjectHeader().project, "Kanal Nord");

    CalculateTypicalCase();
    const std::string file = (fs::u8path(MachineDirectory()) / fs::u8path(u8"Prüfung ä.qrx")).u8string();
    m_answerer.Then([file](const wintest::Modal& dialog) {
        // The file-name field of the common dialog (explorer style, else the old one).
        HWND name = GetDlgItem(dialog.window, 1148);
        SetWindowTextW(name ? name : GetDlgItem(dialog.window, 1152), platform::win32::Widen(file).c_str());
        wintest::Press(dialog, IDOK);
    });
    RunCommand(Command::SaveAs);
    Pump(300);
    ASSERT_EQ(m_answerer.Seen().size(), 3u);
    EXPECT_TRUE(fs::is_regular_file(fs::u8path(file)));
    EXPECT_EQ(wintest::TextOf(m_session->Frame().Window()), u8"Prüfung ä.qrx - Quellrix");
    ASSERT_FALSE(m_session->Frame().Recent().Files().empty());
    EXPECT_EQ(m_session->Frame().Recent().Files().front(), file);
}

TEST_F(WindowTest, CopyResultsPutsTheResultsTextOnTheClipboard) {
    ASSERT_TRUE(Start());
    CalculateTypicalCase();
    RunCommand(Command::CopyResults);
    ASSERT_TRUE(OpenClipboard(nullptr));
    HANDLE data = GetClipboardData(CF_UNICODETEXT);
    const auto* text = data ? static_cast<const wchar_t*>(GlobalLock(data)) : nullptr;
    const std::string copied = text ? platform::win32::Narrow(text) : std::string();
    if (text)
        GlobalUnlock(data);
    CloseClipboard();
    std::string j = Text(IDC_J);  // with a decimal comma in the copied text
    std::replace(j.begin(), j.end(), '.', ',');
    EXPECT_NE(copied.find("Gefälle J\t" + j), std::string::npos) << copied;
    EXPECT_NE(copied.find("\r\n"), std::string::npos);
}

// The sizing table takes the form's flow, recommends a DN in its list view, and "Übernehmen" takes
// that DN into the form; the curve window shows the curves of the form's calculation.
TEST_F(WindowTest, SizingTableAndFillingCurveWindow) {
    ASSERT_TRUE(Start());
    CalculateTypicalCase();
    RunCommand(Command::SizingTable);
    SizingWindow* sizing = m_session->Frame().SizingTable();
    ASSERT_NE(sizing, nullptr);
    EXPECT_EQ(wintest::TextOf(sizing->Window()), "Bemessungstabelle");
    EXPECT_EQ(wintest::TextOf(GetDlgItem(sizing->Window(), IDC_SIZING_TAU_MIN_LABEL)), "τmi&n [N/m²]");
    ASSERT_TRUE(sizing->Table().has_value());
    const sizing::Table& table = *sizing->Table();
    ASSERT_GE(table.recommended, 0);
    HWND grid = GetDlgItem(sizing->Window(), IDC_SIZING_GRID);
    EXPECT_EQ(ListView_GetItemCount(grid), static_cast<int>(table.rows.size()));
    const std::string recommended = table.rows[static_cast<size_t>(table.recommended)].dn;
    wintest::Click(GetDlgItem(sizing->Window(), IDC_SIZING_TAKE_OVER));
    Pump(200);
    EXPECT_EQ(Text(IDC_DN), recommended);
    // The wall shear stress criterion in gravity flow; the pressure line's fields in pressure flow.
    SetDlgItemTextW(sizing->Window(), IDC_SIZING_TAU_MIN, L"2,5");
    EXPECT_DOUBLE_EQ(sizing->Table()->criteria.tauMin, 2.5);
    SetDlgItemTextW(sizing->Window(), IDC_SIZING_J, L"");
    SetDlgItemTextW(sizing->Window(), IDC_SIZING_LENGTH, L"120");
    SetDlgItemTextW(sizing->Window(), IDC_SIZING_LOSS_SUM, L"3,5");
    SetDlgItemTextW(sizing->Window(), IDC_SIZING_HV_MAX, L"2");
    ASSERT_TRUE(sizing->Table().has_value());
    EXPECT_EQ(sizing->Table()->mode, sizing::FlowMode::Pressure);
    EXPECT_DOUBLE_EQ(sizing->Table()->L, 120);
    EXPECT_DOUBLE_EQ(sizing->Table()->sumZeta, 3.5);
    EXPECT_EQ(sizing->Table()->criteria.hvMax, 2.0);
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(sizing->Window(), IDC_SIZING_TAU_MIN)));

    RunCommand(Command::FillingCurves);
    FillingCurveWindow* curves = m_session->Frame().FillingCurves();
    ASSERT_NE(curves, nullptr);
    EXPECT_TRUE(IsWindowVisible(curves->Window()));
    EXPECT_EQ(wintest::TextOf(curves->Window()), "Teilfüllungskurve");
    EXPECT_EQ(curves->Curves().points.size(), static_cast<size_t>(kFillingCurveSteps + 1));
}

// "Hilfe" writes the help page and opens it in the browser the shell finds for it.
TEST_F(WindowTest, HelpPageWrittenAndOpened) {
    EndSession();
    headless::Transcript transcript;
    headless::SimulatedShell shell(transcript);
    m_session = std::make_unique<WindowSession>(&shell);
    ASSERT_TRUE(Start());
    EXPECT_EQ(m_answerer.PendingHandlers(), 0);
    RunCommand(Command::Help);
    ASSERT_EQ(transcript.Lines().size(), 2u);
    const std::string& lookup = transcript.Lines().front();
    ASSERT_EQ(lookup.rfind("browser lookup \"", 0), 0u) << lookup;
    const std::string page = lookup.substr(16, lookup.rfind('"') - 16);
    EXPECT_TRUE(fs::is_regular_file(fs::u8path(page))) << page;
    EXPECT_EQ(transcript.Lines().back().rfind("browser start", 0), 0u);
}

// Closing asks about the unsaved calculation ("Nein") and writes the global data to "Rohre.ini".
TEST_F(WindowTest, ClosingWritesTheGlobalData) {
    ASSERT_TRUE(Start());
    wintest::Type(Control(IDC_T), "20");
    wintest::PressKey(Control(IDC_T), VK_TAB);
    Pump(100);
    m_answerer.Then([](const wintest::Modal& question) { wintest::Press(question, IDNO); });
    PostMessageW(m_session->Frame().Window(), WM_CLOSE, 0, 0);
    Pump(300);
    EXPECT_FALSE(m_session->App().IsRunning());
    std::ifstream file(fs::u8path(SettingsFile()));
    std::stringstream settings;
    settings << file.rdbuf();
    EXPECT_NE(settings.str().find("20"), std::string::npos) << settings.str();
}

}  // namespace
