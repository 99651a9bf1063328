// The about box: program name, version, author.
#pragma once

#include "platform/Prompt.h"

inline constexpr const char* kAboutCaption = "Info über Quellrix V 1.0";

// Dialog 100; it ends with code 1 ("OK") or 2 (close box).
const platform::DialogTemplate& AboutBoxTemplate();
