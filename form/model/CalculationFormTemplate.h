// The calculation form's layout: every control, label and group box, in tab order.
#pragma once

#include "platform/FormTemplate.h"

const platform::FormTemplate& CalculationFormTemplate();
