// One row of a calculation file entered into the form model as a user enters it: the filling mode, the
// sought parameter, each typed value (typed into its field and left), the class, DN and roughness picks,
// then "Berechnen". Every row starts from the form as it was after its first showing; the messages the
// form shows are collected in order, and its adjustment dialogs end as by their close box, which
// cancels the entry that raised the question: the messages say which entry was left out.
#pragma once

#include <optional>
#include <string>
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

    // Types the text into the field and leaves it; an entry a closed dialog cancelled is told.
    void Type(int field, const std::string& text);

    CollectingPrompt m_prompt;
    CPlenwickDoc m_record;
    FormModel m_form;
    CalculationState m_start;
};

}  // namespace batch
