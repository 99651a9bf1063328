// The calculation form's layout: every control, label and group box, in tab order.
#pragma once

#include "platform/FormTemplate.h"

// The maker's web address: the link button's text and the page it opens.
inline constexpr const char* kMakerWebAddress = "https://www.veltrum-berlin.example/";

const platform::FormTemplate& CalculationFormTemplate();
