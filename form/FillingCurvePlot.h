// The filling curves as a plot drawn through a drawing context: Qt/Q and vt/v over h/d, fitted (dashed)
// and exact (solid), with the operating point, the axes with their scales and titles, the pipe's
// conditions as the title and a legend. The window that has no chart library of its own shows this.
#pragma once

#include "form/FillingCurves.h"
#include "platform/DrawingContext.h"

// Draws the plot into the area of dc (its device units); textHeight is the character height of its texts.
void DrawFillingCurvePlot(platform::DrawingContext& dc, const FillingCurves& curves,
                          const platform::Rect& area, int textHeight);

// The top of the ratio axis: the highest ratio of the curves rounded up to a tenth, at least 1.2.
double FillingCurvePlotTop(const FillingCurves& curves);
