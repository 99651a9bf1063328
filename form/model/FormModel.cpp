// The model's construction and event table, and the form's own reactions: first showing, filling mode,
// sought parameter, "Clear", closing.
#include "form/model/FormModel.h"

#include <array>
#include <string>

#include "catalogue/RoughnessChoices.h"
#include "form/model/CalculationFormTemplate.h"
#include "form/model/ControlIds.h"
#include "messages/MessageTexts.h"
#include "platform/Number.h"
#include "record/PlenwickDoc.h"

namespace {

using platform::ControlEvent;
using Reaction = FormModel::Reaction;

struct EventRoute {
    int id;
    ControlEvent event;
    Reaction reaction;
};

// The whole wiring of the form: which reaction runs for which event of which control.
constexpr std::array kEventTable{
    // Pipe selection
    EventRoute{IDC_CLASS, ControlEvent::SelectionChanged, &FormModel::OnClassChanged},
    EventRoute{IDC_DN, ControlEvent::SelectionChanged, &FormModel::OnDnChanged},
    EventRoute{IDC_DI, ControlEvent::TextChanged, &FormModel::OnDiChanged},
    EventRoute{IDC_DI, ControlEvent::FocusLost, &FormModel::OnDiLeave},
    EventRoute{IDC_DA, ControlEvent::FocusLost, &FormModel::OnPipeFieldLeave},
    EventRoute{IDC_S, ControlEvent::FocusLost, &FormModel::OnPipeFieldLeave},
    EventRoute{IDC_ZMA, ControlEvent::FocusLost, &FormModel::OnPipeFieldLeave},
    EventRoute{IDC_ROUGHNESS, ControlEvent::SelectionChanged, &FormModel::OnRoughnessChanged},
    EventRoute{IDC_K, ControlEvent::TextChanged, &FormModel::OnKChanged},
    EventRoute{IDC_K, ControlEvent::FocusLost, &FormModel::OnKLeave},
    // Solver, filling mode, sought parameter, Clear
    EventRoute{IDC_BERECHNEN, ControlEvent::Clicked, &FormModel::OnBerechnen},
    EventRoute{IDC_FULL_FILLING, ControlEvent::Clicked, &FormModel::OnFullFilling},
    EventRoute{IDC_PARTIAL_FILLING, ControlEvent::Clicked, &FormModel::OnPartialFilling},
    EventRoute{IDC_SOUGHT, ControlEvent::SelectionChanged, &FormModel::OnSoughtChanged},
    EventRoute{IDC_CLEAR, ControlEvent::Clicked, &FormModel::OnClear},
    // Parameter group and fluid data
    EventRoute{IDC_J, ControlEvent::FocusLost, &FormModel::OnJLeave},
    EventRoute{IDC_V, ControlEvent::FocusLost, &FormModel::OnVLeave},
    EventRoute{IDC_Q_LS, ControlEvent::FocusLost, &FormModel::OnQLsLeave},
    EventRoute{IDC_Q_M3H, ControlEvent::FocusLost, &FormModel::OnQM3hLeave},
    EventRoute{IDC_A, ControlEvent::FocusLost, &FormModel::OnALeave},
    EventRoute{IDC_RE, ControlEvent::FocusLost, &FormModel::OnReLeave},
    EventRoute{IDC_LAMBDA, ControlEvent::FocusLost, &FormModel::OnLambdaLeave},
    EventRoute{IDC_G, ControlEvent::FocusLost, &FormModel::OnGLeave},
    EventRoute{IDC_RHO, ControlEvent::FocusLost, &FormModel::OnRhoLeave},
    EventRoute{IDC_T, ControlEvent::FocusLost, &FormModel::OnTLeave},
    EventRoute{IDC_NY, ControlEvent::TextChanged, &FormModel::OnNyChanged},
    EventRoute{IDC_NY, ControlEvent::FocusLost, &FormModel::OnNyLeave},
    // Partial filling
    EventRoute{IDC_HT, ControlEvent::FocusLost, &FormModel::OnHtLeave},
    EventRoute{IDC_QT_LS, ControlEvent::FocusLost, &FormModel::OnQtLsLeave},
    EventRoute{IDC_QT_M3H, ControlEvent::FocusLost, &FormModel::OnQtM3hLeave},
    EventRoute{IDC_VT, ControlEvent::FocusLost, &FormModel::OnVtLeave},
};

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
constexpr std::array kSoughtEnabledControls{IDC_J,  IDC_A, IDC_DI,  IDC_K,  IDC_Q_LS,  IDC_Q_M3H,    IDC_V,
                                            IDC_DA, IDC_S, IDC_ZMA, IDC_DN, IDC_CLASS, IDC_ROUGHNESS};

// A number text as a field takes it when left: decimal commas read as points.
double EnteredNumber(const std::string& text) {
    return platform::LeadingFiniteNumber(WithDecimalPoints(text));
}

// The sought text is read into a buffer of 50 characters.
constexpr size_t kSoughtTextLength = 49;

}  // namespace

FormModel::FormModel(CPlenwickDoc& record, platform::Prompt& prompt, std::unique_ptr<FormSettings> settings)
    : m_document(record), m_prompt(prompt), m_settings(std::move(settings)) {
    CreateControls();
    m_controls.AttachSink(this);
}

FormModel::~FormModel() = default;

void FormModel::CreateControls() {
    for (const platform::ControlTemplate& control : CalculationFormTemplate().controls) {
        switch (control.kind) {
            case platform::ControlKind::Edit: {
                auto& field = m_controls.Add(std::make_unique<CNumberEdit>(control.id), control.tabStop);
                field.Enable(control.enabled);
                break;
            }
            case platform::ControlKind::List:
                m_controls.Add(std::make_unique<platform::ListControl>(control.id), control.tabStop);
                break;
            case platform::ControlKind::Tabs:
                m_controls.Add(std::make_unique<platform::TabControl>(control.id), control.tabStop);
                break;
            case platform::ControlKind::PushButton:
            case platform::ControlKind::RadioButton:
            case platform::ControlKind::OwnerDrawButton:
                m_controls.Add(
                    std::make_unique<platform::ButtonControl>(control.id, control.kind, control.caption),
                    control.tabStop);
                break;
        }
    }
    for (platform::Control* control : m_controls.InTabOrder()) {
        const size_t index = static_cast<size_t>(control->Id() - kFirstControlId);
        if (index >= m_byId.size())
            m_byId.resize(index + 1, nullptr);
        m_byId[index] = control;
    }
    m_reactions.resize(m_byId.size());
    for (const EventRoute& route : kEventTable)
        m_reactions[static_cast<size_t>(route.id - kFirstControlId)][static_cast<size_t>(route.event)] =
            route.reaction;
}

void FormModel::OnControlEvent(int id, platform::ControlEvent event) {
    if (m_eventsMuted)
        return;
    if (event == ControlEvent::TextChanged && m_controls.FocusedId() == id)
        NoteGlobalEntry(id);
    ++m_eventDepth;
    const size_t index = static_cast<size_t>(id - kFirstControlId);
    if (IsRefusedEntry(id, event)) {
        Tell(messages::NamedMessage(messages::MessageId::EntryWithDigitGrouping, *Field(id).RefusedEntry()));
    } else if (index < m_reactions.size()) {
        if (const Reaction reaction = m_reactions[index][static_cast<size_t>(event)])
            (this->*reaction)();
    }
    if (--m_eventDepth == 0) {
        // A result the record no longer holds is marked nowhere.
        if (!m_document.IsCalculated())
            MarkCalculated(false);
        NoteChanges();
        if (m_eventListener)
            m_eventListener();
    }
}

bool FormModel::IsRefusedEntry(int id, platform::ControlEvent event) const {
    if (event != ControlEvent::FocusLost)
        return false;
    const platform::Control* control = m_controls.Find(id);
    return control && control->Kind() == platform::ControlKind::Edit && Field(id).RefusedEntry();
}

platform::TabControl& FormModel::SoughtTabs() const {
    return static_cast<platform::TabControl&>(Control(IDC_SOUGHT));
}

platform::ButtonControl& FormModel::Button(int id) const {
    return static_cast<platform::ButtonControl&>(Control(id));
}

void FormModel::EnableControl(int id, bool enabled) {
    Control(id).Enable(enabled);
}

void FormModel::Tell(const std::string& text, platform::MessageIcon icon) {
    m_prompt.Message(text, icon);
}

void FormModel::ShowFirst() {
    CPlenwickDoc& doc = *GetDocument();
    platform::TabControl& tabs = SoughtTabs();
    tabs.DeleteAllItems();
    for (size_t i = 0; i < kSoughtEntries.size(); ++i)
        tabs.InsertItem(static_cast<int>(i), kSoughtEntries[i].text);
    tabs.SetCurSel(0);

    EnableControl(IDC_J, false);
    doc.SetSought(SOUGHT_J);

    Button(IDC_FULL_FILLING).SetCheck(true);
    Button(IDC_PARTIAL_FILLING).SetCheck(false);
    OnFullFilling();

    if (const std::optional<std::string> unusable = m_settings->Open())
        Tell(*unusable, platform::MessageIcon::Exclamation);
    // Each global value is taken as its field will read it when left after typing: a decimal comma
    // counts as a point, since leaving the field unchanged takes nothing.
    if (auto g = m_settings->GlobalValue(SettingsFile::kGravityKey)) {
        Field(IDC_G).SetText(*g);
        doc.SetG(EnteredNumber(*g));
    }
    if (auto temperature = m_settings->GlobalValue(SettingsFile::kTemperatureKey)) {
        doc.SetT(EnteredNumber(*temperature));
        Field(IDC_T).SetText(*temperature);
    }
    if (auto density = m_settings->GlobalValue(SettingsFile::kDensityKey)) {
        doc.SetRho(EnteredNumber(*density));
        Field(IDC_RHO).SetText(*density);
    }
    ShowViscosity();

    platform::ListControl& classes = List(IDC_CLASS);
    classes.ResetContent();
    for (const std::string& name : m_settings->ClassList()) classes.AddString(name);
    classes.SetCurSel(0);
    OnClassChanged();

    platform::ListControl& roughness = List(IDC_ROUGHNESS);
    roughness.ResetContent();
    for (const RoughnessChoice& choice : RoughnessChoices()) roughness.AddString(choice.text);
    roughness.SetCurSel(0);
    OnRoughnessChanged();
}

void FormModel::OnFullFilling() {
    GetDocument()->SetFullFilling(true);
    for (int id : kPartialFillingFields) EnableControl(id, false);
}

void FormModel::OnPartialFilling() {
    GetDocument()->SetFullFilling(false);
    for (int id : kPartialFillingFields) EnableControl(id, true);
}

void FormModel::OnSoughtChanged() {
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

void FormModel::OnClear() {
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

void FormModel::NoteGlobalEntry(int id) {
    // A text changes in the focused field only by the user's typing: reactions run on leaving it, after
    // the focus has gone. The viscosity shown follows from an entered temperature or density.
    if (id == IDC_T || id == IDC_RHO) {
        m_typedGlobals.insert(IDC_NY);
    } else if (id != IDC_G && id != IDC_NY) {
        return;
    }
    m_typedGlobals.insert(id);
}

void FormModel::RememberGlobalEntries() {
    for (int id : m_typedGlobals) m_enteredGlobals[id] = Field(id).GetText();
    m_typedGlobals.clear();
}

void FormModel::SaveGlobalData() {
    RememberGlobalEntries();
    const auto entered = [this](int id) -> std::optional<std::string> {
        const auto found = m_enteredGlobals.find(id);
        if (found == m_enteredGlobals.end())
            return std::nullopt;
        return found->second;
    };
    m_settings->WriteGlobalData(entered(IDC_G), entered(IDC_T), entered(IDC_NY), entered(IDC_RHO));
}
