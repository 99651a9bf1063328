// The project dialog on Windows: project, section, engineer and remark of the calculation, from its
// template in the resource script.
#pragma once

#include <optional>

#include "platform/win32/WindowsApi.h"
#include "record/ProjectHeader.h"

// The header as edited, or nothing when the dialog was cancelled. A line break or tab pasted into a
// field becomes a space.
std::optional<ProjectHeader> EditProjectHeader(HWND owner, const ProjectHeader& header);
