// The program's pictures, drawn in code: the pipe of the about box and the window icon, and the
// toolbar icons.
#pragma once

#include <QIcon>
#include <QPixmap>

#include "app/Commands.h"

// A pipe of ductile cast iron with its cement lining, part-filled with water, seen from its end.
QPixmap PipePicture(int size);
QIcon ProgramIcon();

// The toolbar's icon of a command (16 x 16); null for a command without one.
QIcon ToolbarIcon(Command command);
