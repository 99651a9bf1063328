// The design sheet's content from the form: the record's values formatted for the client, the pipe
// and roughness the form shows, the checks and, for partial filling, the filling curves.
#pragma once

#include "report/DesignSheet.h"

class CPlenwickView;

DesignSheetContent DesignSheetOf(const CPlenwickView& view);
