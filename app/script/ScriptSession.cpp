#include "app/script/ScriptSession.h"

#include <algorithm>
#include <type_traits>
#include <variant>

#include "app/script/ControlDump.h"
#include "app/script/CurveDump.h"
#include "app/script/ScriptError.h"
#include "app/script/SizingTranscript.h"
#include "form/FillingCurves.h"
#include "form/PlenwickView.h"
#include "platform/Prompt.h"
#include "platform/headless/Transcript.h"
#include "record/PlenwickDoc.h"

namespace {

using platform::ControlKind;

bool IsEdit(ControlKind kind) {
    return kind == ControlKind::Edit;
}
bool IsList(ControlKind kind) {
    return kind == ControlKind::List;
}
bool IsListOrTabs(ControlKind kind) {
    return kind == ControlKind::List || kind == ControlKind::Tabs;
}
bool IsButton(ControlKind kind) {
    return kind == ControlKind::PushButton || kind == ControlKind::RadioButton ||
           kind == ControlKind::OwnerDrawButton;
}

std::string ControlName(int id) {
    return "control " + std::to_string(id);
}

// The position of the entry the line names among entries.
int EntryPosition(const PickLine& line, const std::vector<std::string>& entries) {
    const int count = static_cast<int>(entries.size());
    if (line.position) {
        if (*line.position >= count) {
            throw ScriptError(ControlName(line.id) + " has no entry #" + std::to_string(*line.position) +
                              " (it has " + std::to_string(count) + ")");
        }
        return *line.position;
    }
    const auto found = std::find(entries.begin(), entries.end(), line.text);
    if (found == entries.end()) {
        throw ScriptError(ControlName(line.id) + " has no entry " + headless::Quote(line.text));
    }
    return static_cast<int>(found - entries.begin());
}

}  // namespace

ScriptSession::ScriptSession(std::ostream* echo) : m_keepLines(echo == nullptr) {
    m_platform.transcript.EchoTo(echo);
}

ScriptSession::~ScriptSession() = default;

void ScriptSession::Execute(const ScriptCommand& command) {
    std::visit(
        [this](const auto& line) {
            using Line = std::decay_t<decltype(line)>;
            CheckPhase(Line::kKeyword, Line::kPhase);
            Run(line);
        },
        command);
    if (!m_keepLines)
        m_platform.transcript.Clear();
}

void ScriptSession::Finish() {
    if (m_stage == Stage::Running)
        Run(CloseLine{});
}

void ScriptSession::Abandon() {
    m_platform.transcript.EchoTo(nullptr);
}

const platform::ControlSet* ScriptSession::Controls() const {
    return m_stage == Stage::Running ? &m_app->View().Controls() : nullptr;
}

void ScriptSession::CheckPhase(const char* keyword, ScriptPhase phase) const {
    const std::string quoted = headless::Quote(keyword);
    switch (phase) {
        case ScriptPhase::Setup:
            if (m_stage != Stage::Setup)
                throw ScriptError(quoted + " must come before start");
            break;
        case ScriptPhase::Start:
            if (m_stage != Stage::Setup)
                throw ScriptError("the program was started already");
            break;
        case ScriptPhase::Running:
            if (m_stage == Stage::Setup)
                throw ScriptError(quoted + " before start");
            if (m_stage == Stage::Closed)
                throw ScriptError(quoted + " after the window was closed");
            break;
    }
}

// --- platform settings and start ---

void ScriptSession::Run(const SetPrinterLine& line) {
    m_platform.printer.SetDefaultPrinter(line.printer);
}

void ScriptSession::Run(const SetClockLine& line) {
    m_platform.clock.Set(line.time);
}

void ScriptSession::Run(const SetBrowserLine& line) {
    if (line.lookup) {
        m_platform.shell.SetLookupResult(line.code);
    } else {
        m_platform.shell.SetStartResult(line.code);
    }
}

void ScriptSession::Run(const StartLine&) {
    m_app = std::make_unique<QuellrixApp>(m_platform.Services());
    if (!m_app->Start())
        throw ScriptError("start-up failed");
    m_stage = Stage::Running;
    // As in the window, the focus starts in the form's first tab stop.
    Form().UserTab();
}

// --- user actions ---

platform::ControlSet& ScriptSession::Form() {
    return m_app->View().Controls();
}

platform::Control& ScriptSession::Target(int id, const char* expected,
                                         bool (*accepts)(platform::ControlKind)) {
    platform::Control* control = Form().Find(id);
    if (!control)
        throw ScriptError("there is no " + ControlName(id));
    if (!accepts(control->Kind()))
        throw ScriptError(ControlName(id) + " is not " + expected);
    if (!control->IsEnabled())
        throw ScriptError(ControlName(id) + " is disabled");
    return *control;
}

void ScriptSession::DisabledOnLeave(int id, int previousFocus) const {
    throw ScriptError(ControlName(id) + " was disabled when the focus left " + ControlName(previousFocus));
}

void ScriptSession::Run(const TypeLine& line) {
    Target(line.id, "an edit field", IsEdit);
    const int focus = Form().FocusedId();
    if (!Form().UserType(line.id, line.text))
        DisabledOnLeave(line.id, focus);
}

void ScriptSession::Run(const LeaveLine&) {
    Form().UserLeave();
}

void ScriptSession::Run(const TabLine&) {
    Form().UserTab();
}

void ScriptSession::Run(const ClickLine& line) {
    Target(line.id, "a button", IsButton);
    const int focus = Form().FocusedId();
    if (!Form().UserClick(line.id))
        DisabledOnLeave(line.id, focus);
}

void ScriptSession::Run(const PickLine& line) {
    platform::Control& control = Target(line.id, "a list or the tab control", IsListOrTabs);
    const int focus = Form().FocusedId();
    bool picked = false;
    if (auto* list = dynamic_cast<platform::ListControl*>(&control)) {
        picked = Form().UserPick(line.id, EntryPosition(line, list->Entries()));
    } else {
        auto& tabs = static_cast<platform::TabControl&>(control);
        picked = Form().UserSelectTab(line.id, EntryPosition(line, tabs.Items()));
    }
    if (!picked)
        DisabledOnLeave(line.id, focus);
}

void ScriptSession::Run(const EditListLine& line) {
    Target(line.id, "a list", IsList);
    const int focus = Form().FocusedId();
    if (!Form().UserEditListText(line.id, line.text))
        DisabledOnLeave(line.id, focus);
}

void ScriptSession::Run(const AnswerLine& line) {
    m_platform.prompt.QueueAnswers(line.codes);
}

void ScriptSession::Run(const MenuCommandLine& line) {
    if (!m_app->Execute(line.command))
        m_platform.transcript.Add("disabled " + line.name);
    if (!m_app->IsRunning())
        m_stage = Stage::Closed;  // "Beenden" closed the window
}

// --- calculation files ---

void ScriptSession::Run(const ChooseFileLine& line) {
    m_platform.prompt.QueueFile(line.path);
}

void ScriptSession::Run(const OpenFileLine& line) {
    m_platform.prompt.QueueFile(line.path);
    Run(MenuCommandLine{Command::Open, "open"});
}

void ScriptSession::Run(const SaveFileLine& line) {
    m_platform.prompt.QueueFile(line.path);
    Run(MenuCommandLine{Command::SaveAs, "saveas"});
}

void ScriptSession::Run(const ProjectLine& line) {
    ProjectHeader header = m_app->Document().GetProjectHeader();
    std::string& text = line.field == "Projekt"      ? header.project
                        : line.field == "Abschnitt"  ? header.section
                        : line.field == "Bearbeiter" ? header.engineer
                                                     : header.remark;
    text = line.text;
    m_app->SetProjectHeader(header);
}

void ScriptSession::Run(const DocumentLine&) {
    const CPlenwickDoc& doc = m_app->Document();
    const ProjectHeader& header = doc.GetProjectHeader();
    Write({
        "document title " + headless::Quote(doc.GetTitle()) +
            " modified=" + (m_app->IsModified() ? "1" : "0"),
        "document file " +
            (m_app->DocumentPath().empty() ? std::string("none") : headless::Quote(m_app->DocumentPath())),
        "document Projekt " + headless::Quote(header.project),
        "document Abschnitt " + headless::Quote(header.section),
        "document Bearbeiter " + headless::Quote(header.engineer),
        "document Bemerkung " + headless::Quote(header.remark),
    });
}

// --- state and end ---

void ScriptSession::Write(const std::vector<std::string>& lines) {
    for (const std::string& line : lines) m_platform.transcript.Add(line);
}

void ScriptSession::Run(const ShowLine& line) {
    std::vector<const platform::Control*> shown;
    for (int id : line.ids) {
        const platform::Control* control = Form().Find(id);
        if (!control)
            throw ScriptError("there is no " + ControlName(id));
        shown.push_back(control);
    }
    for (const platform::Control* control : shown) Write(DescribeControl(*control));
}

void ScriptSession::Run(const DumpLine&) {
    for (const platform::Control* control : Form().InTabOrder()) Write(DescribeControl(*control));
    Write(DescribeRecord(m_app->Document()));
}

void ScriptSession::Run(const RecordLine&) {
    Write(DescribeRecord(m_app->Document()));
}

void ScriptSession::Run(const CurveLine&) {
    Write(DescribeFillingCurves(ComputeFillingCurves(m_app->Document())));
}

void ScriptSession::Run(const StatusLine&) {
    Write({"status " + headless::Quote(m_app->View().ResultNote())});
}

void ScriptSession::Run(const SizingLine& line) {
    if (!line.take) {
        sizing::Design design;
        design.QLs = *line.Q;
        design.JMkm = line.J.value_or(0);
        design.vMin = line.vMin;
        design.vMax = line.vMax;
        design.hdMax = line.hdMax;
        design.tauMin = line.tauMin;
        design.L = line.L.value_or(0);
        design.sumZeta = line.sumZeta.value_or(0);
        design.hvMax = line.hvMax;
        if (const std::optional<std::string> refused = sizing::CheckDesign(design)) {
            m_platform.transcript.Add("sizing refused " + headless::Quote(*refused));
            return;
        }
        m_sizingDesign = design;
        Write(SizingTranscript(sizing::ComputeTableForForm(m_app->View(), design)));
        return;
    }
    if (!m_sizingDesign)
        throw ScriptError("sizing take before a sizing table was opened");
    // As the window, the table follows the form's current state when it is used.
    const sizing::Table table = sizing::ComputeTableForForm(m_app->View(), *m_sizingDesign);
    const auto row = std::find_if(table.rows.begin(), table.rows.end(),
                                  [&](const sizing::Row& r) { return r.dn == line.dn; });
    if (row == table.rows.end())
        throw ScriptError("the sizing table has no DN " + headless::Quote(line.dn));
    if (!sizing::TakeOverRow(m_app->View(), table, *row))
        m_platform.transcript.Add("sizing take " + line.dn + " refused");
    else if (const std::optional<std::string> note = sizing::FittedDifferenceNote(table, *row))
        platform::ShowMessage(*note);
}

void ScriptSession::Run(const CloseLine&) {
    m_stage = Stage::Closed;
    m_app->Close();
}
