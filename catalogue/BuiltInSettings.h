// Settings files that cannot be used in this run: for each, the default contents in memory, which
// every read gets instead of the file, and the message that says why. Nothing is ever written to them.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/ProfileText.h"

namespace catalogue {

struct BuiltInSettings {
    platform::ProfileText contents;
    std::string message;  // why the file is not used
};

// fileName: a bare name lies in the machine directory, as for the private-profile service.
// Reads of the file get contents from now on.
void UseBuiltInSettings(std::string_view fileName, platform::ProfileText contents, std::string message);
// The file is used again.
void UseSettingsFile(std::string_view fileName);
// What is used in place of the file; nullptr when the file itself is used.
const BuiltInSettings* BuiltInSettingsFor(std::string_view fileName);

}  // namespace catalogue
