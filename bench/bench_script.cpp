// A whole session of 10,000 random user actions through the session runner: start-up, typing, leaving,
// tabbing, clicks, picks, dialog answers, state dumps and a preview, then closing. Every action is chosen
// among those the form allows at that moment, written as a script line and parsed like one.
#include <benchmark/benchmark.h>

#include <random>
#include <string>
#include <vector>

#include "app/script/ScriptError.h"
#include "app/script/ScriptParser.h"
#include "app/script/ScriptSession.h"
#include "form/model/ControlIds.h"
#include "support/ScratchDirectory.h"

namespace {

constexpr int kActions = 10000;

const std::vector<std::string> kTexts = {"1",  "0,5", "2.5", "100",   "",    "1e3",
                                         "-3", "abc", "0",   "12,75", "9.81"};
// OK (1), cancel and the adjustment dialogs' buttons.
const std::vector<int> kAnswers = {1, IDCANCEL, IDC_ADJUST_DI, IDC_ADJUST_NY, IDC_ADJUST_V, IDC_ADJUST_Q};

class ActionGenerator {
  public:
    explicit ActionGenerator(unsigned seed) : m_random(seed) {}

    // A script line for an action the form accepts now.
    std::string Next(const platform::ControlSet& form) {
        switch (Pick(12)) {
            case 0:
            case 1:
            case 2: {
                const platform::Control* field = EnabledOf(form, platform::ControlKind::Edit);
                if (!field)
                    return "leave";
                return "type " + std::to_string(field->Id()) + " " + kTexts[Pick(kTexts.size())];
            }
            case 3:
                return "leave";
            case 4:
                return "tab";
            case 5: {
                const platform::Control* button = EnabledButton(form);
                return button ? "click " + std::to_string(button->Id()) : "tab";
            }
            case 6:
            case 7:
                return PickLine(form);
            case 8:
                return "answer " + std::to_string(kAnswers[Pick(kAnswers.size())]);
            case 9: {
                const auto& all = form.InTabOrder();
                return "show " + std::to_string(all[Pick(all.size())]->Id());
            }
            case 10:
                return Pick(20) == 0 ? "dump" : "record";
            default:
                if (Pick(50) == 0)
                    return "command preview";
                return form.Find(IDC_ROUGHNESS)->IsEnabled()
                           ? "edit " + std::to_string(IDC_ROUGHNESS) + " k " + kTexts[Pick(kTexts.size())]
                           : "tab";
        }
    }

  private:
    size_t Pick(size_t count) { return std::uniform_int_distribution<size_t>(0, count - 1)(m_random); }

    const platform::Control* Choose(const std::vector<const platform::Control*>& candidates) {
        return candidates.empty() ? nullptr : candidates[Pick(candidates.size())];
    }

    const platform::Control* EnabledOf(const platform::ControlSet& form, platform::ControlKind kind) {
        std::vector<const platform::Control*> candidates;
        for (const platform::Control* control : form.InTabOrder()) {
            if (control->Kind() == kind && control->IsEnabled())
                candidates.push_back(control);
        }
        return Choose(candidates);
    }

    const platform::Control* EnabledButton(const platform::ControlSet& form) {
        std::vector<const platform::Control*> candidates;
        for (const platform::Control* control : form.InTabOrder()) {
            const auto kind = control->Kind();
            const bool button = kind == platform::ControlKind::PushButton ||
                                kind == platform::ControlKind::RadioButton ||
                                kind == platform::ControlKind::OwnerDrawButton;
            if (button && control->IsEnabled())
                candidates.push_back(control);
        }
        return Choose(candidates);
    }

    std::string PickLine(const platform::ControlSet& form) {
        std::vector<std::pair<int, size_t>> choices;  // id, number of entries
        for (const platform::Control* control : form.InTabOrder()) {
            if (!control->IsEnabled())
                continue;
            if (const auto* list = dynamic_cast<const platform::ListControl*>(control)) {
                if (list->GetCount() > 0)
                    choices.emplace_back(list->Id(), list->Entries().size());
            } else if (const auto* tabs = dynamic_cast<const platform::TabControl*>(control)) {
                if (tabs->GetItemCount() > 0)
                    choices.emplace_back(tabs->Id(), tabs->Items().size());
            }
        }
        if (choices.empty())
            return "leave";
        const auto& [id, count] = choices[Pick(choices.size())];
        return "pick " + std::to_string(id) + " #" + std::to_string(Pick(count));
    }

    std::mt19937 m_random;
};

void BM_RandomSession(benchmark::State& state) {
    // The machine directory and temporary directory of the sessions: one scratch directory for the run.
    static const test_support::ScratchMachineDirectory directory;
    long rejected = 0;
    for (auto _ : state) {
        ScriptSession session(nullptr);
        ActionGenerator generator(20240601);
        session.Execute(*ParseScriptLine("start"));
        for (int i = 0; i < kActions; ++i) {
            const std::string line = generator.Next(*session.Controls());
            try {
                session.Execute(*ParseScriptLine(line));
            } catch (const ScriptError&) {
                ++rejected;  // the leave processing disabled the action's control
            }
        }
        session.Finish();
        benchmark::DoNotOptimize(session.Transcript().Lines().size());
    }
    state.counters["rejected"] =
        benchmark::Counter(static_cast<double>(rejected), benchmark::Counter::kAvgIterations);
    state.counters["actions"] = kActions;
}

}  // namespace

BENCHMARK(BM_RandomSession)->Unit(benchmark::kMillisecond);
