// The event order both backends share: synchronous text changes, leave before click, Tab order.
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "form/model/NumberEdit.h"
#include "platform/Controls.h"

namespace {

using platform::ControlEvent;

class EventLog : public platform::ControlSink {
  public:
    void OnControlEvent(int id, ControlEvent event) override {
        static const char* names[] = {"changed", "left", "clicked", "picked"};
        std::string entry = std::to_string(id) + " " + names[static_cast<int>(event)];
        if (auto* edit = controls->FindEdit(id); edit && event == ControlEvent::TextChanged) {
            entry += " \"" + edit->GetText() + "\"";
        }
        events.push_back(entry);
        if (onEvent)
            onEvent(id, event);
    }
    platform::ControlSet* controls = nullptr;
    std::vector<std::string> events;
    std::function<void(int, ControlEvent)> onEvent;
};

class ControlEvents : public testing::Test {
  protected:
    void SetUp() override {
        controls.Add(std::make_unique<CNumberEdit>(1), true);
        controls.Add(std::make_unique<CNumberEdit>(2), true);
        controls.Add(std::make_unique<platform::ListControl>(3), true);
        controls.Add(std::make_unique<platform::ButtonControl>(4, platform::ControlKind::PushButton, "Go"),
                     true);
        controls.Add(std::make_unique<platform::ButtonControl>(5, platform::ControlKind::RadioButton, "A"),
                     false);
        controls.Add(std::make_unique<platform::ButtonControl>(6, platform::ControlKind::RadioButton, "B"),
                     false);
        controls.Add(std::make_unique<platform::TabControl>(7), false);
        log.controls = &controls;
        controls.AttachSink(&log);
    }
    CNumberEdit& Field(int id) { return static_cast<CNumberEdit&>(*controls.FindEdit(id)); }

    platform::ControlSet controls;
    EventLog log;
};

TEST_F(ControlEvents, TypingDeliversOneChangePerCharacter) {
    ASSERT_TRUE(controls.UserType(1, "9,8"));
    EXPECT_EQ(log.events,
              (std::vector<std::string>{"1 changed \"9\"", "1 changed \"9,\"", "1 changed \"9,8\""}));
}

TEST_F(ControlEvents, TypingCountsMultiByteCharactersOnce) {
    controls.UserType(1, "ä1");
    EXPECT_EQ(log.events, (std::vector<std::string>{"1 changed \"ä\"", "1 changed \"ä1\""}));
}

TEST_F(ControlEvents, TypingNothingDeletesTheSelectionInOneChange) {
    Field(1).SetText("12");
    log.events.clear();
    controls.UserType(1, "");
    EXPECT_EQ(log.events, (std::vector<std::string>{"1 changed \"\""}));
}

TEST_F(ControlEvents, LeavingRewritesCommasThenDeliversTheLeave) {
    controls.UserType(1, "9,81");
    log.events.clear();
    controls.UserLeave();
    EXPECT_EQ(log.events, (std::vector<std::string>{"1 changed \"9.81\"", "1 left"}));
    EXPECT_EQ(controls.FocusedId(), 0);
}

TEST_F(ControlEvents, LeavingWithoutACommaStillWritesTheTextBack) {
    controls.UserType(1, "5");
    log.events.clear();
    controls.UserLeave();
    EXPECT_EQ(log.events, (std::vector<std::string>{"1 changed \"5\"", "1 left"}));
}

TEST_F(ControlEvents, ClickPickAndTabRunTheLeaveFirst) {
    auto& list = *controls.FindList(3);
    list.AddString("K7");
    auto& tabs = *controls.FindTabs(7);
    tabs.InsertItem(0, "a");
    tabs.InsertItem(1, "b");

    controls.UserType(1, "1");
    log.events.clear();
    controls.UserClick(4);
    controls.UserType(2, "2");
    controls.UserPick(3, 0);
    controls.UserType(1, "3");
    controls.UserSelectTab(7, 1);
    EXPECT_EQ(log.events,
              (std::vector<std::string>{"1 changed \"1\"", "1 left", "4 clicked", "2 changed \"2\"",
                                        "2 changed \"2\"", "2 left", "3 picked", "1 changed \"3\"",
                                        "1 changed \"3\"", "1 left", "7 picked"}));
    EXPECT_EQ(list.GetEditText(), "K7");
}

TEST_F(ControlEvents, ChoosingTheSelectedTabAgainChangesNothing) {
    auto& tabs = *controls.FindTabs(7);
    tabs.InsertItem(0, "a");
    EXPECT_TRUE(controls.UserSelectTab(7, 0));
    EXPECT_TRUE(log.events.empty());
}

TEST_F(ControlEvents, ProgramWritesNestInsideTheWriter) {
    // A reaction to field 1 writes field 2, whose change arrives before the reaction goes on.
    log.onEvent = [this](int id, ControlEvent event) {
        if (id == 1 && event == ControlEvent::FocusLost) {
            Field(2).ShowNumber(7);
            log.events.push_back("after write");
        }
    };
    controls.UserType(1, "1");
    controls.UserLeave();
    EXPECT_EQ(log.events.back(), "after write");
    EXPECT_EQ(log.events[log.events.size() - 2], "2 changed \"7.000000\"");
}

TEST_F(ControlEvents, TabSkipsDisabledControlsAndNonTabStops) {
    controls.FindEdit(2)->Enable(false);
    controls.UserFocus(1);
    controls.UserTab();
    EXPECT_EQ(controls.FocusedId(), 3);
    controls.UserTab();
    EXPECT_EQ(controls.FocusedId(), 4);
    controls.UserTab();  // 5, 6 and 7 are no tab stops: round to the first field
    EXPECT_EQ(controls.FocusedId(), 1);
}

TEST_F(ControlEvents, DisabledOrUnknownControlsTakeNoInput) {
    controls.FindEdit(2)->Enable(false);
    EXPECT_FALSE(controls.UserType(2, "1"));
    EXPECT_FALSE(controls.UserClick(99));
    EXPECT_FALSE(controls.UserPick(3, 0));  // no such entry
    EXPECT_TRUE(log.events.empty());
}

TEST_F(ControlEvents, ARadioButtonTakesTheCheckMarkFromItsGroup) {
    auto& a = *controls.FindButton(5);
    auto& b = *controls.FindButton(6);
    controls.UserClick(5);
    controls.UserClick(6);
    EXPECT_FALSE(a.GetCheck());
    EXPECT_TRUE(b.GetCheck());
    EXPECT_FALSE(controls.FindButton(4)->GetCheck());
}

TEST_F(ControlEvents, ListSelectionAndTextField) {
    auto& list = *controls.FindList(3);
    list.AddString("100");
    list.AddString("125");
    list.SetCurSel(1);
    EXPECT_EQ(list.GetEditText(), "125");
    controls.UserEditListText(3, "300");
    EXPECT_EQ(list.GetCurSel(), -1);
    EXPECT_EQ(list.GetEditText(), "300");
    list.ResetContent();
    EXPECT_EQ(list.GetCount(), 0);
    EXPECT_EQ(list.GetEditText(), "");
    EXPECT_EQ(list.GetLBText(5), "");
}

// Leaving a list, however it is left, takes the typed text of an entry as a pick and refuses any other.
TEST_F(ControlEvents, LeavingAListTakesOrRefusesTheTypedText) {
    auto& list = *controls.FindList(3);
    const struct {
        int selected;
        const char* typed;
        void (*leave)(platform::ControlSet&);
        int selection;
        const char* text;
        bool picked;
    } cases[] = {
        {0, "125", [](platform::ControlSet& c) { c.UserLeave(); }, 1, "125", true},
        {0, "125", [](platform::ControlSet& c) { c.UserTab(); }, 1, "125", true},
        {0, "125", [](platform::ControlSet& c) { c.UserClick(4); }, 1, "125", true},
        {0, "125", [](platform::ControlSet& c) { c.UserConfirmListText(3); }, 1, "125", true},
        {0, "100", [](platform::ControlSet& c) { c.UserLeave(); }, 0, "100", false},  // the entry shown
        {0, "130", [](platform::ControlSet& c) { c.UserType(1, "1"); }, 0, "100", false},
        {0, "", [](platform::ControlSet& c) { c.UserLeave(); }, 0, "100", false},
        {-1, "130", [](platform::ControlSet& c) { c.UserLeave(); }, -1, "130", false},  // none to return to
    };
    for (const auto& c : cases) {
        list.ResetContent();
        list.AddString("100");
        list.AddString("125");
        list.SetCurSel(c.selected);
        controls.UserEditListText(3, c.typed);
        log.events.clear();
        c.leave(controls);
        EXPECT_EQ(list.GetCurSel(), c.selection) << c.typed;
        EXPECT_EQ(list.GetEditText(), c.text) << c.typed;
        EXPECT_EQ(!log.events.empty() && log.events.front() == "3 picked", c.picked) << c.typed;
        controls.UserLeave();
    }
}

}  // namespace
