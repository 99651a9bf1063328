// The transcript lines of the filling curves:
//   curve X FITTED_FLOW FITTED_VELOCITY EXACT_FLOW EXACT_VELOCITY          per step, X = 0.00 … 1.00
//   curve point X FITTED_FLOW FITTED_VELOCITY EXACT_FLOW EXACT_VELOCITY    the operating point, if any
// Ratios Qt/Q and vt/v with "%.6f", X of a step with "%.2f", of the operating point with "%.6f";
// "-" for each exact ratio when the exact relations are not defined.
#pragma once

#include <string>
#include <vector>

struct FillingCurves;

std::vector<std::string> DescribeFillingCurves(const FillingCurves& curves);
