// quellrix-batch curve: the filling curves of a pipe (di, k, ν, g and J as the form has them after the
// entries), as CSV: the table the curve window shows.
#pragma once

#include <ostream>

#include "batch/BatchOptions.h"
#include "batch/Catalogue.h"

namespace batch {

int RunCurve(const BatchOptions& options, const Catalogue& catalogue, int outFd, std::ostream& errors);

}  // namespace batch
