// The number fields' text in the window: a narrow face, the room a line edit leaves for its text,
// and how far the form's horizontal dialog unit has to widen so that every field shows its widest
// text in full.
#pragma once

#include <QFont>

class QLineEdit;

namespace platform {
struct FormTemplate;
}

namespace qtbackend {

// The dialog font in Liberation Sans Narrow (metric-compatible with Arial Narrow), or in the dialog
// font's own face where that is missing.
QFont NumberFieldFont(const QFont& dialogFont);

// Pixels a line edit of that width (in the application style) leaves for its text unscrolled.
int TextRoom(int fieldWidth);
int TextRoom(const QLineEdit& edit);

// The least widening (1 or more) of the horizontal dialog unit at which the widest text of each
// edit field of the form fits its field in the number-field font.
double FieldWidening(const platform::FormTemplate& form, const QFont& dialogFont);

}  // namespace qtbackend
