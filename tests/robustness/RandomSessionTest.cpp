// Thousands of random user actions on the headless program, each one the form allows at that moment:
// typing numbers and odd texts, leaving and tabbing, every button, every list entry and tab, filling
// modes, dialog answers queued at random, menu commands and print jobs. After every action:
// - no field shows a non-finite number ("nan", "inf") or a text longer than 16 characters, except a text
//   the user typed that is still there;
// - a record that counts as calculated holds only finite values;
// - a changed input quantity leaves the record not calculated (only "Berechnen" may mark it), an entry
//   in v, Q, J, Re, λ, g, ρ, T, di or k that changes its quantity does so in any case, and an entry in
//   ht, Qt or vt leaves the result state as it was;
// - no message shows a non-finite number or one longer than 16 digits;
// - every printed page composes, and no printed value is non-finite; every text of the design sheet lies
//   on its page and shows no unfit number, nor does any row of the sizing table the form prefills;
// - the record's filling curves have finite exact ratios from 0 up to their peaks, when they have any.
// The same from hostile settings files: a file that cannot be used stays as it was.
#include <gtest/gtest.h>

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <deque>
#include <functional>
#include <iterator>
#include <map>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "FormInvariants.h"
#include "app/Application.h"
#include "form/model/ControlIds.h"
#include "form/FillingCurves.h"
#include "messages/MessageTexts.h"
#include "platform/Number.h"
#include "platform/headless/HeadlessPlatform.h"
#include "support/Files.h"
#include "support/ScratchDirectory.h"

namespace robustness {

namespace fs = std::filesystem;
using test_support::ReadBytes;
using test_support::WriteBytes;

namespace {

// How a typed quantity reaches the record: which quantity, the factor to SI, when an entry counts as
// a change (beyond the reaction's own tolerance), and how the reaction treats it.
struct QuantityEntry {
    int id;
    double (CPlenwickDoc::*stored)() const;
    double toSi;
    double changedBeyond;   // an entry differing by more than this from the stored value changes it
    bool emptyIsNoEntry;    // an empty field changes nothing
    double low = -DBL_MAX;  // the clamp applied before storing
    double high = DBL_MAX;
    double clampedStep = 0;  // after the clamp, a difference up to this changes nothing
};

const std::vector<QuantityEntry> kQuantityEntries = {
    {IDC_V, &CPlenwickDoc::GetV, 1, 1e-4, true},
    {IDC_Q_LS, &CPlenwickDoc::GetQ, 0.001, 1e-4, false},
    {IDC_Q_M3H, &CPlenwickDoc::GetQ, 1.0 / 3600, 1e-4, false},
    {IDC_RE, &CPlenwickDoc::GetRe, 1, 1e-4, true, 2350, 5.7e7, 1.0001},
    {IDC_LAMBDA, &CPlenwickDoc::GetLambda, 1, 1e-4, true},
    {IDC_G, &CPlenwickDoc::GetG, 1, 0.01, false},
    {IDC_RHO, &CPlenwickDoc::GetRho, 1, 0.1, false},
    {IDC_T, &CPlenwickDoc::GetT, 1, 0.001, false},
    // di stores each keystroke that changes its text, and the bound on leaving.
    {IDC_DI, &CPlenwickDoc::GetDi, 0.001, 1e-12, false, 0.005, 5.0},
};
// Every entry in these stores its quantity: J has no test for an unchanged value, k stores each
// keystroke and the comma rewrite on leaving.
const std::set<int> kAlwaysStored = {IDC_J, IDC_K};
// Entries in these touch only the partial-filling values, which leave the result state alone.
const std::set<int> kPartialFillingFields = {IDC_HT, IDC_QT_LS, IDC_QT_M3H, IDC_VT};

// A number the program shows in a field is never longer.
constexpr size_t kLongestFieldText = 16;

// Texts that read oddly by the leading-number rule; besides them, 500 digits.
const char* const kOddTexts[] = {"1e308",
                                 "-0",
                                 "nan",
                                 "inf",
                                 "1,5,5",
                                 "",
                                 " ",
                                 "1e-310",
                                 "NaN",
                                 "-inf",
                                 "Infinity",
                                 "1e999",
                                 "-1e999",
                                 "0",
                                 "abc",
                                 "12abc",
                                 "1e",
                                 "-",
                                 ".",
                                 "0,0001",
                                 "5000,1",
                                 "-1e308",
                                 "1.7976931348623157e308",
                                 "4.9e-324",
                                 "  7",
                                 "2350",
                                 "5.7e7",
                                 "1e-12",
                                 "0x1p3",
                                 "1e+999999999"};

// What each field usually holds, in its unit on the form; list texts are DN values.
const std::map<int, double> kTypicalValues = {
    {IDC_V, 1},     {IDC_Q_LS, 10},   {IDC_Q_M3H, 36}, {IDC_J, 10},     {IDC_RE, 1e5}, {IDC_LAMBDA, 0.02},
    {IDC_G, 9.81},  {IDC_RHO, 1000},  {IDC_T, 10},     {IDC_NY, 1.3},   {IDC_DI, 100}, {IDC_K, 0.1},
    {IDC_A, 0.008}, {IDC_DA, 118},    {IDC_S, 5},      {IDC_ZMA, 3.5},  {IDC_HT, 50},  {IDC_VT, 1},
    {IDC_QT_LS, 5}, {IDC_QT_M3H, 18}, {IDC_DN, 300},   {IDC_CLASS, 300}};

const std::vector<int> kButtons = {IDC_BERECHNEN, IDC_CLEAR, IDC_FULL_FILLING, IDC_PARTIAL_FILLING,
                                   IDC_WEBLINK};
const std::vector<int> kLists = {IDC_CLASS, IDC_DN, IDC_ROUGHNESS};
const std::vector<Command> kCommands = {Command::Print, Command::PrintPreview, Command::Help, Command::About,
                                        Command::PrintSetup};

// The number a field reads from a typed text once its commas have become points.
const std::string kRefusalStart =
    std::string(messages::Text(messages::MessageId::EntryWithDigitGrouping)).substr(0, 13);

double TypedNumber(std::string text) {
    std::replace(text.begin(), text.end(), ',', '.');
    return platform::LeadingFiniteNumber(text);
}

class RandomSession {
  public:
    // seedSettings, when given, puts a settings file in place before the program starts.
    explicit RandomSession(unsigned seed, const std::function<void(const fs::path& ini)>& seedSettings = {})
        : m_seed(seed), m_random(seed) {
        if (seedSettings)
            seedSettings(m_directory.Ini());
        m_app.Start();
        m_hp.transcript.TakeNew();
    }
    ~RandomSession() { m_app.Close(); }

    void Close() { m_app.Close(); }
    // What stands in the settings file's place: its kind and its bytes, or a link's target.
    std::string SettingsState() const {
        const fs::file_status status = fs::symlink_status(m_directory.Ini());
        if (fs::is_symlink(status))
            return "link to " + fs::read_symlink(m_directory.Ini()).string();
        if (fs::is_regular_file(status))
            return "file " + ReadBytes(m_directory.Ini());
        return "kind " + std::to_string(static_cast<int>(status.type()));
    }

    // Runs the actions, printing every printEvery of them; stops at the first broken invariant.
    void Run(int actions, int printEvery) {
        for (m_step = 1; m_step <= actions && !::testing::Test::HasFailure(); ++m_step) {
            Act();
            if (m_step % printEvery == 0)
                PrintAndCheck();
        }
    }
    int CalculatedCount() const { return m_calculated; }

  private:
    // One action chosen at random among those the form allows now.
    void Act() {
        const InputSnapshot before(Doc());
        const bool wasCalculated = Doc().IsCalculated();
        m_solverRan = false;
        switch (Pick(12)) {
            case 0:
            case 1:
            case 2:
            case 3:
            case 4:
                TypeIntoField();
                break;
            case 5:
            case 6:
                ClickButton();
                break;
            case 7:
                PickListEntry();
                break;
            case 8:
                SelectTab();
                break;
            case 9:
                QueueAnswers();
                break;
            case 10:
                MoveFocus();
                break;
            default:
                RunCommandOrEditList();
                break;
        }
        CheckFields();
        CheckMessages();
        CheckFillingCurves();
        if (Doc().IsCalculated() && !Doc().HoldsFiniteValues())
            Fail("the record is calculated and holds a value that is not finite");
        const std::string changed = InputSnapshot(Doc()).ChangedSince(before);
        if (!m_solverRan && !changed.empty() && Doc().IsCalculated())
            Fail("inputs " + changed + " changed, the record is still calculated");
        if (Doc().IsCalculated() && !wasCalculated)
            ++m_calculated;
    }

    void TypeIntoField() {
        std::vector<int> fields;
        for (const platform::Control* control : Form().InTabOrder()) {
            if (control->Kind() == platform::ControlKind::Edit && control->IsEnabled())
                fields.push_back(control->Id());
        }
        if (fields.empty())
            return;
        const int id = fields[Pick(fields.size())];
        const std::string text = RandomText(id);
        // Focusing first runs the leave of the field that had the focus, so the record below is the
        // one the entry meets.
        if (!Form().UserFocus(id))
            return;
        const bool wasCalculated = Doc().IsCalculated();
        const double storedBefore = StoredQuantity(id);
        const std::string textBefore = m_app.View().Field(id).GetText();
        Note("type " + std::to_string(id) + " \"" + text.substr(0, 40) + "\"");
        Form().UserType(id, text);
        std::string rewritten = text;
        std::replace(rewritten.begin(), rewritten.end(), ',', '.');
        m_userTexts[id] = {text, rewritten};

        const int how = Pick(5);
        if (how == 3)
            return;  // the focus stays; a later action leaves the field
        if (how == 4) {
            ClickButton(IDC_BERECHNEN);  // leaves the field, then calculates
            return;
        }
        Note(how == 2 ? "tab" : "leave");
        how == 2 ? Form().UserTab() : Form().UserLeave();
        // A text left as it was (typed again, refused, or cancelled by a closed question) is no entry.
        if (m_app.View().Field(id).GetText() != textBefore)
            CheckEntry(id, text, storedBefore, wasCalculated);
    }

    // The record after an entry was typed and left.
    void CheckEntry(int id, const std::string& text, double storedBefore, bool wasCalculated) {
        if (kPartialFillingFields.count(id) && Doc().IsCalculated() != wasCalculated)
            Fail("a partial-filling entry changed the result state");
        if (!Doc().IsCalculated())
            return;
        if (kAlwaysStored.count(id))
            Fail("an entry in " + std::to_string(id) + " left the record calculated");
        for (const QuantityEntry& entry : kQuantityEntries) {
            if (entry.id != id || (entry.emptyIsNoEntry && text.empty()))
                continue;
            const double typed = TypedNumber(text) * entry.toSi;
            if (!(std::fabs(typed - storedBefore) > entry.changedBeyond))
                continue;
            const double clamped = std::clamp(typed, entry.low, entry.high);
            if (std::fabs(clamped - storedBefore) > entry.clampedStep)
                Fail("the entry changed quantity " + std::to_string(id) + ", the record is still calculated");
        }
    }

    double StoredQuantity(int id) {
        for (const QuantityEntry& entry : kQuantityEntries) {
            if (entry.id == id)
                return (Doc().*entry.stored)();
        }
        return 0;
    }

    // "Berechnen" half of the time, so that results are reached and then disturbed.
    void ClickButton() { ClickButton(Pick(2) ? IDC_BERECHNEN : kButtons[Pick(kButtons.size())]); }

    void ClickButton(int id) {
        if (!Form().Find(id)->IsEnabled())
            return;
        Note("click " + std::to_string(id));
        m_solverRan = id == IDC_BERECHNEN;
        Form().UserClick(id);
    }

    void PickListEntry() {
        const int id = kLists[Pick(kLists.size())];
        platform::ListControl* list = Form().FindList(id);
        if (!list->IsEnabled() || list->GetCount() == 0)
            return;
        const int index = static_cast<int>(Pick(static_cast<size_t>(list->GetCount())));
        Note("pick " + std::to_string(id) + " #" + std::to_string(index));
        Form().UserPick(id, index);
    }

    void SelectTab() {
        const int index = static_cast<int>(Pick(4));
        Note("pick 1030 #" + std::to_string(index));
        Form().UserSelectTab(IDC_SOUGHT, index);
    }

    void QueueAnswers() {
        if (m_hp.prompt.PendingAnswers() > 4)
            return;
        static const std::vector<int> kCodes = {1, 2, 3, 1, 2, 3, 0, 7, -1};
        std::vector<int> codes(1 + Pick(3));
        for (int& code : codes) code = kCodes[Pick(kCodes.size())];
        Note("answer ...");
        m_hp.prompt.QueueAnswers(codes);
    }

    void MoveFocus() {
        const bool tab = Pick(2) == 0;
        Note(tab ? "tab" : "leave");
        tab ? Form().UserTab() : Form().UserLeave();
    }

    void RunCommandOrEditList() {
        if (Pick(3) == 0) {
            const int id = Pick(2) ? IDC_DN : IDC_CLASS;
            if (!Form().Find(id)->IsEnabled())
                return;
            const std::string text = RandomText(id);
            Note("edit " + std::to_string(id) + " \"" + text.substr(0, 40) + "\"");
            Form().UserEditListText(id, text);
            if (ShowsNonFinite(text))
                m_listTexts.insert(text);
            return;
        }
        const Command command = kCommands[Pick(kCommands.size())];
        Note("command " + std::to_string(static_cast<int>(command)));
        m_app.Execute(command);
        if (command == Command::Print || command == Command::PrintPreview)
            CheckPrinted();
        m_hp.transcript.TakeNew();
    }

    void PrintAndCheck() {
        m_hp.transcript.TakeNew();
        Note("command print");
        m_app.Execute(Command::Print);
        CheckPrinted();
    }

    void CheckPrinted() {
        const std::vector<std::string> texts = PrintedTexts(m_hp.transcript.TakeNew());
        if (texts.empty())
            Fail("the print job drew nothing");
        for (const std::string& text : texts) {
            if (ShowsNonFinite(text))
                Fail("the report prints a non-finite value: " + text);
        }
        for (const std::string& text : UnfitSheetTexts(m_app.View(), 4676, 6744)) {
            // The sheet names the class and DN the lists show, as the user typed them.
            const bool typed =
                std::any_of(m_listTexts.begin(), m_listTexts.end(), [&](const std::string& listText) {
                    return text.find(" " + listText + "\"") != std::string::npos;
                });
            if (!typed)
                Fail("the design sheet draws " + text);
        }
        for (const std::string& text : UnfitSizingTexts(m_app.View())) Fail("the sizing table shows " + text);
    }

    void CheckFields() {
        for (const platform::Control* control : Form().InTabOrder()) {
            if (control->Kind() != platform::ControlKind::Edit)
                continue;
            const std::string& text = static_cast<const platform::EditControl*>(control)->GetText();
            const auto typed = m_userTexts.find(control->Id());
            const bool typedByUser = typed != m_userTexts.end() && typed->second.count(text);
            if ((ShowsNonFinite(text) || text.size() > kLongestFieldText) && !typedByUser)
                Fail("field " + std::to_string(control->Id()) + " shows \"" + text + "\"");
        }
    }

    void CheckMessages() {
        const auto& shown = m_hp.prompt.Messages();
        for (; m_messagesChecked < shown.size(); ++m_messagesChecked) {
            // A refused entry is named as it was typed.
            const bool namesEntry = shown[m_messagesChecked].text.rfind(kRefusalStart, 0) == 0;
            if (!namesEntry && MessageShowsUnfitNumber(shown[m_messagesChecked].text))
                Fail("a message shows \"" + shown[m_messagesChecked].text + "\"");
        }
    }

    void CheckFillingCurves() {
        const FillingCurves curves = ComputeFillingCurves(Doc());
        if (!curves.HasExact())
            return;
        std::vector<FillingCurvePoint> points = curves.points;
        if (curves.operatingPoint)
            points.push_back(*curves.operatingPoint);
        for (const FillingCurvePoint& point : points) {
            const hydraulics::FillingRatios& exact = *point.exact;
            if (!(exact.flow >= 0 && exact.flow <= curves.flowPeak->ratio && exact.velocity >= 0 &&
                  exact.velocity <= curves.velocityPeak->ratio * (1 + 1e-12))) {
                Fail("exact ratios " + platform::Format("%g %g", exact.flow, exact.velocity) + " at h/d " +
                     platform::Format("%g", point.filling));
            }
        }
    }

    // An odd text, a number of any magnitude, or (most of the time) what the field usually holds or a
    // number near it; at times negative, at times with a decimal comma.
    std::string RandomText(int id) {
        const auto typical = kTypicalValues.find(id);
        double x = typical == kTypicalValues.end() ? 1.0 : typical->second;
        switch (Pick(6)) {
            case 0: {
                const size_t odd = Pick(std::size(kOddTexts) + 1);
                return odd < std::size(kOddTexts) ? kOddTexts[odd] : std::string(500, '9');
            }
            case 1:
                x = std::pow(10.0, std::uniform_real_distribution<double>(-6, 6)(m_random));
                break;
            case 2:
            case 3:
                x *= std::pow(10.0, std::uniform_real_distribution<double>(-0.5, 0.5)(m_random));
                break;
            default:
                break;
        }
        std::string text = platform::Format("%.*g", static_cast<int>(1 + Pick(6)), x);
        if (Pick(10) == 0)
            text = "-" + text;
        if (Pick(4) == 0)
            std::replace(text.begin(), text.end(), '.', ',');
        return text;
    }

    size_t Pick(size_t n) { return std::uniform_int_distribution<size_t>(0, n - 1)(m_random); }

    void Note(std::string action) {
        m_history.push_back(std::move(action));
        if (m_history.size() > 30)
            m_history.pop_front();
    }

    void Fail(const std::string& what) {
        std::string recent;
        for (const std::string& action : m_history) recent += "\n  " + action;
        ADD_FAILURE() << "seed " << m_seed << ", action " << m_step << ": " << what
                      << "\nlast actions:" << recent;
    }

    platform::ControlSet& Form() { return m_app.View().Controls(); }
    const CPlenwickDoc& Doc() { return m_app.Document(); }

    test_support::ScratchMachineDirectory
        m_directory;  // first: the program reads the settings file when it starts
    headless::HeadlessPlatform m_hp;
    QuellrixApp m_app{m_hp.Services()};
    unsigned m_seed;
    std::mt19937 m_random;
    int m_step = 0;
    int m_calculated = 0;
    bool m_solverRan = false;
    std::map<int, std::set<std::string>> m_userTexts;  // what the user typed, before and after leaving
    std::set<std::string> m_listTexts;                 // texts showing "nan" or "inf" typed into a list
    std::deque<std::string> m_history;
    size_t m_messagesChecked = 0;
};

class RandomSessionTest : public ::testing::TestWithParam<unsigned> {};

TEST_P(RandomSessionTest, InvariantsHoldAfterEveryAction) {
    RandomSession session(GetParam());
    session.Run(5000, 40);
    // The session reached results, so the check of the result flag was not vacuous.
    EXPECT_GT(session.CalculatedCount(), 0);
}

INSTANTIATE_TEST_SUITE_P(Seeds, RandomSessionTest, ::testing::Values(1u, 2u, 3u, 20240611u));

struct HostileSettings {
    const char* name;
    std::function<void(const fs::path& ini)> make;
    bool usable;  // the program uses the file (and writes the global data back at close)
};

void PrintTo(const HostileSettings& c, std::ostream* out) {
    *out << c.name;
}

class HostileSettingsSessionTest : public ::testing::TestWithParam<HostileSettings> {};

TEST_P(HostileSettingsSessionTest, InvariantsHoldAndAnUnusableFileStaysAsItWas) {
    RandomSession session(7, GetParam().make);
    const std::string before = session.SettingsState();
    session.Run(1500, 40);
    EXPECT_GT(session.CalculatedCount(), 0);
    session.Close();
    if (!GetParam().usable) {
        EXPECT_EQ(session.SettingsState(), before);
    }
}

const std::string kControlsInTexts =
    "[Gobale Daten]\nRevision=2\ng=9.8\x1b[2J\n[K-Werte]\nAnzahl=2\nK0=A\rB\nK1=Gro\xdf\n"
    "[A\rB-1]\nDN=100\nda=1\xff\ns=\x1b\nZMA=\xc2\x85\n[A\rB-2]\nDN=1e999\nda=1e999\ns=-1e999\n";

const HostileSettings kHostileSettings[] = {
#ifndef _WIN32  // reparse points: win32/
    HostileSettings{"Link", [](const fs::path& ini) { fs::create_symlink("/etc/passwd", ini); }, false},
#endif
    HostileSettings{"NulByte", [](const fs::path& ini) { WriteBytes(ini, std::string("[K-Werte]\0", 10)); },
                    false},
    HostileSettings{"Utf16", [](const fs::path& ini) { WriteBytes(ini, "\xFE\xFF\0[\0K"); }, false},
    HostileSettings{"Directory", [](const fs::path& ini) { fs::create_directory(ini); }, false},
    HostileSettings{"ControlsAndOddNumbers", [](const fs::path& ini) { WriteBytes(ini, kControlsInTexts); },
                    true},
    HostileSettings{"ByteOrderMark",
                    [](const fs::path& ini) { WriteBytes(ini, "\xEF\xBB\xBF" + kControlsInTexts); }, true},
};

INSTANTIATE_TEST_SUITE_P(Files, HostileSettingsSessionTest, ::testing::ValuesIn(kHostileSettings),
                         [](const ::testing::TestParamInfo<HostileSettings>& info) {
                             return std::string(info.param.name);
                         });

}  // namespace
}  // namespace robustness
