// A form described as data: its controls with ids, kinds, labels and positions in dialog units, in
// tab order, and its group boxes. Both backends build a form from one such description.
#pragma once

#include <string>
#include <vector>

#include "platform/Controls.h"

namespace platform {

struct DialogRect {
    int x = 0, y = 0, width = 0, height = 0;
};

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
};

}  // namespace platform
