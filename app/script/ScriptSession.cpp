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

ScriptSession::ScriptSession(std::ostream* echo) : keepLines_(echo == nullptr) {
    platform_.transcript.EchoTo(echo);
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
    if (!keepLines_)
        platform_.transcript.Clear();
}

void ScriptSession::Finish() {
    if (stage_ == Stage::Running)
        Run(CloseLine{});
}

void ScriptSession::Abandon() {
    platform_.transcript.EchoTo(nullptr);
}

const platform::ControlSet* ScriptSession::Controls() const {
    return stage_ == Stage::Running ? &app_->View().Controls() : nullptr;
}

void ScriptSession::CheckPhase(const char* keyword, ScriptPhase phase) const {
    const std::string quoted = headless::Quote(keyword);
    switch (phase) {
        case ScriptPhase::Setup:
            if (stage_ != Stage::Setup)
                throw ScriptError(quoted + " must come before start");
            break;
        case ScriptPhase::Start:
            if (stage_ != Stage::Setup)
                throw ScriptError("the program was started already");
            break;
        case ScriptPhase::Running:
            if (stage_ == Stage::Setup)
                throw ScriptError(quoted + " before start");
            if (stage_ == Stage::Closed)
                throw ScriptError(quoted + " after the window was closed");
            break;
    }
}

// --- platform settings and start ---

void ScriptSession::Run(const SetPrinterLine& line) {
    platform_.printer.SetDefaultPrinter(line.printer);
}

void ScriptSession::Run(const SetClockLine& line) {
    platform_.clock.Set(line.time);
}

void ScriptSession::Run(const SetBrowserLine& line) {
    if (line.lookup) {
        platform_.shell.SetLookupResult(line.code);
    } else {
        platform_.shell.SetStartResult(line.code);
    }
}

void ScriptSession::Run(const StartLine&) {
    app_ = std::make_unique<QuellrixApp>(platform_.Services());
    if (!app_->Start())
        throw ScriptError("start-up failed");
    stage_ = Stage::Running;
    // As in the window, the focus starts in the form's first tab stop.
    Form().UserTab();
}

// --- user actions ---

platform::ControlSet& ScriptSession::Form() {
    return app_->View().Controls();
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
    platform_.prompt.QueueAnswers(line.codes);
}

void ScriptSession::Run(const MenuCommandLine& line) {
    if (!app_->Execute(line.command))
        platform_.transcript.Add("disabled " + line.name);
    if (!app_->IsRunning())
        stage_ = Stage::Closed;  // "Beenden" closed the window
}

// --- calculation files ---

void ScriptSession::Run(const ChooseFileLine& line) {
    platform_.prompt.QueueFile(line.path);
}

void ScriptSession::Run(const OpenFileLine& line) {
    platform_.prompt.QueueFile(line.path);
    Run(MenuCommandLine{Command::Open, "open"});
}

void ScriptSession::Run(const SaveFileLine& line) {
    platform_.prompt.QueueFile(line.path);
    Run(MenuCommandLine{Command::SaveAs, "saveas"});
}

void ScriptSession::Run(const ProjectLine& line) {
    ProjectHeader header = app_->Document().GetProjectHeader();
    std::string& text = line.field == "Projekt"      ? header.project
                        : line.field == "Abschnitt"  ? header.section
                        : line.field == "Bearbeiter" ? header.engineer
                                                     : header.remark;
    text = line.text;
    app_->SetProjectHeader(header);
}

void ScriptSession::Run(const DocumentLine&) {
    const CPlenwickDoc& doc = app_->Document();
    const ProjectHeader& header = doc.GetProjectHeader();
    Write({
        "document title " + headless::Quote(doc.GetTitle()) + " modified=" + (app_->IsModified() ? "1" : "0"),
        "document file " +
            (app_->DocumentPath().empty() ? std::string("none") : headless::Quote(app_->DocumentPath())),
        "document Projekt " + headless::Quote(header.project),
        "document Abschnitt " + headless::Quote(header.section),
        "document Bearbeiter " + headless::Quote(header.engineer),
        "document Bemerkung " + headless::Quote(header.remark),
    });
}

// --- state and end ---

void ScriptSession::Write(const std::vector<std::string>& lines) {
    for (const std::string& line : lines) platform_.transcript.Add(line);
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
    Write(DescribeRecord(app_->Document()));
}

void ScriptSession::Run(const RecordLine&) {
    Write(DescribeRecord(app_->Document()));
}

void ScriptSession::Run(const CurveLine&) {
    Write(DescribeFillingCurves(ComputeFillingCurves(app_->Document())));
}

void ScriptSession::Run(const StatusLine&) {
    Write({"status " + headless::Quote(app_->View().ResultNote())});
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
            platform_.transcript.Add("sizing refused " + headless::Quote(*refused));
            return;
        }
        sizingDesign_ = design;
        Write(SizingTranscript(sizing::ComputeTableForForm(app_->View(), design)));
        return;
    }
    if (!sizingDesign_)
        throw ScriptError("sizing take before a sizing table was opened");
    // As the window, the table follows the form's current state when it is used.
    const sizing::Table table = sizing::ComputeTableForForm(app_->View(), *sizingDesign_);
    const auto row = std::find_if(table.rows.begin(), table.rows.end(),
                                  [&](const sizing::Row& r) { return r.dn == line.dn; });
    if (row == table.rows.end())
        throw ScriptError("the sizing table has no DN " + headless::Quote(line.dn));
    if (!sizing::TakeOverRow(app_->View(), table, *row))
        platform_.transcript.Add("sizing take " + line.dn + " refused");
    else if (const std::optional<std::string> note = sizing::FittedDifferenceNote(table, *row))
        platform::ShowMessage(*note);
}

void ScriptSession::Run(const CloseLine&) {
    stage_ = Stage::Closed;
    app_->Close();
}
