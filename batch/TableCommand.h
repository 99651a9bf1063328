// quellrix-batch table: the sizing table of a class for a design flow, slope and criteria, with the
// form's fluid data and roughness, as CSV: the cells the window shows.
#pragma once

#include <ostream>

#include "batch/BatchOptions.h"
#include "batch/Catalogue.h"

namespace batch {

int RunTable(const BatchOptions& options, const Catalogue& catalogue, int outFd, std::ostream& errors);

}  // namespace batch
