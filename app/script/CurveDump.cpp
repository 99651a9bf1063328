#include "app/script/CurveDump.h"

#include "form/FillingCurves.h"
#include "platform/Number.h"

namespace {

std::string Line(const char* head, const char* fillingFormat, const FillingCurvePoint& point) {
    std::string line = head + platform::Format(fillingFormat, point.filling) +
                       platform::Format(" %.6f %.6f", point.fitted.flow, point.fitted.velocity);
    line += point.exact ? platform::Format(" %.6f %.6f", point.exact->flow, point.exact->velocity) : " - -";
    return line + (point.froude ? platform::Format(" %.6f", *point.froude) : " -");
}

}  // namespace

std::vector<std::string> DescribeFillingCurves(const FillingCurves& curves) {
    std::vector<std::string> lines;
    lines.reserve(curves.points.size() + 1);
    for (const FillingCurvePoint& point : curves.points) lines.push_back(Line("curve ", "%.2f", point));
    if (curves.operatingPoint)
        lines.push_back(Line("curve point ", "%.6f", *curves.operatingPoint));
    for (double filling : curves.criticalFillings)
        lines.push_back(platform::Format("curve critical %.6f", filling));
    return lines;
}
