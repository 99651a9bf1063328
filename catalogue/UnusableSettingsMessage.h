// The message shown at start when the settings file cannot be used: the file, the reason, and that the
// program goes on with the built-in catalogue.
#pragma once

#include <string>

#include "platform/ProfileFile.h"

namespace catalogue {

// The file exists (or stands in the way) but cannot be read.
std::string UnreadableSettingsMessage(const std::string& path, const platform::ProfileProblem& problem);

// The file is missing and cannot be created; error is the errno of the failed creation.
std::string UncreatableSettingsMessage(const std::string& path, int error);

// The file holds neither a class list nor global data (empty or garbled) and cannot be completed; error is
// the errno of the failed write.
std::string IncompleteSettingsMessage(const std::string& path, int error);

}  // namespace catalogue
