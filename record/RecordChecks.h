// The sewer and water-main checks of the record's operating point, computed from its values the same
// way for the window's status bar, the design sheet and the batch tool.
#pragma once

#include <optional>

#include "hydraulics/GravityFlowChecks.h"
#include "hydraulics/LineLoss.h"

class CPlenwickDoc;

// Flow state and wall shear stress of the partly filled pipe: Qt at ht in di on the slope J, with the
// default τmin. None in full filling, or unless di, ht < di, Qt and J are positive.
std::optional<hydraulics::GravityFlowChecks> PartialFillingChecks(const CPlenwickDoc& doc);

// The head loss of the record's line, J · L + Σζ · v²/(2g) at the full pipe's v and J; none while
// neither L nor Σζ is given, and in partial filling.
std::optional<hydraulics::LineLoss> RecordLineLoss(const CPlenwickDoc& doc);
