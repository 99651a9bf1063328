// The transcript lines that describe the state of a control and of the calculation record:
//   edit ID "TEXT" enabled=0|1 valid=0|1 mark=0|1
//   list ID sel=N "EDITTEXT" enabled=0|1 entries=N     then   entry N "TEXT"  per entry
//   tabs ID sel=N enabled=0|1                          then   entry N "TEXT"  per entry
//   button ID "CAPTION" enabled=0|1 checked=0|1
//   record NAME VALUE                                  per member of the record
// Entry lines start with two blanks; sel is -1 when nothing is selected.
#pragma once

#include <string>
#include <vector>

#include "platform/Controls.h"

class CPlenwickDoc;

std::vector<std::string> DescribeControl(const platform::Control& control);

// One line per member, in the order of the record's data model; doubles with "%.17g", truth values as
// 0 and 1, the sought parameter as an integer.
std::vector<std::string> DescribeRecord(const CPlenwickDoc& record);
