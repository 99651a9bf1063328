#include "catalogue/BuiltInSettings.h"

#include <map>
#include <utility>

#include "platform/MachineDirectory.h"

namespace catalogue {

namespace {

std::map<std::string, BuiltInSettings>& InPlaceOfFiles() {
    static std::map<std::string, BuiltInSettings> builtIn;
    return builtIn;
}

}  // namespace

void UseBuiltInSettings(std::string_view fileName, platform::ProfileText contents, std::string message) {
    InPlaceOfFiles().insert_or_assign(platform::ResolveMachinePath(fileName),
                                      BuiltInSettings{std::move(contents), std::move(message)});
}

void UseSettingsFile(std::string_view fileName) {
    InPlaceOfFiles().erase(platform::ResolveMachinePath(fileName));
}

const BuiltInSettings* BuiltInSettingsFor(std::string_view fileName) {
    const auto& builtIn = InPlaceOfFiles();
    if (builtIn.empty())
        return nullptr;
    const auto found = builtIn.find(platform::ResolveMachinePath(fileName));
    return found == builtIn.end() ? nullptr : &found->second;
}

}  // namespace catalogue
