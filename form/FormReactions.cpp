// The form's own reactions: first showing, filling mode, sought parameter, "Clear", link button, closing.
#include <array>

#include "catalogue/RoughnessChoices.h"
#include "catalogue/SettingsFile.h"
#include "form/CalculationFormTemplate.h"
#include "form/ControlIds.h"
#include "form/PlenwickView.h"
#include "help/HelpLauncher.h"
#include "platform/DrawingContext.h"
#include "platform/Number.h"
#include "platform/Prompt.h"
#include "record/PlenwickDoc.h"

namespace {

struct SoughtEntry {
    const char* text;  // the tab's text, blanks included: it identifies the entry
    SoughtParameter sought;
};

constexpr std::array kSoughtEntries{
    SoughtEntry{" J [m/km] ", SOUGHT_J},
    SoughtEntry{" v [m/s], Q [l/s] [m³/h] ", SOUGHT_VQ},
    SoughtEntry{" k [mm] ", SOUGHT_K},
    SoughtEntry{" di [mm] ", SOUGHT_DI},
};

// The fields that only partial filling uses, in the order they are switched.
constexpr std::array kPartialFillingFields{IDC_HT, IDC_QT_LS, IDC_QT_M3H, IDC_VT};

// What a change of the sought parameter enables first, in this order.
constexpr std::array kSoughtEnabledControls{IDC_J,  IDC_A,  IDC_DI, IDC_K,  IDC_Q_LS,  IDC_Q_M3H,    IDC_V,
                                            IDC_DA, IDC_S,  IDC_ZMA, IDC_DN, IDC_CLASS, IDC_ROUGHNESS};

// The sought text is read into a buffer of 50 characters.
constexpr size_t kSoughtTextLength = 49;

}  // namespace

void CPlenwickView::OnInitialUpdate() {
    CPlenwickDoc& doc = *GetDocument();
    // The printer's page is read once for the whole run, not again for a new calculation.
    if (!m_pageSizeRead) {
        ReadPrinterPageSize();
        m_pageSizeRead = true;
    }

    platform::TabControl& tabs = SoughtTabs();
    tabs.DeleteAllItems();
    for (size_t i = 0; i < kSoughtEntries.size(); ++i) tabs.InsertItem(static_cast<int>(i), kSoughtEntries[i].text);
    tabs.SetCurSel(0);

    EnableControl(IDC_J, false);
    doc.SetSought(SOUGHT_J);

    Button(IDC_FULL_FILLING).SetCheck(true);
    Button(IDC_PARTIAL_FILLING).SetCheck(false);
    OnFullFilling();

    SettingsFile settings;
    settings.EnsureCurrentRevision();
    if (const std::optional<std::string> unusable = settings.UnusableMessage())
        platform::ShowMessage(*unusable, platform::MessageIcon::Exclamation);
    if (auto g = settings.ReadSetting(SettingsFile::kGlobalSection, SettingsFile::kGravityKey)) {
        Field(IDC_G).SetText(*g);
        doc.SetG(Number(IDC_G));
    }
    if (auto temperature = settings.ReadSetting(SettingsFile::kGlobalSection, SettingsFile::kTemperatureKey)) {
        doc.SetT(platform::LeadingFiniteNumber(*temperature));
        Field(IDC_T).SetText(*temperature);
    }
    if (auto density = settings.ReadSetting(SettingsFile::kGlobalSection, SettingsFile::kDensityKey)) {
        doc.SetRho(platform::LeadingFiniteNumber(*density));
        Field(IDC_RHO).SetText(*density);
    }
    ShowViscosity();

    platform::ListControl& classes = List(IDC_CLASS);
    classes.ResetContent();
    for (const std::string& name : settings.ReadClassList()) classes.AddString(name);
    classes.SetCurSel(0);
    OnClassChanged();

    platform::ListControl& roughness = List(IDC_ROUGHNESS);
    roughness.ResetContent();
    for (const RoughnessChoice& choice : RoughnessChoices()) roughness.AddString(choice.text);
    roughness.SetCurSel(0);
    OnRoughnessChanged();
}

void CPlenwickView::OnFullFilling() {
    GetDocument()->SetFullFilling(true);
    for (int id : kPartialFillingFields) EnableControl(id, false);
}

void CPlenwickView::OnPartialFilling() {
    GetDocument()->SetFullFilling(false);
    for (int id : kPartialFillingFields) EnableControl(id, true);
}

void CPlenwickView::OnSoughtChanged() {
    CPlenwickDoc& doc = *GetDocument();
    MarkCalculated(false);
    const platform::TabControl& tabs = SoughtTabs();
    const std::string text = tabs.GetItemText(tabs.GetCurSel()).substr(0, kSoughtTextLength);

    for (int id : kSoughtEnabledControls) EnableControl(id, true);
    Empty(IDC_RE);

    if (text == kSoughtEntries[0].text) {
        doc.SetSought(SOUGHT_J);
        EnableControl(IDC_J, false);
        Empty(IDC_J);
    } else if (text == kSoughtEntries[1].text) {
        doc.SetSought(SOUGHT_VQ);
        for (int id : {IDC_V, IDC_Q_LS, IDC_Q_M3H}) {
            EnableControl(id, false);
            Empty(id);
        }
    } else if (text == kSoughtEntries[2].text) {
        doc.SetSought(SOUGHT_K);
        EnableControl(IDC_K, false);
        EnableControl(IDC_ROUGHNESS, false);
    } else if (text == kSoughtEntries[3].text) {
        doc.SetSought(SOUGHT_DI);
        for (int id : {IDC_DI, IDC_A, IDC_DA, IDC_S, IDC_ZMA, IDC_DN, IDC_CLASS}) EnableControl(id, false);
        Empty(IDC_LAMBDA);
        doc.SetLambda(0);
        Empty(IDC_RE);
        doc.SetRe(0);
        Empty(IDC_Q_LS);
        Empty(IDC_Q_M3H);
        doc.SetQ(0);
        Empty(IDC_V);
        doc.SetV(0);
    }
}

void CPlenwickView::OnClear() {
    for (int id : {IDC_SURFACE_WIDTH, IDC_VT, IDC_QT_M3H, IDC_QT_LS, IDC_LAMBDA, IDC_RE, IDC_V, IDC_Q_M3H,
                   IDC_Q_LS, IDC_J, IDC_HT}) {
        Empty(id);
    }
    CPlenwickDoc& doc = *GetDocument();
    doc.SetV(0);
    doc.SetQ(0);
    doc.SetRe(0);
    doc.SetSurfaceWidth(0);
    doc.SetVt(0);
    doc.SetQt(0);
    doc.SetLambda(0);
    doc.SetRe(0);
    doc.SetI(0);
    doc.SetHt(0);
}

platform::Rgb CPlenwickView::LinkColour(bool pressed) {
    return pressed ? platform::Rgb{250, 20, 20} : platform::Rgb{20, 20, 255};
}

void CPlenwickView::OnDrawItem(int id, platform::DrawingContext& dc, int left, int top, bool pressed) {
    if (id != IDC_WEBLINK) return;
    const platform::Rgb previous = dc.SetTextColor(LinkColour(pressed));
    const platform::TextAlign align = dc.SetTextAlign(platform::TextAlign::Left);
    dc.TextOut(left, top, help::kMakerWebAddress);
    dc.SetTextAlign(align);
    dc.SetTextColor(previous);
}

void CPlenwickView::OnDestroy() {
    SettingsFile settings;
    settings.WriteGlobalData(Field(IDC_G).GetText(), Field(IDC_T).GetText(), Field(IDC_NY).GetText(),
                             Field(IDC_RHO).GetText());
    DeleteHelpFile();
}
