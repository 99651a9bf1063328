#include "catalogue/UnusableSettingsMessage.h"

#include <cerrno>

#include "platform/MachineDirectory.h"
#include "platform/Number.h"

namespace catalogue {

namespace {

constexpr const char* kUnreadableMessage =
    "Die Datei %s kann nicht gelesen werden: %s.\nDie Datei bleibt unverändert. Das Programm arbeitet mit dem eingebauten Rohrkatalog und speichert die globalen Daten nicht.";
constexpr const char* kUncreatableMessage =
    "Die Datei %s kann nicht angelegt werden: %s.\nDas Programm arbeitet mit dem eingebauten Rohrkatalog und speichert die globalen Daten nicht.";

constexpr const char* kIncompleteMessage =
    "Die Datei %s enthält keinen Rohrkatalog und kann nicht ergänzt werden: %s.\nDas Programm arbeitet mit dem eingebauten Rohrkatalog und speichert die globalen Daten nicht.";

// The reason of a system error, as the user is told it.
std::string SystemReason(const std::string& path, int error) {
    switch (error) {
        case EACCES:
        case EPERM:
            return "Keine Berechtigung";
        case EROFS:
            return "Das Dateisystem ist schreibgeschützt";
        case ENOENT:
            return "Das Verzeichnis " + platform::DirectoryOf(path) + " existiert nicht";
        case ENOTDIR:
            return platform::DirectoryOf(path) + " ist kein Verzeichnis";
        case ENOSPC:
#ifdef EDQUOT
        case EDQUOT:
#endif
            return "Der Datenträger ist voll";
        case EFBIG:
            return "Die Datei würde zu groß";
        case EIO:
            return "Ein-/Ausgabefehler";
        default:
            return platform::Format("Systemfehler %d", error);
    }
}

std::string FaultReason(const std::string& path, const platform::ProfileProblem& problem) {
    using platform::ProfileFault;
    switch (problem.fault) {
        case ProfileFault::kSymbolicLink:
            return "An ihrer Stelle steht eine symbolische Verknüpfung";
        case ProfileFault::kNotRegular:
            return "Sie ist keine gewöhnliche Datei";
        case ProfileFault::kTooLarge:
            return platform::Format("Sie ist größer als %zu MB", platform::kProfileMaxFileSize >> 20);
        case ProfileFault::kNulByte:
            return "Sie enthält ein NUL-Zeichen";
        case ProfileFault::kUtf16:
            return "Sie ist in UTF-16 kodiert";
        case ProfileFault::kMissing:
        case ProfileFault::kSystemError:
            break;
    }
    return SystemReason(path, problem.error);
}

}  // namespace

std::string UnreadableSettingsMessage(const std::string& path, const platform::ProfileProblem& problem) {
    return platform::Format(kUnreadableMessage, path.c_str(), FaultReason(path, problem).c_str());
}

std::string UncreatableSettingsMessage(const std::string& path, int error) {
    return platform::Format(kUncreatableMessage, path.c_str(), SystemReason(path, error).c_str());
}

std::string IncompleteSettingsMessage(const std::string& path, int error) {
    return platform::Format(kIncompleteMessage, path.c_str(), SystemReason(path, error).c_str());
}

}  // namespace catalogue
