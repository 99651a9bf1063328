#include "platform/Controls.h"

#include <algorithm>

namespace platform {

// --- Control ---

void Control::ChangeEnabled(bool enabled) {
    m_enabled = enabled;
    Changed();
    Synchronise();
}

void Control::Invalidate() {
    ++m_repaints;
    if (m_peer)
        m_peer->Repaint();
}

void Control::Deliver(ControlEvent event) {
    if (m_sink)
        m_sink->OnControlEvent(m_id, event);
}

void Control::Synchronise() {
    if (m_peer)
        m_peer->Synchronise();
}

// --- EditControl ---

void EditControl::Store(std::string&& text) {
    if (text != m_text) {
        Changed();
        ++m_textRevision;
    }
    m_text = std::move(text);
}

void EditControl::SetText(std::string text) {
    m_beforeTyping.reset();
    Store(std::move(text));
    Synchronise();
    Deliver(ControlEvent::TextChanged);
}

void EditControl::TextEditedByUser(std::string text) {
    if (!m_beforeTyping)
        m_beforeTyping = m_text;
    Store(std::move(text));
    Deliver(ControlEvent::TextChanged);
}

void EditControl::OnKillFocus() {
    m_beforeTyping.reset();
    Deliver(ControlEvent::FocusLost);
}

// --- ListControl ---

void ListControl::ResetContent() {
    Changed();
    m_entries.clear();
    m_selection = m_picked = -1;
    m_editText.clear();
    Synchronise();
}

int ListControl::AddString(std::string entry) {
    Changed();
    m_entries.push_back(std::move(entry));
    Synchronise();
    return GetCount() - 1;
}

void ListControl::SetEntries(const std::vector<std::string>& entries) {
    Changed();
    m_entries = entries;
    m_selection = m_picked = -1;
    m_editText.clear();
    Synchronise();
}

std::string ListControl::GetLBText(int index) const {
    if (index < 0 || index >= GetCount())
        return {};
    return m_entries[static_cast<size_t>(index)];
}

void ListControl::SetCurSel(int index) {
    if (index < 0 || index >= GetCount()) {
        if (m_selection != -1 || !m_editText.empty())
            Changed();
        m_selection = -1;
        m_editText.clear();
    } else {
        const std::string& entry = m_entries[static_cast<size_t>(index)];
        if (m_selection != index || m_editText != entry)
            Changed();
        m_selection = index;
        m_editText = entry;
    }
    m_picked = m_selection;
    Synchronise();
}

void ListControl::SetEditText(std::string text) {
    if (m_selection >= 0 || text != m_editText)
        Changed();
    m_editText = std::move(text);
    m_selection = -1;
    Synchronise();
}

void ListControl::OnKillFocus() {
    if (m_selection >= 0)
        return;  // nothing typed since the last pick
    const auto entry = std::find(m_entries.begin(), m_entries.end(), m_editText);
    if (entry == m_entries.end()) {
        if (m_picked >= 0)
            SetCurSel(m_picked);
        return;
    }
    const int index = static_cast<int>(entry - m_entries.begin());
    const bool newEntry = index != m_picked;
    SetCurSel(index);
    if (newEntry)
        Deliver(ControlEvent::SelectionChanged);
}

// --- TabControl ---

void TabControl::DeleteAllItems() {
    Changed();
    m_items.clear();
    m_selection = -1;
    Synchronise();
}

void TabControl::InsertItem(int index, std::string text) {
    Changed();
    index = std::clamp(index, 0, GetItemCount());
    m_items.insert(m_items.begin() + index, std::move(text));
    if (m_selection >= index)
        ++m_selection;
    if (m_selection < 0)
        m_selection = 0;  // the first tab inserted is selected
    Synchronise();
}

std::string TabControl::GetItemText(int index) const {
    if (index < 0 || index >= GetItemCount())
        return {};
    return m_items[static_cast<size_t>(index)];
}

void TabControl::SetCurSel(int index) {
    if (index != m_selection)
        Changed();
    m_selection = (index >= 0 && index < GetItemCount()) ? index : -1;
    Synchronise();
}

// --- ButtonControl ---

void ButtonControl::SetCheck(bool checked) {
    if (m_checked == checked)
        return;
    m_checked = checked;
    Changed();
    Synchronise();
}

void ButtonControl::SetPressed(bool pressed) {
    if (m_pressed == pressed)
        return;
    m_pressed = pressed;
    Invalidate();
}

// --- ControlSet ---

namespace {

// The control as the class of its kind; null for none or one of another kind.
template <class T, ControlKind... kinds>
T* OfKind(Control* control) {
    return control && ((control->Kind() == kinds) || ...) ? static_cast<T*>(control) : nullptr;
}

}  // namespace

void ControlSet::AddControl(std::unique_ptr<Control> control, bool tabStop) {
    Control* added = control.get();
    added->m_changes = &m_changes;
    const auto at = std::lower_bound(m_byId.begin(), m_byId.end(), std::make_pair(added->Id(), added),
                                     [](const auto& a, const auto& b) { return a.first < b.first; });
    if (at != m_byId.end() && at->first == added->Id())
        at->second = added;
    else
        m_byId.insert(at, {added->Id(), added});
    m_tabStop[added->Id()] = tabStop;
    m_order.push_back(added);
    m_owned.push_back(std::move(control));
}

void ControlSet::AttachSink(ControlSink* sink) {
    for (Control* control : m_order) control->AttachSink(sink);
}

Control* ControlSet::Find(int id) const {
    const auto found = std::lower_bound(m_byId.begin(), m_byId.end(), id,
                                        [](const auto& entry, int wanted) { return entry.first < wanted; });
    return found == m_byId.end() || found->first != id ? nullptr : found->second;
}

EditControl* ControlSet::FindEdit(int id) const {
    return OfKind<EditControl, ControlKind::Edit>(Find(id));
}
ListControl* ControlSet::FindList(int id) const {
    return OfKind<ListControl, ControlKind::List>(Find(id));
}
TabControl* ControlSet::FindTabs(int id) const {
    return OfKind<TabControl, ControlKind::Tabs>(Find(id));
}
ButtonControl* ControlSet::FindButton(int id) const {
    return OfKind<ButtonControl, ControlKind::PushButton, ControlKind::RadioButton,
                  ControlKind::OwnerDrawButton>(Find(id));
}

void ControlSet::UserLeave() {
    Control* left = Find(m_focused);
    m_focused = 0;
    if (auto* field = OfKind<EditControl, ControlKind::Edit>(left)) {
        field->OnKillFocus();
    } else if (auto* list = OfKind<ListControl, ControlKind::List>(left)) {
        list->OnKillFocus();
    }
}

bool ControlSet::TakeFocus(int id) {
    Control* control = Find(id);
    if (!control || !control->IsEnabled())
        return false;
    if (m_focused == id)
        return true;
    UserLeave();
    // The leave processing may have disabled the control that is to get the focus.
    if (!control->IsEnabled())
        return false;
    m_focused = id;
    return true;
}

bool ControlSet::UserFocus(int id) {
    return TakeFocus(id);
}

void ControlSet::UserTab() {
    if (m_order.empty())
        return;
    auto current = std::find_if(m_order.begin(), m_order.end(),
                                [this](const Control* c) { return c->Id() == m_focused; });
    size_t start = current == m_order.end() ? m_order.size() - 1 : size_t(current - m_order.begin());
    for (size_t step = 1; step <= m_order.size(); ++step) {
        Control* next = m_order[(start + step) % m_order.size()];
        if (next->IsEnabled() && m_tabStop[next->Id()]) {
            TakeFocus(next->Id());
            return;
        }
    }
}

bool ControlSet::UserType(int id, const std::string& text) {
    EditControl* field = FindEdit(id);
    if (!field || !TakeFocus(id))
        return false;
    if (text.empty()) {
        field->TextEditedByUser(std::string());
        return true;
    }
    // Typing replaces the selection (all of the text) with the characters, one change each.
    std::string typed;
    for (size_t i = 0; i < text.size();) {
        size_t length = 1;
        const auto lead = static_cast<unsigned char>(text[i]);
        if (lead >= 0xF0)
            length = 4;
        else if (lead >= 0xE0)
            length = 3;
        else if (lead >= 0xC0)
            length = 2;
        length = std::min(length, text.size() - i);
        typed.append(text, i, length);
        i += length;
        field->TextEditedByUser(typed);
        if (FindEdit(id) != field)
            break;
    }
    return true;
}

bool ControlSet::UserClick(int id) {
    ButtonControl* button = FindButton(id);
    if (!button || !TakeFocus(id))
        return false;
    if (button->Kind() == ControlKind::RadioButton) {
        // The radio buttons next to each other in tab order form one group.
        auto self = std::find(m_order.begin(), m_order.end(), button);
        auto first = self;
        while (first != m_order.begin() && (*(first - 1))->Kind() == ControlKind::RadioButton) --first;
        for (auto it = first; it != m_order.end() && (*it)->Kind() == ControlKind::RadioButton; ++it) {
            static_cast<ButtonControl*>(*it)->SetCheck(*it == button);
        }
    }
    button->Deliver(ControlEvent::Clicked);
    return true;
}

bool ControlSet::UserPick(int id, int index) {
    ListControl* list = FindList(id);
    if (!list || index < 0 || index >= list->GetCount() || !TakeFocus(id))
        return false;
    list->SetCurSel(index);
    list->Deliver(ControlEvent::SelectionChanged);
    return true;
}

bool ControlSet::UserEditListText(int id, const std::string& text) {
    ListControl* list = FindList(id);
    if (!list || !TakeFocus(id))
        return false;
    list->SetEditText(text);
    return true;
}

bool ControlSet::UserConfirmListText(int id) {
    ListControl* list = FindList(id);
    if (!list || !TakeFocus(id))
        return false;
    list->OnKillFocus();
    return true;
}

bool ControlSet::UserSelectTab(int id, int index) {
    TabControl* tabs = FindTabs(id);
    if (!tabs || index < 0 || index >= tabs->GetItemCount() || !TakeFocus(id))
        return false;
    if (tabs->GetCurSel() == index)
        return true;  // choosing the selected tab again changes nothing
    tabs->SetCurSel(index);
    tabs->Deliver(ControlEvent::SelectionChanged);
    return true;
}

}  // namespace platform
