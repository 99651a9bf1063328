// The calculation form at value level: the record, the texts of the number fields and the reactions
// that the form runs on them, for the entries of one row and one "Berechnen". Every reaction does what
// the form's reaction of the same name does, in the same order, with the same engine calls and the
// same texts (the di, k and ν fields' change reactions included, which read back what is shown); the
// messages the form would show are collected in order. Adjustment dialogs end as by their close box.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "batch/Catalogue.h"
#include "hydraulics/Calculations.h"
#include "hydraulics/SoughtParameter.h"

namespace batch {

// The fields the batch tool types into or shows.
enum class Field {
    J,
    V,
    QLs,
    QM3h,
    Re,
    Lambda,
    K,
    Di,
    A,
    Ht,
    QtLs,
    QtM3h,
    Vt,
    Width,
    Ny,
    T,
    Rho,
    G,
    Da,
    S,
    Zma,
    Count
};

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

// The record as the form keeps it (SI units).
struct ReplayRecord {
    double surfaceWidth = 0, vt = 0, ht = 0, Qt = 0, Re = 0, k = 0, Di = 0, g = 0, v = 0, ny = 0, Q = 0,
           I = 0, rho = 0, T = 0, lambda = 0;
    int sought = SOUGHT_J;
    bool fullFilling = true;
    bool calculated = false;
};

class FormReplay {
  public:
    // The form after its first showing with this catalogue.
    explicit FormReplay(const Catalogue& catalogue);

    // The entries of one row, then "Berechnen" (unless entries.calculate is false). The replay starts
    // from the state after the first showing every time.
    void Run(const RowEntries& entries);

    const std::string& Text(Field field) const { return m_text[static_cast<size_t>(field)]; }
    const ReplayRecord& Record() const { return m_doc; }
    const std::vector<std::string>& Messages() const { return m_messages; }

  private:
    void Start();
    std::string& TextOf(Field field) {
        m_written |= 1u << static_cast<unsigned>(field);
        return m_text[static_cast<size_t>(field)];
    }
    double Number(Field field) const;
    void SetText(Field field, std::string text);
    void Show(Field field, double x);
    void Empty(Field field);
    void Changed(Field field);
    void Tell(std::string text) { m_messages.push_back(std::move(text)); }
    void Type(Field field, const std::string& text);

    // change reactions
    void OnDiChanged();
    void OnKChanged();
    void OnNyChanged();
    // the form's reactions
    void OnSoughtChanged(int sought);
    void OnClassChanged(int classIndex);
    void OnDnChanged(int dnIndex);
    void TakeDi(double diMm);
    void ClearFlow();
    void OnDiLeave();
    void OnRoughnessChanged(int position);
    void OnKLeave();
    void OnVLeave();
    void OnFlowEntered(double Q, Field otherField, double otherToDisplay);
    void OnNyLeave() {}
    void OnReLeave();
    void OnJLeave();
    void OnLambdaLeave();
    void OnALeave();
    void OnTLeave();
    void OnRhoLeave();
    void OnGLeave();
    void ShowViscosity();
    void OnHtLeave();
    void OnQtLsLeave();
    void OnVtLeave();
    void ClearLambdaAndReynolds();
    void ClearPartialFilling();
    void DeriveReynolds(double v, double di);
    void ApplyVelocityAndFlow(double v, double di);
    void ShowFlow(double Q);
    template <class RestoreEntry>
    void AskWhichToZero(RestoreEntry restoreEntry);
    // partial filling
    std::optional<hydraulics::PartialQuantity> GivenPartialQuantity() const;
    void ApplyPartialFilling(const hydraulics::PartialFilling& partial, hydraulics::PartialQuantity given);
    void CompletePartialFilling(bool afterResult);
    void ShowPartialFlow(double Qt);
    // "Berechnen"
    void OnBerechnen();
    bool Validate();
    bool ReportBreach(const hydraulics::CalculationStatus& status);
    bool Accept();
    bool HoldsFiniteValues() const;
    bool SolveSlope();
    bool SolveVelocityAndFlow();
    bool SolveRoughness();
    bool SolveDiameter();

    const Catalogue& m_catalogue;
    // after the first showing
    ReplayRecord m_startDoc;
    std::string m_startText[static_cast<size_t>(Field::Count)];
    int m_startClass = -1;
    int m_startDn = -1;
    std::string m_startDiText;
    // the current state
    ReplayRecord m_doc;
    std::string m_text[static_cast<size_t>(Field::Count)];
    unsigned m_written = 0;
    double m_areaDiMm = -1;  // the di of m_areaText
    std::string m_areaText;  // the fields written since the start state, one bit each
    int m_class = -1;        // selected class, -1: none
    int m_dn = -1;           // selected DN within the class, -1: none
    std::string m_diText;
    bool m_diTyped = false;
    Field m_focus = Field::T;
    bool m_adjustDialogOpen = false;
    std::optional<hydraulics::PartialQuantity> m_partialGiven;
    std::vector<std::string> m_messages;
};

}  // namespace batch
