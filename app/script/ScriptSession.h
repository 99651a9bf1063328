// A headless run of the program driven by parsed script lines: the platform settings, start-up, the
// user's actions and the window's closing, with everything that happens written to the transcript.
#pragma once

#include <iosfwd>
#include <memory>
#include <optional>
#include <string>

#include "app/Application.h"
#include "app/script/ScriptCommand.h"
#include "sizing/SizingTable.h"
#include "platform/Controls.h"
#include "platform/headless/HeadlessPlatform.h"

class ScriptSession {
  public:
    // echo: where the transcript is written as it grows. With an echo, lines are not kept once written
    // (a long session must not fill the memory); without one (nullptr) Transcript() keeps them all.
    explicit ScriptSession(std::ostream* echo);
    ~ScriptSession();
    ScriptSession(const ScriptSession&) = delete;
    ScriptSession& operator=(const ScriptSession&) = delete;

    // Carries out one line; throws ScriptError when it is not allowed now.
    void Execute(const ScriptCommand& command);
    // The script ended: the window closes unless it is closed already.
    void Finish();
    // The script failed: nothing more is written (the program still ends as the window closes).
    void Abandon();

    const headless::Transcript& Transcript() const { return m_platform.transcript; }
    // The form's controls while the window is open, else nullptr.
    const platform::ControlSet* Controls() const;

  private:
    enum class Stage { Setup, Running, Closed };

    void CheckPhase(const char* keyword, ScriptPhase phase) const;
    void Run(const SetPrinterLine& line);
    void Run(const SetClockLine& line);
    void Run(const SetBrowserLine& line);
    void Run(const StartLine& line);
    void Run(const TypeLine& line);
    void Run(const LeaveLine& line);
    void Run(const TabLine& line);
    void Run(const ClickLine& line);
    void Run(const PickLine& line);
    void Run(const EditListLine& line);
    void Run(const AnswerLine& line);
    void Run(const MenuCommandLine& line);
    void Run(const ShowLine& line);
    void Run(const DumpLine& line);
    void Run(const RecordLine& line);
    void Run(const CurveLine& line);
    void Run(const StatusLine& line);
    void Run(const SizingLine& line);
    void Run(const ChooseFileLine& line);
    void Run(const OpenFileLine& line);
    void Run(const SaveFileLine& line);
    void Run(const ProjectLine& line);
    void Run(const DocumentLine& line);
    void Run(const CloseLine& line);

    platform::ControlSet& Form();
    // The control the user acts on: it must exist, be of a kind accepts takes, and be enabled.
    platform::Control& Target(int id, const char* expected, bool (*accepts)(platform::ControlKind));
    // The user action failed although the control was usable before it: the leave processing of the
    // field that had the focus disabled it.
    [[noreturn]] void DisabledOnLeave(int id, int previousFocus) const;
    void Write(const std::vector<std::string>& lines);

    headless::HeadlessPlatform m_platform;
    std::unique_ptr<QuellrixApp> m_app;  // destroyed before the platform it runs on
    Stage m_stage = Stage::Setup;
    bool m_keepLines;
    std::optional<sizing::Design> m_sizingDesign;  // of the sizing table opened last
};
