// The calculation form as values: every field (text, enabled, valid, result mark), the class, DN and
// roughness lists, the sought-parameter tabs, the filling mode, the partial-filling value given last and
// the record, with every reaction of the form. The window, the session runner and the batch tool all
// drive this one model; a view attaches its controls' peers to the model's controls, which mirror every
// change without raising an event.
//
// Writing a field's text runs its change reaction at once, nested inside the writer; leaving a field
// rewrites its commas to points and then runs its leave reaction. The user's actions (type, leave, pick,
// click, choose a tab) are those of Controls(). Messages and dialogs go through the injected prompt, the
// catalogue and the global fluid data come from the injected settings.
//
//   FormModel.cpp                 construction, event table, first showing, filling mode, sought
//                                 parameter, Clear, closing
//   Solver.cpp                    "Berechnen"
//   ParameterReactions.cpp        parameter group and fluid data
//   PartialFillingReactions.cpp   partial-filling fields
//   PipeSelection.cpp             pipe selection, di and roughness
//   CalculationState.cpp          the calculation as a whole: captured, restored, reset, unsaved changes
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "form/model/CalculationState.h"
#include "form/model/ControlIds.h"
#include "form/model/FormSettings.h"
#include "form/model/NumberEdit.h"
#include "hydraulics/Calculations.h"
#include "hydraulics/EntryLimits.h"
#include "platform/Controls.h"
#include "platform/Prompt.h"

class CPlenwickDoc;

class FormModel : public platform::ControlSink {
  public:
    using Reaction = void (FormModel::*)();

    FormModel(CPlenwickDoc& record, platform::Prompt& prompt, std::unique_ptr<FormSettings> settings);
    virtual ~FormModel();
    FormModel(const FormModel&) = delete;
    FormModel& operator=(const FormModel&) = delete;

    CPlenwickDoc* GetDocument() const { return &m_document; }
    platform::ControlSet& Controls() { return m_controls; }
    const platform::ControlSet& Controls() const { return m_controls; }
    platform::Prompt& Prompt() const { return m_prompt; }

    // --- events from the controls (platform::ControlSink) ---
    void OnControlEvent(int id, platform::ControlEvent event) override;

    // --- form ---
    // The first showing: sought-parameter tabs, filling mode, global data, class and roughness lists.
    void ShowFirst();
    void OnFullFilling();
    void OnPartialFilling();
    void OnSoughtChanged();
    void OnClear();
    // The global fluid texts the user entered in this session go back to the settings (the form is
    // being closed); a global field the user never typed into leaves its stored value alone.
    void SaveGlobalData();

    // --- the calculation as a whole (CalculationState.cpp) ---
    CalculationState CaptureState() const;
    // Shows the state exactly as it was captured, record and project header included, without running
    // any reaction. The class and roughness lists keep the machine's entries; the DN list shows its own.
    void RestoreState(const CalculationState& state);
    // RestoreState for controls that showed the state at the controls' revision shownAt: only the
    // controls changed since are written again.
    void RestoreStateShownAt(const CalculationState& state, std::uint64_t shownAt);
    // The calculation as it was before the user typed the entry that field id is being left with: what
    // cancelling that entry restores.
    CalculationState StateBeforeEntry(int id) const;
    // Every control back to its state before the first showing, no control focused, the project header
    // emptied; no reaction.
    void ResetForm();
    // The current calculation is the saved one; any later difference is an unsaved change.
    void MarkSaved();
    // Compares the calculation with the saved one (for the commands that ask: closing, "Neu", "Öffnen").
    bool HasUnsavedChanges() const;
    // The document's modified flag set by that comparison. After a user event the flag is only raised,
    // when the controls' revision moved, without comparing.
    void RefreshModified();

    // --- solver (Solver.cpp) ---
    void OnBerechnen();
    void MarkCalculated(bool calculated);
    // After a result in partial filling, its flow state and wall shear stress in one line (the window's
    // status bar shows it); empty otherwise.
    std::string PartialFillingNotice() const;
    // What the form says beside its result (the window's status bar): that its fitted partial-filling
    // values leave the exact circular section, with the exact values. Empty without such a result.
    std::string ResultNote() const;
    // Runs after every user event, once the reactions nested in it have run (a window follows the
    // model's state with it).
    void SetEventListener(std::function<void()> listener) { m_eventListener = std::move(listener); }

    // --- parameter-group reactions (ParameterReactions.cpp) ---
    void OnVLeave();
    void OnReLeave();
    void OnQLsLeave();
    void OnQM3hLeave();
    void OnJLeave();
    void OnALeave();
    void OnLambdaLeave();
    void OnNyChanged();
    void OnNyLeave();
    void OnGLeave();
    void OnRhoLeave();
    void OnTLeave();
    void ShowViscosity();

    // --- partial-filling reactions (PartialFillingReactions.cpp) ---
    void OnHtLeave();
    void OnQtLsLeave();
    void OnQtM3hLeave();
    void OnVtLeave();
    // The partial-filling quantity the others follow from: the one the user gave last while its value
    // is positive, else the first of ht, Qt and vt that is positive; none when no value is given.
    std::optional<hydraulics::PartialQuantity> GivenPartialQuantity() const;
    // Stores and shows the width and the values that follow from the given quantity; the given value
    // itself stays as it is.
    void ApplyPartialFilling(const hydraulics::PartialFilling& partial, hydraulics::PartialQuantity given);
    // Completes the partial-filling values from the given one with the record's di, Q and v. Before a
    // result only values that follow are written; after one (afterResult) the values that do not follow
    // are emptied, so that nothing shown belongs to an earlier calculation.
    void CompletePartialFilling(bool afterResult);

    // --- pipe selection (PipeSelection.cpp) ---
    void OnClassChanged();
    void OnDnChanged();
    double ComputeDi();
    void ShowDi();
    void OnPipeFieldLeave();
    void OnDiChanged();
    void OnDiLeave();
    void OnRoughnessChanged();
    void OnKChanged();
    void OnKLeave();

    // --- field access for the reactions (by control id; each of the kind asked for) ---
    CNumberEdit& Field(int id) const;
    platform::ListControl& List(int id) const;
    platform::TabControl& SoughtTabs() const;
    platform::ButtonControl& Button(int id) const;
    // Shows x in field id ("%f", empty below 1e-12).
    void Show(int id, double x) { Field(id).ShowNumber(x); }
    // Empties field id (ShowNumber with 0).
    void Empty(int id) { Field(id).ShowNumber(0.0); }
    // The number in field id by the leading-number rule.
    double Number(int id) const { return Field(id).GetNumber(); }
    bool IsEmpty(int id) const { return Field(id).GetText().empty(); }
    void EnableControl(int id, bool enabled);

  private:
    // A user event and every reaction nested in it have run: the modified flag is raised on a change.
    void NoteChanges();
    // The user typed into field id: a global field then holds the user's entry.
    void NoteGlobalEntry(int id);
    // The global fields about to be replaced (or the form closed) keep their entries as the user's.
    void RememberGlobalEntries();
    // RestoreState of the controls that changed after revision shownAt (all of them: none).
    void Restore(const CalculationState& state, std::optional<std::uint64_t> shownAt);
    void CreateControls();
    // The focus left a number field whose entry it refused.
    bool IsRefusedEntry(int id, platform::ControlEvent event) const;
    platform::Control& Control(int id) const;
    // Shows a message through the prompt.
    void Tell(const std::string& text, platform::MessageIcon icon = platform::MessageIcon::None);
    // Entries beyond their limits are corrected, never refused (EntryCorrection.cpp): the message of the
    // limit x crosses, if any; the bound when that limit clamps (shown by the caller after the message),
    // nothing when x stays as it is.
    std::optional<double> CorrectEntry(double x, hydraulics::EntryQuantity quantity,
                                       const hydraulics::EntryRange& range);
    void TellEntryLimit(hydraulics::EntryQuantity quantity, hydraulics::EntrySide side);
    // Consistency of the pipe fields with di (PipeSelection.cpp).
    void MarkPipeConsistency(double diMm);
    // Qt [m³/s] read from one of the two Qt fields (PartialFillingReactions.cpp).
    void OnPartialFlowEntered(double Qt, int otherField, double otherToDisplay, bool emptyVelocity);
    // A new di [mm]: stored, the pipe fields marked, v, Q, Re and λ emptied, the area shown.
    void TakeDi(double diMm);

    // The smallest id of the form's controls.
    static constexpr int kFirstControlId = IDC_FULL_FILLING;

    CPlenwickDoc& m_document;
    platform::Prompt& m_prompt;
    std::unique_ptr<FormSettings> m_settings;
    platform::ControlSet m_controls;
    std::vector<platform::Control*> m_byId;  // from the smallest control id on
    // The event table by control id and event (ControlEvent's order); null: no reaction.
    std::vector<std::array<Reaction, 4>> m_reactions;

    // True while CZeroQvDlg is shown from OnReLeave or OnLambdaLeave.
    bool m_adjustDialogOpen = false;
    // The di field's text as its change reaction last saw it, and whether the user changed di by
    // typing since the field was last left.
    std::string m_diText;
    bool m_diTyped = false;
    // The global fields whose text is the user's entry now, and the last text the user entered in each
    // global field before a file or "Neu" replaced it: what closing keeps in the settings.
    std::set<int> m_typedGlobals;
    std::map<int, std::string> m_enteredGlobals;
    // The partial-filling quantity the user gave last.
    std::optional<hydraulics::PartialQuantity> m_partialGiven;
    // The calculation as last saved, opened or begun; the controls' revision the modified flag was last
    // set for; how deep events are nested now.
    CalculationState m_savedState;
    std::uint64_t m_checkedRevision = 0;
    int m_eventDepth = 0;
    // True while a state is shown as it was: the controls' events run no reaction.
    bool m_eventsMuted = false;
    std::function<void()> m_eventListener;
};

inline platform::Control& FormModel::Control(int id) const {
    return *m_byId[static_cast<size_t>(id - kFirstControlId)];
}

inline CNumberEdit& FormModel::Field(int id) const {
    return static_cast<CNumberEdit&>(Control(id));
}

inline platform::ListControl& FormModel::List(int id) const {
    return static_cast<platform::ListControl&>(Control(id));
}
