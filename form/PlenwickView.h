// The calculation form: the one view of the calculation record. It owns the form's controls,
// routes every control event to its reaction and writes the record through its setters.
//
// Every member is defined under form/; the reactions compute through the engine (hydraulics/), show
// their messages from messages/ and leave the report's composition to report/:
//   PlenwickView.cpp, FormReactions.cpp   construction, event table, first showing, filling mode,
//                                         sought parameter, Clear, closing
//   reactions/Solver.cpp                  "Berechnen"
//   reactions/ParameterReactions.cpp      parameter group and fluid data
//   reactions/PartialFillingReactions.cpp partial-filling fields
//   reactions/PipeSelection.cpp           pipe selection, di and roughness
//   reactions/Printing.cpp                printer page size and the printing steps
//   reactions/HelpCommands.cpp            help command and link button
#pragma once

#include <optional>
#include <string>

#include "form/CalculationState.h"
#include "form/NumberEdit.h"
#include "hydraulics/Calculations.h"
#include "platform/Controls.h"
#include "platform/Document.h"
#include "platform/Printing.h"
#include "platform/Services.h"

class CPlenwickDoc;

class CPlenwickView : public platform::ControlSink, public platform::DocumentView, public platform::Printable {
public:
    CPlenwickView(CPlenwickDoc& document, const platform::Services& services);
    ~CPlenwickView() override;
    CPlenwickView(const CPlenwickView&) = delete;
    CPlenwickView& operator=(const CPlenwickView&) = delete;

    CPlenwickDoc* GetDocument() const { return &m_document; }
    platform::ControlSet& Controls() { return m_controls; }
    const platform::ControlSet& Controls() const { return m_controls; }

    // --- events from the controls (platform::ControlSink) ---
    void OnControlEvent(int id, platform::ControlEvent event) override;
    std::optional<platform::Rgb> ControlBrush(int id) override;
    void OnUpdate() override {}

    // --- form (form/) ---
    void OnInitialUpdate();
    void OnFullFilling();
    void OnPartialFilling();
    void OnSoughtChanged();
    void OnClear();
    // The window is being destroyed: the global fluid texts go back to the settings file and the
    // help file is deleted.
    void OnDestroy();
    // The link button's text colour, normal or pressed.
    static platform::Rgb LinkColour(bool pressed);
    // Draws the owner-drawn control id into dc, its rectangle starting at (left, top).
    void OnDrawItem(int id, platform::DrawingContext& dc, int left, int top, bool pressed) override;

    // --- the calculation as a whole (CalculationState.cpp) ---
    CalculationState CaptureState() const;
    // Shows the state exactly as it was captured, record and project header included, without running
    // any reaction. The class and roughness lists keep the machine's entries; the DN list shows its own.
    void RestoreState(const CalculationState& state);
    // Every control back to its state before the first showing, the project header emptied; no reaction.
    void ResetForm();
    // The current calculation is the saved one; any later difference is an unsaved change, which the
    // document's modified flag follows after every user event.
    void MarkSaved();
    bool HasUnsavedChanges() const;
    void RefreshModified();

    // --- solver (reactions/Solver.cpp) ---
    void OnBerechnen();
    void MarkCalculated(bool calculated);

    // --- parameter-group reactions (reactions/ParameterReactions.cpp) ---
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

    // --- partial-filling reactions (reactions/PartialFillingReactions.cpp) ---
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

    // --- pipe selection (reactions/PipeSelection.cpp) ---
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

    // --- printing (reactions/Printing.cpp) ---
    bool ReadPrinterPageSize();
    bool OnPreparePrinting(platform::PrintInfo& info) override;
    void OnBeginPrinting(platform::DrawingContext& dc, platform::PrintInfo& info) override;
    void OnPrint(platform::DrawingContext& dc, platform::PrintInfo& info) override;
    void OnEndPrinting(platform::DrawingContext& dc, platform::PrintInfo& info) override;
    // The page the report of a job is laid out on: the job's printable area where its printer gives
    // one, else the page size read at start.
    platform::PageSize ReportPageSize(const platform::PrintInfo& info) const;
    int PageWidth() const { return m_pageWidth; }
    int PageHeight() const { return m_pageHeight; }

    // --- help (reactions/HelpCommands.cpp) ---
    void OnHelp();
    void OnWebLink();
    // Deletes the help file written by OnHelp, if any (the form is being destroyed).
    void DeleteHelpFile();

    // --- field access for the reactions ---
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
    void CreateControls();
    // Consistency of the pipe fields with di (reactions/PipeSelection.cpp).
    void MarkPipeConsistency(double diMm);
    // Qt [m³/s] read from one of the two Qt fields (reactions/PartialFillingReactions.cpp).
    void OnPartialFlowEntered(double Qt, int otherField, double otherToDisplay, bool emptyVelocity);
    // A new di [mm]: stored, the pipe fields marked, v, Q, Re and λ emptied, the area shown.
    void TakeDi(double diMm);

    CPlenwickDoc& m_document;
    platform::Services m_services;
    platform::ControlSet m_controls;

    // True while CZeroQvDlg is shown from OnReLeave or OnLambdaLeave.
    bool m_adjustDialogOpen = false;
    // The di field's text as its change reaction last saw it, and whether the user changed di by
    // typing since the field was last left.
    std::string m_diText;
    bool m_diTyped = false;
    // The partial-filling quantity the user gave last.
    std::optional<hydraulics::PartialQuantity> m_partialGiven;
    // The calculation as last saved, opened or begun, and how deep events are nested now.
    CalculationState m_savedState;
    int m_eventDepth = 0;

    // Printable size of the default printer's page, in its device units.
    int m_pageWidth = 0;
    int m_pageHeight = 0;
    bool m_pageSizeRead = false;
};
