// A form described as data: its controls with ids, kinds, labels and positions in dialog units, in
// tab order, and its group boxes. Both backends build a form from one such description.
#pragma once

#include <string>
#include <vector>

#include "platform/Controls.h"
#include "platform/DialogRect.h"

namespace platform {

enum class LabelAlign { Left, Right };

struct ControlTemplate {
    int id = 0;
    ControlKind kind = ControlKind::Edit;
    std::string caption;  // text of a button; empty for fields, lists and tabs
    std::string label;    // static text beside the control; empty when it has none
    DialogRect labelRect;
    LabelAlign labelAlign = LabelAlign::Right;
    DialogRect rect;
    bool tabStop = true;
    bool enabled = true;  // state when the form is created
    // Buttons: position of the caption's character that, with Alt, clicks the button; -1: none.
    int mnemonic = -1;
    // Tabs: per tab in order, the character of its text that, with Alt, chooses it (none: no key).
    std::string itemMnemonics;
    // Edit fields: the widest text the program writes into the field in practice; the window makes
    // room for it. Empty: no demand.
    std::string widestText;
};

struct GroupBoxTemplate {
    std::string caption;
    DialogRect rect;
};

struct FormTemplate {
    int id = 0;
    int width = 0, height = 0;  // dialog units
    std::string fontFace;
    int fontPoints = 8;
    std::vector<ControlTemplate> controls;  // in tab order
    std::vector<GroupBoxTemplate> groups;
    int defaultButton = 0;  // the push button that Enter in an edit field clicks; 0: none
};

}  // namespace platform
