// A rectangle of a dialog or form template, in dialog units.
#pragma once

namespace platform {

struct DialogRect {
    int x = 0, y = 0, width = 0, height = 0;
};

}  // namespace platform
