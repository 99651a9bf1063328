// One row of a calculation file entered into the form model as a user enters it: the filling mode, the
// sought parameter, each typed value (typed into its field and left), the class, DN and roughness picks,
// then "Berechnen". Every row starts from the form as it was after its first showing; the messages the
// form shows are collected in order, and its adjustment dialogs end as by their close box, which
// cancels the entry that raised the question: the messages say which entry was left out.
//
// The model is deterministic: the same entries on the same form give the same form and messages. The
// entries up to the DN pick (filling mode, sought parameter, fluid data, class and DN: the prefix) repeat
// from row to row in most files, and their reactions (the class's DN list, the pipe's dimensions) are the
// dearest part of a row; so the form and messages after a prefix are kept once it has come twice, and a
// later row with the same prefix starts from them. Rows of one prefix one after another cost least: the
// form then shows the kept prefix but for what the row before changed, and only that is restored.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "batch/Catalogue.h"
#include "form/model/FormModel.h"
#include "hydraulics/Calculations.h"
#include "hydraulics/SoughtParameter.h"
#include "record/PlenwickDoc.h"

namespace batch {

// What one row enters, in the order the form gets it (each typed text as the field holds it after
// leaving it: with a decimal point).
struct RowEntries {
    bool partialFilling = false;
    int sought = SOUGHT_J;
    std::optional<std::string> T, rho, g;
    int classIndex = -1;  // into the catalogue's classes; -1: the class is not picked
    int dnIndex = -1;     // into the DN list of the form's class after the class pick; -1: not picked
    std::optional<std::string> di;
    int roughness = -1;  // position in the roughness list; -1: not picked
    std::optional<std::string> k;
    std::optional<std::string> v, Q, ny, Re, J, lambda, A;
    std::optional<hydraulics::PartialQuantity> partial;
    std::string partialText;
    // The pressure line: length L [m] and Σζ of its fittings (0: not given); the record keeps them.
    double L = 0;
    double sumZeta = 0;
    bool calculate = true;  // "Berechnen" after the entries
};

class RowDriver {
  public:
    // The form after its first showing with this catalogue.
    explicit RowDriver(const Catalogue& catalogue);

    void Run(const RowEntries& entries);

    const std::string& Text(int field) const { return m_form.Field(field).GetText(); }
    const CPlenwickDoc& Record() const { return m_record; }
    const std::vector<std::string>& Messages() const { return m_prompt.messages; }

  private:
    // Collects the messages; a dialog ends with its close code.
    struct CollectingPrompt : platform::Prompt {
        void Message(const std::string& text, platform::MessageIcon) override { messages.push_back(text); }
        int RunDialog(const platform::DialogTemplate& dialog) override {
            ++dialogsClosed;
            return dialog.closeCode;
        }
        std::vector<std::string> messages;
        int dialogsClosed = 0;
    };
    // The form and the messages after a prefix.
    struct Snapshot {
        CalculationState state;
        std::vector<std::string> messages;
        std::uint64_t serial = 0;  // tells kept prefixes apart, also after the notes start afresh
    };
    // Prefixes noted at most (a few kB each when kept); beyond, the notes start afresh.
    static constexpr size_t kMaxPrefixes = 1024;

    // The prefix's entries in the order the form gets them, each handed to act (Click, SelectTab, Type,
    // Pick): the same walk enters them and writes the key they are kept under.
    template <class Act>
    static void ForEachPrefixEntry(const RowEntries& entries, Act& act);
    // Notes the row's prefix: where it is noted when it came before, else the end.
    std::unordered_map<std::string, std::optional<Snapshot>>::iterator StartPrefix(const RowEntries& entries);
    // The form as after its first showing, then the prefix's entries.
    void EnterPrefix(const RowEntries& entries);
    // The form as it was after a kept prefix.
    void ShowKept(const Snapshot& kept);
    // The entries after the prefix, then "Berechnen".
    void EnterRest(const RowEntries& entries);
    // The user's actions.
    void Click(int id);
    void SelectTab(int id, int index);
    void Pick(int id, int index);
    // Types the text into the field and leaves it; an entry a closed dialog cancelled is told.
    void Type(int field, const std::string& text);

    CollectingPrompt m_prompt;
    CPlenwickDoc m_record;
    FormModel m_form;
    CalculationState m_start;
    std::uint64_t m_startShownAt = 0;  // the controls' revision when they last showed m_start
    std::unordered_map<std::string, std::optional<Snapshot>> m_prefixes;
    std::string m_key;  // of the current row's prefix
    std::uint64_t m_keptSerials = 0;
    std::uint64_t m_keptShown = 0;    // serial of the kept prefix the controls last showed (0: none)
    std::uint64_t m_keptShownAt = 0;  // the controls' revision then
};

}  // namespace batch
