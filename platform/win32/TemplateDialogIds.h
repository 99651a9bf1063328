/* The static texts of the program's dialog templates, by control id: the word-wrapped text beside the
   buttons, then the placed texts in order. The texts themselves come from the program's template at
   run time. A header of plain definitions, shared by the resource script and the code. */
#pragma once

#define IDC_TEMPLATE_TEXT 1100
#define IDC_TEMPLATE_PLACED_TEXT 1101
