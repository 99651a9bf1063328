#include "batch/RowDriver.h"

#include <memory>

#include "form/model/ControlIds.h"
#include "messages/BatchTexts.h"

namespace batch {

namespace {

// The catalogue as the form's settings; the global data are never written back.
class CatalogueSettings : public FormSettings {
  public:
    explicit CatalogueSettings(const Catalogue& catalogue) : m_catalogue(catalogue) {
        for (const CatalogueClass& pipeClass : catalogue.classes) {
            std::vector<std::optional<std::string>>& dns = m_dns.emplace_back();
            for (const PipeRow& row : pipeClass.rows) dns.emplace_back(row.DN);
        }
    }

    std::optional<std::string> Open() override { return m_catalogue.unusable; }
    std::optional<std::string> GlobalValue(const char* key) override {
        const std::string_view name(key);
        if (name == SettingsFile::kGravityKey)
            return m_catalogue.gravity;
        if (name == SettingsFile::kTemperatureKey)
            return m_catalogue.temperature;
        if (name == SettingsFile::kDensityKey)
            return m_catalogue.density;
        return std::nullopt;
    }
    std::vector<std::string> ClassList() override {
        std::vector<std::string> names;
        for (const CatalogueClass& pipeClass : m_catalogue.classes) names.push_back(pipeClass.name);
        return names;
    }
    // The catalogue keeps the rows that exist: they are numbered 1, 2, ... here.
    const std::vector<std::optional<std::string>>& ClassDns(const std::string& className) override {
        const int found = FindClassExactly(className);
        return found < 0 ? m_none : m_dns[static_cast<size_t>(found)];
    }
    std::optional<std::string> RowValue(const std::string& className, int row, const char* key) override {
        const int found = FindClassExactly(className);
        if (found < 0)
            return std::nullopt;
        const std::vector<PipeRow>& rows = m_catalogue.classes[static_cast<size_t>(found)].rows;
        if (row < 1 || row > static_cast<int>(rows.size()))
            return std::nullopt;
        const PipeRow& pipe = rows[static_cast<size_t>(row - 1)];
        const std::string_view name(key);
        if (name == SettingsFile::kDaKey)
            return pipe.da;
        if (name == SettingsFile::kSKey)
            return pipe.s;
        if (name == SettingsFile::kZmaKey)
            return pipe.ZMA;
        return pipe.DN;
    }
    void WriteGlobalData(const std::optional<std::string>&, const std::optional<std::string>&,
                         const std::optional<std::string>&, const std::optional<std::string>&) override {}

  private:
    int FindClassExactly(const std::string& name) const {
        for (size_t i = 0; i < m_catalogue.classes.size(); ++i) {
            if (m_catalogue.classes[i].name == name)
                return static_cast<int>(i);
        }
        return -1;
    }

    const Catalogue& m_catalogue;
    std::vector<std::vector<std::optional<std::string>>> m_dns;
    const std::vector<std::optional<std::string>> m_none;
};

// The column of each field whose entry can raise an adjustment dialog.
const char* EntryColumnName(int field) {
    switch (field) {
        case IDC_RE:
            return "Re";
        case IDC_LAMBDA:
            return "lambda";
        default:
            return "A";
    }
}

// The position of each sought parameter's tab.
int SoughtTab(int sought) {
    switch (sought) {
        case SOUGHT_VQ:
            return 1;
        case SOUGHT_K:
            return 2;
        case SOUGHT_DI:
            return 3;
        default:
            return 0;
    }
}

// Writes each entry of a prefix into its key, numbers as their bytes: equal keys, equal entries.
struct PrefixKey {
    std::string& key;

    void Click(int id) { Append('c', id); }
    void SelectTab(int id, int index) { Append('s', id, index); }
    void Type(int id, const std::string& text) {
        Append('t', id, static_cast<int>(text.size()));
        key += text;
    }
    void Pick(int id, int index) { Append('p', id, index); }
    template <class... Numbers>
    void Append(char tag, Numbers... numbers) {
        key += tag;
        (key.append(reinterpret_cast<const char*>(&numbers), sizeof numbers), ...);
    }
};

}  // namespace

RowDriver::RowDriver(const Catalogue& catalogue)
    : m_form(m_record, m_prompt, std::make_unique<CatalogueSettings>(catalogue)) {
    m_form.ShowFirst();
    m_start = m_form.CaptureState();
    m_startShownAt = m_form.Controls().Revision();
}

void RowDriver::Type(int field, const std::string& text) {
    platform::ControlSet& controls = m_form.Controls();
    // A field the form keeps disabled takes the value all the same (the curve command's J while J is
    // sought), as typed and left.
    const bool focused = controls.UserFocus(field);
    // Typing runs the change reaction for every character, and each stores what the text holds, so the
    // last text decides; but the di field only counts a change of its text, and the text before the
    // last character always is one.
    CNumberEdit& edit = m_form.Field(field);
    if (field == IDC_DI && text.size() > 1)
        edit.TextEditedByUser(text.substr(0, text.size() - 1));
    edit.TextEditedByUser(text);
    const int dialogsBefore = m_prompt.dialogsClosed;
    if (focused)
        controls.UserLeave();
    else
        edit.OnKillFocus();
    if (m_prompt.dialogsClosed != dialogsBefore)
        m_prompt.messages.push_back(
            messages::Filled(messages::BatchText::AdjustmentCancelled, {EntryColumnName(field)}));
}

void RowDriver::Run(const RowEntries& entries) {
    m_prompt.messages.clear();
    const std::unordered_map<std::string, std::optional<Snapshot>>::iterator known = StartPrefix(entries);
    if (known != m_prefixes.end() && known->second) {
        // The prefix ran before: its state and messages are what running it again would give.
        ShowKept(*known->second);
        m_prompt.messages = known->second->messages;
    } else {
        EnterPrefix(entries);
        m_keptShown = 0;
        if (known != m_prefixes.end()) {
            known->second = Snapshot{m_form.CaptureState(), m_prompt.messages, ++m_keptSerials};
            m_keptShown = m_keptSerials;
            m_keptShownAt = m_form.Controls().Revision();
        }
    }
    m_record.SetLineLength(entries.L);
    m_record.SetLossSum(entries.sumZeta);
    EnterRest(entries);
}

template <class Act>
void RowDriver::ForEachPrefixEntry(const RowEntries& entries, Act& act) {
    if (entries.partialFilling)
        act.Click(IDC_PARTIAL_FILLING);
    if (entries.sought != SOUGHT_J)
        act.SelectTab(IDC_SOUGHT, SoughtTab(entries.sought));
    const std::pair<const std::optional<std::string>&, int> fluid[]{
        {entries.T, IDC_T}, {entries.rho, IDC_RHO}, {entries.g, IDC_G}};
    for (const auto& [text, field] : fluid) {
        if (text)
            act.Type(field, *text);
    }
    if (entries.classIndex >= 0)
        act.Pick(IDC_CLASS, entries.classIndex);
    if (entries.dnIndex >= 0)
        act.Pick(IDC_DN, entries.dnIndex);
}

std::unordered_map<std::string, std::optional<RowDriver::Snapshot>>::iterator RowDriver::StartPrefix(
    const RowEntries& entries) {
    m_key.clear();
    PrefixKey key{m_key};
    ForEachPrefixEntry(entries, key);
    const auto found = m_prefixes.find(m_key);
    if (found != m_prefixes.end())
        return found;
    // A prefix is kept from its second row on; the first only notes it.
    if (m_prefixes.size() >= kMaxPrefixes)
        m_prefixes.clear();
    m_prefixes.emplace(m_key, std::nullopt);
    return m_prefixes.end();
}

void RowDriver::EnterPrefix(const RowEntries& entries) {
    // The controls that did not change since m_start was last shown still show it.
    m_form.RestoreStateShownAt(m_start, m_startShownAt);
    m_startShownAt = m_form.Controls().Revision();
    // The form after its first showing has no focus.
    m_form.Controls().DropFocus();
    ForEachPrefixEntry(entries, *this);
}

void RowDriver::ShowKept(const Snapshot& kept) {
    if (kept.serial == m_keptShown)
        m_form.RestoreStateShownAt(kept.state, m_keptShownAt);
    else
        m_form.RestoreState(kept.state);
    m_keptShown = kept.serial;
    m_keptShownAt = m_form.Controls().Revision();
}

void RowDriver::Click(int id) {
    m_form.Controls().UserClick(id);
}

void RowDriver::SelectTab(int id, int index) {
    m_form.Controls().UserSelectTab(id, index);
}

void RowDriver::Pick(int id, int index) {
    m_form.Controls().UserPick(id, index);
}

void RowDriver::EnterRest(const RowEntries& entries) {
    platform::ControlSet& controls = m_form.Controls();
    // Whatever has the focus after the prefix is a list with a selected entry, a button, the tabs or
    // nothing: leaving it does nothing, so the next action finds the form as after the prefix itself.
    controls.DropFocus();
    if (entries.di)
        Type(IDC_DI, *entries.di);
    if (entries.roughness >= 0)
        controls.UserPick(IDC_ROUGHNESS, entries.roughness);
    const std::pair<const std::optional<std::string>&, int> typed[]{
        {entries.k, IDC_K},   {entries.v, IDC_V}, {entries.Q, IDC_Q_LS},        {entries.ny, IDC_NY},
        {entries.Re, IDC_RE}, {entries.J, IDC_J}, {entries.lambda, IDC_LAMBDA}, {entries.A, IDC_A}};
    for (const auto& [text, field] : typed) {
        if (text)
            Type(field, *text);
    }
    if (entries.partial) {
        switch (*entries.partial) {
            case hydraulics::PartialQuantity::Ht:
                Type(IDC_HT, entries.partialText);
                break;
            case hydraulics::PartialQuantity::Qt:
                Type(IDC_QT_LS, entries.partialText);
                break;
            case hydraulics::PartialQuantity::Vt:
                Type(IDC_VT, entries.partialText);
                break;
        }
    }
    if (entries.calculate)
        controls.UserClick(IDC_BERECHNEN);
}

}  // namespace batch
