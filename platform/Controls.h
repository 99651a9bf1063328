// The form's controls, addressed by control id, with the event semantics both backends share.
//
// A control object holds the truth about its state (text, enabled, entries, selection, check mark).
// A backend attaches a peer that mirrors that state on the screen and feeds user input back through
// the User* operations of ControlSet, so that the order of events is the same in the window and headless:
// - every text written into an edit control, by the program or by the user, reaches the sink as a
//   TextChanged event at once, before the writer goes on (reactions nest);
// - moving the focus away from an edit control or a list runs its leave processing (OnKillFocus) first;
//   a click on a button, a pick in a list or a tab while a field or a list has the focus runs that
//   leave first.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/Colour.h"

namespace platform {

class DrawingContext;

enum class ControlEvent {
    TextChanged,       // edit control: its text changed
    FocusLost,         // edit control: the focus left it (after its own leave processing)
    Clicked,           // push button or radio button
    SelectionChanged,  // list: an entry was picked; tab control: another tab was chosen
};

enum class ControlKind { Edit, List, Tabs, PushButton, RadioButton, OwnerDrawButton };

// Receives the controls' events: the form view.
class ControlSink {
  public:
    virtual void OnControlEvent(int id, ControlEvent event) = 0;
    // The brush a control is painted with, when its owner decides it (nullopt: the platform's default).
    virtual std::optional<Rgb> ControlBrush(int /*id*/) { return std::nullopt; }
    // Draws the owner-drawn control id into dc, its rectangle starting at (left, top); pressed while
    // the user holds it down. Nothing by default.
    virtual void OnDrawItem(int /*id*/, DrawingContext& /*dc*/, int /*left*/, int /*top*/, bool /*pressed*/) {
    }

  protected:
    ~ControlSink() = default;
};

// The backend's side of one control.
class ControlPeer {
  public:
    virtual ~ControlPeer() = default;
    // The program changed the control's state: show it.
    virtual void Synchronise() = 0;
    // The control's look changed (colours): paint it again.
    virtual void Repaint() = 0;
};

class Control {
  public:
    virtual ~Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    int Id() const { return m_id; }
    ControlKind Kind() const { return m_kind; }

    bool IsEnabled() const { return m_enabled; }
    void Enable(bool enabled) {
        if (m_enabled != enabled)
            ChangeEnabled(enabled);
    }

    void AttachSink(ControlSink* sink) { m_sink = sink; }
    void AttachPeer(ControlPeer* peer) { m_peer = peer; }
    ControlPeer* Peer() const { return m_peer; }

    // Paints the control again; counted, so tests can see whether a change repainted it.
    void Invalidate();
    int RepaintCount() const { return m_repaints; }

    // The revision of its set at the control's last change of state (0: never changed in a set).
    std::uint64_t ChangedAt() const { return m_changedAt; }

  protected:
    // Each kind is its own class: the kind tells the class.
    Control(int id, ControlKind kind) : m_id(id), m_kind(kind) {}
    friend class ControlSet;
    void Deliver(ControlEvent event);
    void Synchronise();
    // The control's state changed: its set's revision counts it.
    void Changed() {
        if (m_changes)
            m_changedAt = ++*m_changes;
    }
    ControlSink* Sink() const { return m_sink; }

  private:
    void ChangeEnabled(bool enabled);

    int m_id;
    ControlKind m_kind;
    bool m_enabled = true;
    int m_repaints = 0;
    ControlSink* m_sink = nullptr;
    ControlPeer* m_peer = nullptr;
    std::uint64_t* m_changes = nullptr;
    std::uint64_t m_changedAt = 0;
};

class EditControl : public Control {
  public:
    explicit EditControl(int id) : Control(id, ControlKind::Edit) {}

    const std::string& GetText() const { return m_text; }
    // Counts the changes of the text: equal revisions, equal texts.
    std::uint64_t TextRevision() const { return m_textRevision; }
    // Writes the text and delivers TextChanged before returning.
    void SetText(std::string text);
    // The user changed the text in the backend's widget (which already shows it): store and deliver.
    void TextEditedByUser(std::string text);
    // The text the field held before the user typed into it, since the program last wrote its text or
    // the focus last left it; none while the user has not typed since. Taking it forgets it.
    std::optional<std::string> TakeTextBeforeTyping() { return std::exchange(m_beforeTyping, std::nullopt); }

    // The platform's focus-loss processing: delivers FocusLost. A derived field may do its own
    // processing first and then call this.
    virtual void OnKillFocus();

    // The field's own background colour (nullopt: the platform's default).
    virtual std::optional<Rgb> Background() const { return std::nullopt; }

  private:
    // Stores the text, counting a change.
    void Store(std::string&& text);

    std::string m_text;
    std::uint64_t m_textRevision = 0;
    std::optional<std::string> m_beforeTyping;
};

// An editable drop-down list: a text field above an unsorted list.
class ListControl : public Control {
  public:
    explicit ListControl(int id) : Control(id, ControlKind::List) {}

    // Empties the list and its text field; nothing is selected.
    void ResetContent();
    int AddString(std::string entry);
    // ResetContent, then AddString of each entry.
    void SetEntries(const std::vector<std::string>& entries);
    int GetCount() const { return static_cast<int>(m_entries.size()); }
    // The entry's text; empty for a position that does not exist.
    std::string GetLBText(int index) const;
    // The selected position, -1 when none.
    int GetCurSel() const { return m_selection; }
    // Selects the position and shows its text in the text field (-1 or invalid: nothing selected,
    // text field emptied). No event.
    void SetCurSel(int index);
    const std::string& GetEditText() const { return m_editText; }
    // Typing into the text field: no event; the selection goes.
    void SetEditText(std::string text);
    const std::vector<std::string>& Entries() const { return m_entries; }

    // The focus leaves the list, or Return in its text field: a typed text is taken or refused. The
    // exact text of an entry picks that entry as picking it does (SelectionChanged), unless it is the
    // entry that was selected before the typing, which is only selected again; any other text gives way
    // to the selected entry's text. A list that had no entry selected keeps the typed text.
    void OnKillFocus();

  private:
    friend class ControlSet;
    std::vector<std::string> m_entries;
    int m_selection = -1;
    // The entry selected before the text field was typed into (-1: none).
    int m_picked = -1;
    std::string m_editText;
};

class TabControl : public Control {
  public:
    explicit TabControl(int id) : Control(id, ControlKind::Tabs) {}

    void DeleteAllItems();
    void InsertItem(int index, std::string text);
    int GetItemCount() const { return static_cast<int>(m_items.size()); }
    std::string GetItemText(int index) const;
    int GetCurSel() const { return m_selection; }
    // Selects a tab without an event.
    void SetCurSel(int index);
    const std::vector<std::string>& Items() const { return m_items; }

  private:
    std::vector<std::string> m_items;
    int m_selection = -1;
};

class ButtonControl : public Control {
  public:
    ButtonControl(int id, ControlKind kind, std::string caption)
        : Control(id, kind), m_caption(std::move(caption)) {}

    const std::string& GetCaption() const { return m_caption; }
    bool GetCheck() const { return m_checked; }
    void SetCheck(bool checked);
    bool IsPressed() const { return m_pressed; }
    // The backend reports the pressed state of an owner-drawn button (it is drawn differently).
    void SetPressed(bool pressed);

  private:
    std::string m_caption;
    bool m_checked = false;
    bool m_pressed = false;
};

// All controls of one form, its tab order and its focus, and the user's actions on them.
class ControlSet {
  public:
    ControlSet() = default;
    ControlSet(const ControlSet&) = delete;
    ControlSet& operator=(const ControlSet&) = delete;

    // Controls are added in tab order; tabStop says whether the Tab key stops at the control.
    template <class T>
    T& Add(std::unique_ptr<T> control, bool tabStop) {
        T& added = *control;
        AddControl(std::move(control), tabStop);
        return added;
    }
    void AttachSink(ControlSink* sink);

    Control* Find(int id) const;
    EditControl* FindEdit(int id) const;
    ListControl* FindList(int id) const;
    TabControl* FindTabs(int id) const;
    ButtonControl* FindButton(int id) const;
    // All controls in tab order.
    const std::vector<Control*>& InTabOrder() const { return m_order; }

    // The control that has the focus, 0 when none.
    int FocusedId() const { return m_focused; }
    // Counts every change of a control's state (text, flags, entries, selection, check mark); equal
    // revisions mean unchanged controls.
    std::uint64_t Revision() const { return m_changes; }

    // --- user actions, the same for every backend ---
    // The focus goes to the control: the field that had it runs its leave processing first.
    // Returns false if the control does not exist or is disabled.
    bool UserFocus(int id);
    // The focus leaves the current field for no control.
    void UserLeave();
    // The program takes the focus from every control, without leave processing (a new form).
    void DropFocus() { m_focused = 0; }
    // The Tab key: the focus moves to the next enabled tab stop after the focused control.
    void UserTab();
    // Click into the edit field, select all and type the text one character (UTF-8 code point) at a
    // time, one text change per character; an empty text deletes the selection (one change).
    bool UserType(int id, const std::string& text);
    // Click on a push or radio button (a radio button takes the check mark from its group).
    bool UserClick(int id);
    // Pick entry index of a list; its text goes into the text field, then SelectionChanged.
    bool UserPick(int id, int index);
    // Type into the text field of a list without picking.
    bool UserEditListText(int id, const std::string& text);
    // Return in the text field of list id: the typed text is taken or refused as on leaving the list.
    bool UserConfirmListText(int id);
    // Choose tab index of a tab control.
    bool UserSelectTab(int id, int index);

  private:
    void AddControl(std::unique_ptr<Control> control, bool tabStop);
    bool TakeFocus(int id);

    std::vector<std::unique_ptr<Control>> m_owned;
    std::vector<Control*> m_order;
    std::vector<std::pair<int, Control*>> m_byId;  // sorted by id
    std::map<int, bool> m_tabStop;
    int m_focused = 0;
    std::uint64_t m_changes = 0;
};

}  // namespace platform
