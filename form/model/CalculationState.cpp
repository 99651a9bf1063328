// The form's calculation taken as a whole: captured, restored without any reaction, reset for a new
// calculation, and compared with the one last saved.
#include "form/model/CalculationState.h"

#include "form/model/CalculationFormTemplate.h"
#include "form/model/ControlIds.h"
#include "form/model/FormModel.h"
#include "record/PlenwickDoc.h"

namespace {

ListState ListStateOf(const platform::ListControl& list) {
    return {list.GetEditText(), list.GetCurSel() >= 0, list.IsEnabled()};
}

// Selects the entry the state names, or leaves its text in the text field when the list lacks it.
void RestoreList(platform::ListControl& list, const ListState& state) {
    const std::vector<std::string>& entries = list.Entries();
    int position = -1;
    for (size_t i = 0; state.selected && i < entries.size(); ++i) {
        if (entries[i] == state.text) {
            position = static_cast<int>(i);
            break;
        }
    }
    if (position >= 0) {
        list.SetCurSel(position);
    } else {
        list.SetCurSel(-1);
        list.SetEditText(state.text);
    }
    list.Enable(state.enabled);
}

}  // namespace

bool RecordValues::operator==(const RecordValues& other) const {
    return surfaceWidth == other.surfaceWidth && vt == other.vt && ht == other.ht && Qt == other.Qt &&
           calculated == other.calculated && Re == other.Re && k == other.k && Di == other.Di &&
           g == other.g && v == other.v && ny == other.ny && Q == other.Q && I == other.I &&
           rho == other.rho && T == other.T && lambda == other.lambda && sought == other.sought &&
           fullFilling == other.fullFilling;
}

RecordValues RecordValuesOf(const CPlenwickDoc& record) {
    RecordValues values;
    values.surfaceWidth = record.GetSurfaceWidth();
    values.vt = record.GetVt();
    values.ht = record.GetHt();
    values.Qt = record.GetQt();
    values.calculated = record.IsCalculated();
    values.Re = record.GetRe();
    values.k = record.GetK();
    values.Di = record.GetDi();
    values.g = record.GetG();
    values.v = record.GetV();
    values.ny = record.GetNy();
    values.Q = record.GetQ();
    values.I = record.GetI();
    values.rho = record.GetRho();
    values.T = record.GetT();
    values.lambda = record.GetLambda();
    values.sought = record.GetSought();
    values.fullFilling = record.IsFullFilling();
    return values;
}

void StoreRecordValues(CPlenwickDoc& record, const RecordValues& values) {
    record.SetSurfaceWidth(values.surfaceWidth);
    record.SetVt(values.vt);
    record.SetHt(values.ht);
    record.SetQt(values.Qt);
    record.SetRe(values.Re);
    record.SetK(values.k);
    record.SetDi(values.Di);
    record.SetG(values.g);
    record.SetV(values.v);
    record.SetQ(values.Q);
    record.SetI(values.I);
    record.SetRho(values.rho);
    record.SetT(values.T);
    record.SetNy(values.ny);  // after density and temperature, which derive it
    record.SetLambda(values.lambda);
    record.SetSought(values.sought);
    record.SetFullFilling(values.fullFilling);
    record.SetCalculated(values.calculated);
}

CalculationState FormModel::CaptureState() const {
    CalculationState state;
    for (const platform::Control* control : m_controls.InTabOrder()) {
        if (control->Kind() != platform::ControlKind::Edit)
            continue;
        const CNumberEdit& field = Field(control->Id());
        state.form.fields.push_back(
            {field.Id(), field.GetText(), field.IsEnabled(), field.IsValid(), field.HasResultMark()});
    }
    state.form.pipeClass = ListStateOf(List(IDC_CLASS));
    state.form.dn = ListStateOf(List(IDC_DN));
    state.form.dnEntries = List(IDC_DN).Entries();
    state.form.roughness = ListStateOf(List(IDC_ROUGHNESS));
    state.form.soughtTab = SoughtTabs().GetCurSel();
    state.form.fullFilling = Button(IDC_FULL_FILLING).GetCheck();
    state.form.partialGiven = m_partialGiven;
    state.record = RecordValuesOf(m_document);
    state.header = m_document.GetProjectHeader();
    return state;
}

CalculationState FormModel::StateBeforeEntry(int id) const {
    CalculationState state = CaptureState();
    for (FieldState& field : state.form.fields) {
        if (field.id == id)
            field.text = Field(id).TextBeforeEntry();
    }
    return state;
}

void FormModel::RestoreState(const CalculationState& state) {
    Restore(state, std::nullopt);
}

void FormModel::RestoreStateShownAt(const CalculationState& state, std::uint64_t shownAt) {
    Restore(state, shownAt);
}

void FormModel::Restore(const CalculationState& state, std::optional<std::uint64_t> shownAt) {
    const auto changed = [shownAt](const platform::Control& control) {
        return !shownAt || control.ChangedAt() > *shownAt;
    };
    RememberGlobalEntries();
    m_eventsMuted = true;  // the state is shown as it was: no reaction runs
    for (const FieldState& saved : state.form.fields) {
        CNumberEdit& field = Field(saved.id);
        if (!changed(field))
            continue;
        if (field.GetText() != saved.text)
            field.SetText(saved.text);
        field.Enable(saved.id != IDC_SURFACE_WIDTH && saved.enabled);
        field.SetValid(saved.valid);
        field.SetResultMark(saved.resultMark);
    }
    if (changed(List(IDC_CLASS)))
        RestoreList(List(IDC_CLASS), state.form.pipeClass);
    platform::ListControl& dns = List(IDC_DN);
    if (changed(dns)) {
        if (dns.Entries() != state.form.dnEntries)
            dns.SetEntries(state.form.dnEntries);
        RestoreList(dns, state.form.dn);
    }
    if (changed(List(IDC_ROUGHNESS)))
        RestoreList(List(IDC_ROUGHNESS), state.form.roughness);
    SoughtTabs().SetCurSel(state.form.soughtTab);
    Button(IDC_FULL_FILLING).SetCheck(state.form.fullFilling);
    Button(IDC_PARTIAL_FILLING).SetCheck(!state.form.fullFilling);
    m_eventsMuted = false;

    m_partialGiven = state.form.partialGiven;
    m_diText = Field(IDC_DI).GetText();
    m_diTyped = false;
    StoreRecordValues(m_document, state.record);
    m_document.SetProjectHeader(state.header);
}

void FormModel::ResetForm() {
    RememberGlobalEntries();
    m_controls.DropFocus();
    m_eventsMuted = true;
    for (const platform::ControlTemplate& control : CalculationFormTemplate().controls) {
        switch (control.kind) {
            case platform::ControlKind::Edit: {
                CNumberEdit& field = Field(control.id);
                field.SetText(std::string());
                field.SetValid(true);
                field.SetResultMark(false);
                field.Enable(control.enabled);
                break;
            }
            case platform::ControlKind::List:
                List(control.id).ResetContent();
                List(control.id).Enable(true);
                break;
            case platform::ControlKind::Tabs:
                SoughtTabs().DeleteAllItems();
                break;
            default:
                Button(control.id).SetCheck(false);
                break;
        }
    }
    m_eventsMuted = false;
    m_partialGiven.reset();
    m_diText.clear();
    m_diTyped = false;
    m_document.SetProjectHeader(ProjectHeader());
}

void FormModel::MarkSaved() {
    m_savedState = CaptureState();
    RefreshModified();
}

bool FormModel::HasUnsavedChanges() const {
    return CaptureState() != m_savedState;
}

void FormModel::RefreshModified() {
    m_checkedRevision = m_controls.Revision();
    m_document.SetModifiedFlag(HasUnsavedChanges());
}

void FormModel::NoteChanges() {
    // A change of the controls is an unsaved change until a full comparison says otherwise.
    if (m_controls.Revision() == m_checkedRevision)
        return;
    m_checkedRevision = m_controls.Revision();
    m_document.SetModifiedFlag(true);
}
