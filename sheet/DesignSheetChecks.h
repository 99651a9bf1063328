// The limits and criteria the design sheet states for the record, each with whether the record keeps
// it: the input check and the calculation limit of the sought parameter, the convergence of the
// Colebrook-White iteration, the ranges the form keeps entries in, for every value that is given
// (a value that is not finite counts as given and keeps no range), and after them the flow state and
// the wall shear stress against τmin in partial filling and the head loss of a line that is given.
#pragma once

#include <vector>

#include "report/DesignSheet.h"

class CPlenwickDoc;

std::vector<SheetCheck> DesignSheetChecks(const CPlenwickDoc& doc);
