// What both sizing windows do with the table they show: save it as CSV, print it or preview its page.
#pragma once

#include "platform/Printing.h"
#include "sizing/SizingTable.h"

class QuellrixApp;

// Asks for a file name and writes the table's CSV there as a whole (a failed write names the file).
void SaveSizingTableCsv(const sizing::Table& table, QuellrixApp& app);

// Prints the table's page on the view's page size, or shows it in the preview; nothing once the
// application has closed.
void PrintSizingTable(const sizing::Table& table, QuellrixApp& app, platform::PrinterService& printer,
                      bool preview);
