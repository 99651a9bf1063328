// One line of a session script, parsed: the platform settings made before start, start itself, and
// the user's actions on the running program.
#pragma once

#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "app/Commands.h"
#include "platform/Clock.h"
#include "platform/Printing.h"

// When a line may stand: before start (platform settings), as start, or while the window is open.
enum class ScriptPhase { Setup, Start, Running };

struct SetPrinterLine {
    static constexpr const char* kKeyword = "printer";
    static constexpr ScriptPhase kPhase = ScriptPhase::Setup;
    platform::DefaultPrinter printer;
};

struct SetClockLine {
    static constexpr const char* kKeyword = "clock";
    static constexpr ScriptPhase kPhase = ScriptPhase::Setup;
    platform::LocalTime time;
};

struct SetBrowserLine {
    static constexpr const char* kKeyword = "browser";
    static constexpr ScriptPhase kPhase = ScriptPhase::Setup;
    bool lookup = true;  // false: the result of starting the browser
    int code = 0;
};

struct StartLine {
    static constexpr const char* kKeyword = "start";
    static constexpr ScriptPhase kPhase = ScriptPhase::Start;
};

struct TypeLine {
    static constexpr const char* kKeyword = "type";
    static constexpr ScriptPhase kPhase = ScriptPhase::Running;
    int id = 0;
    std::string text;  // empty: the selection is deleted
};

struct LeaveLine {
    static constexpr const char* kKeyword = "leave";
    static constexpr ScriptPhase kPhase = ScriptPhase::Running;
};

struct TabLine {
    static constexpr const char* kKeyword = "tab";
    static constexpr ScriptPhase kPhase = ScriptPhase::Running;
};

struct ClickLine {
    static constexpr const char* kKeyword = "click";
    static constexpr ScriptPhase kPhase = ScriptPhase::Running;
    int id = 0;
};

struct PickLine {
    static constexpr const char* kKeyword = "pick";
    static constexpr ScriptPhase kPhase = ScriptPhase::Running;
    int id = 0;
    std::optional<int> position;  // "#N"
    std::string text;             // otherwise the entry's exact text
};

struct EditListLine {
    static constexpr const char* kKeyword = "edit";
    static constexpr ScriptPhase kPhase = ScriptPhase::Running;
    int id = 0;
    std::string text;
};

struct AnswerLine {
    static constexpr const char* kKeyword = "answer";
    static constexpr ScriptPhase kPhase = ScriptPhase::Running;
    std::vector<int> codes;
};

struct MenuCommandLine {
    static constexpr const char* kKeyword = "command";
    static constexpr ScriptPhase kPhase = ScriptPhase::Running;
    Command command = Command::New;
    std::string name;  // as written in the script
};

struct ShowLine {
    static constexpr const char* kKeyword = "show";
    static constexpr ScriptPhase kPhase = ScriptPhase::Running;
    std::vector<int> ids;
};

struct DumpLine {
    static constexpr const char* kKeyword = "dump";
    static constexpr ScriptPhase kPhase = ScriptPhase::Running;
};

struct RecordLine {
    static constexpr const char* kKeyword = "record";
    static constexpr ScriptPhase kPhase = ScriptPhase::Running;
};

struct CurveLine {
    static constexpr const char* kKeyword = "curve";
    static constexpr ScriptPhase kPhase = ScriptPhase::Running;
};

// The note the form shows beside its result (the window's status bar).
struct StatusLine {
    static constexpr const char* kKeyword = "status";
    static constexpr ScriptPhase kPhase = ScriptPhase::Running;
};

// The sizing table opened with design values and criteria ("sizing Q=... J=... vmin=... vmax=... hd=...").
struct SizingLine {
    static constexpr const char* kKeyword = "sizing";
    static constexpr ScriptPhase kPhase = ScriptPhase::Running;
    bool take = false;  // "sizing take DN": take the row of that DN into the form
    std::string dn;
    std::optional<double> Q, J, vMin, vMax, hdMax, tauMin, L, sumZeta, hvMax;
};

// Calculation files: a file queued for the next file dialog, opening and saving by name, the project
// header as its dialog sets it, and the document's state.
struct ChooseFileLine {
    static constexpr const char* kKeyword = "choose";
    static constexpr ScriptPhase kPhase = ScriptPhase::Running;
    std::string path;
};

struct OpenFileLine {
    static constexpr const char* kKeyword = "open";
    static constexpr ScriptPhase kPhase = ScriptPhase::Running;
    std::string path;
};

struct SaveFileLine {
    static constexpr const char* kKeyword = "save";
    static constexpr ScriptPhase kPhase = ScriptPhase::Running;
    std::string path;
};

struct ProjectLine {
    static constexpr const char* kKeyword = "project";
    static constexpr ScriptPhase kPhase = ScriptPhase::Running;
    std::string field;  // Projekt, Abschnitt, Bearbeiter or Bemerkung
    std::string text;
};

struct DocumentLine {
    static constexpr const char* kKeyword = "document";
    static constexpr ScriptPhase kPhase = ScriptPhase::Running;
};

struct CloseLine {
    static constexpr const char* kKeyword = "close";
    static constexpr ScriptPhase kPhase = ScriptPhase::Running;
};

using ScriptCommand =
    std::variant<SetPrinterLine, SetClockLine, SetBrowserLine, StartLine, TypeLine, LeaveLine, TabLine,
                 ClickLine, PickLine, EditListLine, AnswerLine, MenuCommandLine, ShowLine, DumpLine,
                 RecordLine, CurveLine, StatusLine, SizingLine, ChooseFileLine, OpenFileLine, SaveFileLine,
                 ProjectLine, DocumentLine, CloseLine>;
