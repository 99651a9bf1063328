#include "catalogue/UnusableSettingsMessage.h"

#include <cerrno>

#include "messages/MessageTexts.h"
#include "platform/MachineDirectory.h"
#include "platform/Number.h"

namespace catalogue {

namespace {

// The reason of a system error, as the user is told it.
std::string SystemReason(const std::string& path, int error) {
    switch (error) {
        case EACCES:
        case EPERM:
            return messages::Text(messages::MessageId::ReasonNoPermission);
        case EROFS:
            return messages::Text(messages::MessageId::ReasonReadOnlyFileSystem);
        case ENOENT:
            return messages::NamedMessage(messages::MessageId::ReasonNoDirectory,
                                          platform::DirectoryOf(path));
        case ENOTDIR:
            return messages::NamedMessage(messages::MessageId::ReasonNotDirectory,
                                          platform::DirectoryOf(path));
        case ENOSPC:
#ifdef EDQUOT
        case EDQUOT:
#endif
            return messages::Text(messages::MessageId::ReasonDiskFull);
        case EFBIG:
            return messages::Text(messages::MessageId::ReasonFileTooLarge);
        case EIO:
            return messages::Text(messages::MessageId::ReasonInputOutput);
        default:
            return platform::Format(messages::Text(messages::MessageId::ReasonSystemError), error);
    }
}

std::string FaultReason(const std::string& path, const platform::ProfileProblem& problem) {
    using platform::ProfileFault;
    switch (problem.fault) {
        case ProfileFault::kSymbolicLink:
            return messages::Text(messages::MessageId::ReasonSymbolicLink);
        case ProfileFault::kNotRegular:
            return messages::Text(messages::MessageId::ReasonNotRegular);
        case ProfileFault::kTooLarge:
            return platform::Format(messages::Text(messages::MessageId::ReasonLargerThan),
                                    platform::kProfileMaxFileSize >> 20);
        case ProfileFault::kNulByte:
            return messages::Text(messages::MessageId::ReasonNulByte);
        case ProfileFault::kUtf16:
            return messages::Text(messages::MessageId::ReasonUtf16);
        case ProfileFault::kMissing:
        case ProfileFault::kSystemError:
            break;
    }
    return SystemReason(path, problem.error);
}

}  // namespace

std::string UnreadableSettingsMessage(const std::string& path, const platform::ProfileProblem& problem) {
    return messages::NamedMessage(messages::MessageId::SettingsUnreadable, path, FaultReason(path, problem));
}

std::string UncreatableSettingsMessage(const std::string& path, int error) {
    return messages::NamedMessage(messages::MessageId::SettingsUncreatable, path, SystemReason(path, error));
}

std::string IncompleteSettingsMessage(const std::string& path, int error) {
    return messages::NamedMessage(messages::MessageId::SettingsIncomplete, path, SystemReason(path, error));
}

}  // namespace catalogue
