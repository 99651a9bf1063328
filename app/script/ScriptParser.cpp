#include "app/script/ScriptParser.h"

#include <algorithm>
#include <array>
#include <string>
#include <utility>

#include "app/script/ScriptError.h"
#include "app/script/ScriptNumbers.h"
#include "app/script/ScriptText.h"
#include "platform/headless/Transcript.h"

namespace {

// The words of a line, taken from the left; each slot after a blank is one argument (maybe empty).
class Words {
  public:
    explicit Words(std::string_view line) : m_line(line) {}

    std::string_view Next(const char* what) {
        if (!m_more)
            throw ScriptError(std::string("missing ") + what);
        const size_t blank = m_line.find(' ', m_pos);
        const std::string_view word =
            m_line.substr(m_pos, blank == std::string_view::npos ? blank : blank - m_pos);
        m_more = blank != std::string_view::npos;
        m_pos = m_more ? blank + 1 : m_line.size();
        if (word.empty())
            throw ScriptError(std::string("missing ") + what + " (words are separated by one blank)");
        return word;
    }

    // Everything after the next blank, verbatim; empty when the line ends here.
    std::string Rest() {
        const std::string rest(m_more ? m_line.substr(m_pos) : std::string_view());
        m_more = false;
        return rest;
    }

    // As Rest, but the blank before the text is required (the text itself may be empty).
    std::string RequiredRest(const char* what) {
        if (!m_more)
            throw ScriptError(std::string("missing ") + what);
        return Rest();
    }

    bool AtEnd() const { return !m_more; }

    void ExpectEnd() const {
        if (!m_more)
            return;
        if (m_pos == m_line.size())
            throw ScriptError("unexpected blank at the end of the line");
        throw ScriptError("unexpected text " + headless::Quote(m_line.substr(m_pos)) + " at the end");
    }

  private:
    std::string_view m_line;
    size_t m_pos = 0;
    bool m_more = true;
};

int ControlId(Words& words) {
    return ParseNonNegative(words.Next("control id"), "control id");
}

SetPrinterLine ParsePrinter(Words& words) {
    using Status = platform::DefaultPrinter::Status;
    const std::string_view setting = words.Next("printer setting (none, unreadable or W H)");
    SetPrinterLine line;
    if (setting == "none") {
        line.printer = {Status::NoDefaultPrinter, 0, 0};
    } else if (setting == "unreadable") {
        line.printer = {Status::SettingsUnreadable, 0, 0};
    } else {
        const int width = ParseNonNegative(setting, "printer width");
        const int height = ParseNonNegative(words.Next("printer height"), "printer height");
        line.printer = {Status::Ok, width, height};
    }
    words.ExpectEnd();
    return line;
}

SetClockLine ParseClock(Words& words) {
    const std::string_view date = words.Next("date (YYYY-MM-DD)");
    const std::string_view time = words.Next("time (HH:MM:SS)");
    words.ExpectEnd();
    return {ParseLocalTime(date, time)};
}

SetBrowserLine ParseBrowser(Words& words) {
    const std::string_view which = words.Next("browser setting (lookup or start)");
    if (which != "lookup" && which != "start") {
        throw ScriptError("browser setting " + headless::Quote(which) + " is neither lookup nor start");
    }
    SetBrowserLine line;
    line.lookup = which == "lookup";
    line.code = ParseSigned(words.Next("result code"), "result code");
    words.ExpectEnd();
    return line;
}

PickLine ParsePick(Words& words) {
    PickLine line;
    line.id = ControlId(words);
    line.text = words.RequiredRest("entry (#N or its text)");
    const std::string_view digits = std::string_view(line.text).substr(line.text.empty() ? 0 : 1);
    if (line.text.size() > 1 && line.text.front() == '#' &&
        digits.find_first_not_of("0123456789") == std::string_view::npos) {
        line.position = ParseNonNegative(digits, "entry position");
    }
    return line;
}

std::vector<int> NumberList(Words& words, const char* what, int (*parse)(std::string_view, const char*)) {
    std::vector<int> numbers;
    do {
        numbers.push_back(parse(words.Next(what), what));
    } while (!words.AtEnd());
    return numbers;
}

constexpr std::array<std::pair<const char*, Command>, 12> kMenuCommands{{
    {"new", Command::New},
    {"open", Command::Open},
    {"save", Command::Save},
    {"saveas", Command::SaveAs},
    {"print", Command::Print},
    {"preview", Command::PrintPreview},
    {"printsetup", Command::PrintSetup},
    {"help", Command::Help},
    {"about", Command::About},
    {"exit", Command::Exit},
    {"sheetprint", Command::PrintDesignSheet},
    {"sheetpreview", Command::PreviewDesignSheet},
}};

MenuCommandLine ParseMenuCommand(Words& words) {
    const std::string_view name = words.Next("command name");
    words.ExpectEnd();
    std::string names;
    for (const auto& [known, command] : kMenuCommands) {
        if (name == known)
            return {command, std::string(name)};
        names += (names.empty() ? "" : ", ") + std::string(known);
    }
    throw ScriptError("unknown command " + headless::Quote(name) + " (" + names + ")");
}

// "sizing take DN" or "sizing KEY=VALUE ..." with the keys Q (required), J, vmin, vmax, hd, taumin, L,
// zeta and hvmax.
SizingLine ParseSizing(Words& words) {
    SizingLine line;
    const std::string_view first = words.Next("Q=VALUE or take");
    if (first == "take") {
        line.take = true;
        line.dn = std::string(words.Next("DN"));
        words.ExpectEnd();
        return line;
    }
    const std::array<std::pair<const char*, std::optional<double> SizingLine::*>, 9> keys{{
        {"Q", &SizingLine::Q},
        {"J", &SizingLine::J},
        {"vmin", &SizingLine::vMin},
        {"vmax", &SizingLine::vMax},
        {"hd", &SizingLine::hdMax},
        {"taumin", &SizingLine::tauMin},
        {"L", &SizingLine::L},
        {"zeta", &SizingLine::sumZeta},
        {"hvmax", &SizingLine::hvMax},
    }};
    std::string_view word = first;
    for (;;) {
        const size_t equals = word.find('=');
        const std::string_view key = word.substr(0, equals);
        const auto known =
            std::find_if(keys.begin(), keys.end(), [&](const auto& k) { return key == k.first; });
        if (equals == std::string_view::npos || known == keys.end())
            throw ScriptError("sizing argument " + headless::Quote(word) +
                              " is not Q=, J=, vmin=, vmax=, hd=, taumin=, L=, zeta= or hvmax=");
        std::optional<double>& value = line.*(known->second);
        if (value)
            throw ScriptError("sizing argument " + std::string(key) + " given twice");
        value = ParseDecimal(word.substr(equals + 1), known->first);
        if (words.AtEnd())
            break;
        word = words.Next("sizing argument");
    }
    if (!line.Q)
        throw ScriptError("sizing needs Q=VALUE");
    return line;
}

// A file name: the rest of the line, verbatim, not empty.
std::string FileName(Words& words) {
    std::string path = words.RequiredRest("file name");
    if (path.empty())
        throw ScriptError("missing file name");
    return path;
}

constexpr std::array<const char*, 4> kProjectFields{"Projekt", "Abschnitt", "Bearbeiter", "Bemerkung"};

ProjectLine ParseProject(Words& words) {
    const std::string_view field = words.Next("project field (Projekt, Abschnitt, Bearbeiter, Bemerkung)");
    if (std::find(kProjectFields.begin(), kProjectFields.end(), field) == kProjectFields.end()) {
        throw ScriptError("project field " + headless::Quote(field) +
                          " is not Projekt, Abschnitt, Bearbeiter or Bemerkung");
    }
    return {std::string(field), words.Rest()};
}

template <class Line>
Line WithoutArguments(Words& words) {
    words.ExpectEnd();
    return Line{};
}

ScriptCommand ParseCommand(std::string_view keyword, Words& words) {
    if (keyword == "printer")
        return ParsePrinter(words);
    if (keyword == "clock")
        return ParseClock(words);
    if (keyword == "browser")
        return ParseBrowser(words);
    if (keyword == "start")
        return WithoutArguments<StartLine>(words);
    if (keyword == "type") {
        const int id = ControlId(words);
        return TypeLine{id, words.Rest()};
    }
    if (keyword == "leave")
        return WithoutArguments<LeaveLine>(words);
    if (keyword == "tab")
        return WithoutArguments<TabLine>(words);
    if (keyword == "click") {
        const int id = ControlId(words);
        words.ExpectEnd();
        return ClickLine{id};
    }
    if (keyword == "pick")
        return ParsePick(words);
    if (keyword == "edit") {
        const int id = ControlId(words);
        return EditListLine{id, words.RequiredRest("text")};
    }
    if (keyword == "answer")
        return AnswerLine{NumberList(words, "dialog code", ParseSigned)};
    if (keyword == "command")
        return ParseMenuCommand(words);
    if (keyword == "show")
        return ShowLine{NumberList(words, "control id", ParseNonNegative)};
    if (keyword == "dump")
        return WithoutArguments<DumpLine>(words);
    if (keyword == "record")
        return WithoutArguments<RecordLine>(words);
    if (keyword == "curve")
        return WithoutArguments<CurveLine>(words);
    if (keyword == "status")
        return WithoutArguments<StatusLine>(words);
    if (keyword == "sizing")
        return ParseSizing(words);
    if (keyword == "choose")
        return ChooseFileLine{FileName(words)};
    if (keyword == "open")
        return OpenFileLine{FileName(words)};
    if (keyword == "save")
        return SaveFileLine{FileName(words)};
    if (keyword == "project")
        return ParseProject(words);
    if (keyword == "document")
        return WithoutArguments<DocumentLine>(words);
    if (keyword == "close")
        return WithoutArguments<CloseLine>(words);
    throw ScriptError("unknown keyword " + headless::Quote(keyword));
}

}  // namespace

std::optional<ScriptCommand> ParseScriptLine(std::string_view line) {
    if (line.find_first_not_of(' ') == std::string_view::npos || line.front() == '#')
        return std::nullopt;
    if (auto fault = FindTextFault(line))
        throw ScriptError(*fault);
    Words words(line);
    const std::string_view keyword = words.Next("keyword");
    return ParseCommand(keyword, words);
}
