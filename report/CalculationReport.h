// The one-page calculation report: inputs, global data and the computed result of the record.
#pragma once

#include <string>

#include "platform/Clock.h"
#include "platform/DrawingContext.h"
#include "platform/Printing.h"

class CPlenwickDoc;

// Composes the report of doc for a page of pageWidth × pageHeight device units of dc, dated now, and
// renders it; info gives the page number and the page count of the footer. resultNote, when given, is
// printed below the result (the form's note beside it).
void ComposeCalculationReport(platform::DrawingContext& dc, int pageWidth, int pageHeight,
                              const CPlenwickDoc& doc, const platform::LocalTime& now,
                              const platform::PrintInfo& info, const std::string& resultNote);
