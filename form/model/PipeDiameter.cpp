#include "form/model/PipeDiameter.h"

#include "hydraulics/Formulas.h"
#include "platform/Number.h"

double CatalogueInnerDiameterMm(double da, double s, double zma) {
    return platform::LeadingNumber(
        platform::FixedFormat(kCatalogueDiFormat, hydraulics::InnerDiameter(da, s, zma)));
}
