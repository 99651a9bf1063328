// The transcript lines of a sizing table:
//   sizing gravity "CLASS" Q=.. J=.. vmin=.. vmax=.. hd=..     or   sizing pressure "CLASS" Q=.. vmin=..
//   vmax=.. sizing row DN di=.. Qv=.. vv=.. Q/Qv=.. ht=.. h/d=.. vt=.. ok|fails "REASONS"      (gravity flow)
//   sizing row DN di=.. v=.. Re=.. lambda=.. J=.. hv100=.. ok|fails "REASONS"          (pressure flow)
//   sizing recommendation DN|none
// Numbers with a decimal point and the window's decimals; a value that does not exist is "-".
#pragma once

#include <string>
#include <vector>

#include "sizing/SizingTable.h"

std::vector<std::string> SizingTranscript(const sizing::Table& table);
