// The form's inputs and results as text for the clipboard: one line per shown value, label, value and
// unit separated by tabs, numbers with decimal comma, as German spreadsheets paste it.
#pragma once

#include <string>

class CPlenwickView;

std::string ResultsText(const CPlenwickView& view);
