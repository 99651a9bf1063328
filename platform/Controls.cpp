#include "platform/Controls.h"

#include <algorithm>

namespace platform {

// --- Control ---

void Control::Enable(bool enabled) {
    if (enabled_ == enabled) return;
    enabled_ = enabled;
    Changed();
    Synchronise();
}

void Control::Invalidate() {
    ++repaints_;
    if (peer_) peer_->Repaint();
}

void Control::Deliver(ControlEvent event) {
    if (sink_) sink_->OnControlEvent(id_, event);
}

void Control::Synchronise() {
    if (peer_) peer_->Synchronise();
}

// --- EditControl ---

void EditControl::Store(std::string&& text) {
    if (text != text_) {
        Changed();
        ++textRevision_;
    }
    text_ = std::move(text);
}

void EditControl::SetText(std::string text) {
    beforeTyping_.reset();
    Store(std::move(text));
    Synchronise();
    Deliver(ControlEvent::TextChanged);
}

void EditControl::TextEditedByUser(std::string text) {
    if (!beforeTyping_) beforeTyping_ = text_;
    Store(std::move(text));
    Deliver(ControlEvent::TextChanged);
}

void EditControl::OnKillFocus() {
    beforeTyping_.reset();
    Deliver(ControlEvent::FocusLost);
}

// --- ListControl ---

void ListControl::ResetContent() {
    Changed();
    entries_.clear();
    selection_ = picked_ = -1;
    editText_.clear();
    Synchronise();
}

int ListControl::AddString(std::string entry) {
    Changed();
    entries_.push_back(std::move(entry));
    Synchronise();
    return GetCount() - 1;
}

void ListControl::SetEntries(const std::vector<std::string>& entries) {
    Changed();
    entries_ = entries;
    selection_ = picked_ = -1;
    editText_.clear();
    Synchronise();
}

std::string ListControl::GetLBText(int index) const {
    if (index < 0 || index >= GetCount()) return {};
    return entries_[static_cast<size_t>(index)];
}

void ListControl::SetCurSel(int index) {
    if (index < 0 || index >= GetCount()) {
        if (selection_ != -1 || !editText_.empty()) Changed();
        selection_ = -1;
        editText_.clear();
    } else {
        const std::string& entry = entries_[static_cast<size_t>(index)];
        if (selection_ != index || editText_ != entry) Changed();
        selection_ = index;
        editText_ = entry;
    }
    picked_ = selection_;
    Synchronise();
}

void ListControl::SetEditText(std::string text) {
    if (selection_ >= 0 || text != editText_) Changed();
    editText_ = std::move(text);
    selection_ = -1;
    Synchronise();
}

void ListControl::OnKillFocus() {
    if (selection_ >= 0)
        return;  // nothing typed since the last pick
    const auto entry = std::find(entries_.begin(), entries_.end(), editText_);
    if (entry == entries_.end()) {
        if (picked_ >= 0)
            SetCurSel(picked_);
        return;
    }
    const int index = static_cast<int>(entry - entries_.begin());
    const bool newEntry = index != picked_;
    SetCurSel(index);
    if (newEntry)
        Deliver(ControlEvent::SelectionChanged);
}

// --- TabControl ---

void TabControl::DeleteAllItems() {
    Changed();
    items_.clear();
    selection_ = -1;
    Synchronise();
}

void TabControl::InsertItem(int index, std::string text) {
    Changed();
    index = std::clamp(index, 0, GetItemCount());
    items_.insert(items_.begin() + index, std::move(text));
    if (selection_ >= index) ++selection_;
    if (selection_ < 0) selection_ = 0;  // the first tab inserted is selected
    Synchronise();
}

std::string TabControl::GetItemText(int index) const {
    if (index < 0 || index >= GetItemCount()) return {};
    return items_[static_cast<size_t>(index)];
}

void TabControl::SetCurSel(int index) {
    if (index != selection_) Changed();
    selection_ = (index >= 0 && index < GetItemCount()) ? index : -1;
    Synchronise();
}

// --- ButtonControl ---

void ButtonControl::SetCheck(bool checked) {
    if (checked_ == checked) return;
    checked_ = checked;
    Changed();
    Synchronise();
}

void ButtonControl::SetPressed(bool pressed) {
    if (pressed_ == pressed) return;
    pressed_ = pressed;
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
    added->changes_ = &changes_;
    const auto at = std::lower_bound(byId_.begin(), byId_.end(), std::make_pair(added->Id(), added),
                                     [](const auto& a, const auto& b) { return a.first < b.first; });
    if (at != byId_.end() && at->first == added->Id())
        at->second = added;
    else
        byId_.insert(at, {added->Id(), added});
    tabStop_[added->Id()] = tabStop;
    order_.push_back(added);
    owned_.push_back(std::move(control));
}

void ControlSet::AttachSink(ControlSink* sink) {
    for (Control* control : order_) control->AttachSink(sink);
}

Control* ControlSet::Find(int id) const {
    const auto found = std::lower_bound(byId_.begin(), byId_.end(), id,
                                        [](const auto& entry, int wanted) { return entry.first < wanted; });
    return found == byId_.end() || found->first != id ? nullptr : found->second;
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
    Control* left = Find(focused_);
    focused_ = 0;
    if (auto* field = OfKind<EditControl, ControlKind::Edit>(left)) {
        field->OnKillFocus();
    } else if (auto* list = OfKind<ListControl, ControlKind::List>(left)) {
        list->OnKillFocus();
    }
}

bool ControlSet::TakeFocus(int id) {
    Control* control = Find(id);
    if (!control || !control->IsEnabled()) return false;
    if (focused_ == id) return true;
    UserLeave();
    // The leave processing may have disabled the control that is to get the focus.
    if (!control->IsEnabled()) return false;
    focused_ = id;
    return true;
}

bool ControlSet::UserFocus(int id) { return TakeFocus(id); }

void ControlSet::UserTab() {
    if (order_.empty()) return;
    auto current = std::find_if(order_.begin(), order_.end(),
                                [this](const Control* c) { return c->Id() == focused_; });
    size_t start = current == order_.end() ? order_.size() - 1 : size_t(current - order_.begin());
    for (size_t step = 1; step <= order_.size(); ++step) {
        Control* next = order_[(start + step) % order_.size()];
        if (next->IsEnabled() && tabStop_[next->Id()]) {
            TakeFocus(next->Id());
            return;
        }
    }
}

bool ControlSet::UserType(int id, const std::string& text) {
    EditControl* field = FindEdit(id);
    if (!field || !TakeFocus(id)) return false;
    if (text.empty()) {
        field->TextEditedByUser(std::string());
        return true;
    }
    // Typing replaces the selection (all of the text) with the characters, one change each.
    std::string typed;
    for (size_t i = 0; i < text.size();) {
        size_t length = 1;
        const auto lead = static_cast<unsigned char>(text[i]);
        if (lead >= 0xF0) length = 4;
        else if (lead >= 0xE0) length = 3;
        else if (lead >= 0xC0) length = 2;
        length = std::min(length, text.size() - i);
        typed.append(text, i, length);
        i += length;
        field->TextEditedByUser(typed);
        if (FindEdit(id) != field) break;
    }
    return true;
}

bool ControlSet::UserClick(int id) {
    ButtonControl* button = FindButton(id);
    if (!button || !TakeFocus(id)) return false;
    if (button->Kind() == ControlKind::RadioButton) {
        // The radio buttons next to each other in tab order form one group.
        auto self = std::find(order_.begin(), order_.end(), button);
        auto first = self;
        while (first != order_.begin() && (*(first - 1))->Kind() == ControlKind::RadioButton) --first;
        for (auto it = first; it != order_.end() && (*it)->Kind() == ControlKind::RadioButton; ++it) {
            static_cast<ButtonControl*>(*it)->SetCheck(*it == button);
        }
    }
    button->Deliver(ControlEvent::Clicked);
    return true;
}

bool ControlSet::UserPick(int id, int index) {
    ListControl* list = FindList(id);
    if (!list || index < 0 || index >= list->GetCount() || !TakeFocus(id)) return false;
    list->SetCurSel(index);
    list->Deliver(ControlEvent::SelectionChanged);
    return true;
}

bool ControlSet::UserEditListText(int id, const std::string& text) {
    ListControl* list = FindList(id);
    if (!list || !TakeFocus(id)) return false;
    list->SetEditText(text);
    return true;
}

bool ControlSet::UserConfirmListText(int id) {
    ListControl* list = FindList(id);
    if (!list || !TakeFocus(id)) return false;
    list->OnKillFocus();
    return true;
}

bool ControlSet::UserSelectTab(int id, int index) {
    TabControl* tabs = FindTabs(id);
    if (!tabs || index < 0 || index >= tabs->GetItemCount() || !TakeFocus(id)) return false;
    if (tabs->GetCurSel() == index) return true;  // choosing the selected tab again changes nothing
    tabs->SetCurSel(index);
    tabs->Deliver(ControlEvent::SelectionChanged);
    return true;
}

}  // namespace platform
