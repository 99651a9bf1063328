// An environment variable set (or, with std::nullopt, removed) for the scope, restored afterwards.
#pragma once

#include <stdlib.h>

#include <optional>
#include <string>

#ifdef _WIN32
#include "platform/win32/Wide.h"
#endif

namespace test_support {

#ifdef _WIN32
inline constexpr const char* kMachineDirectoryVariable = "QUELLRIX_WINDIR";
inline constexpr const char* kTempDirectoryVariable = "TMP";
#else
inline constexpr const char* kMachineDirectoryVariable = "WINDIR";
inline constexpr const char* kTempDirectoryVariable = "TMPDIR";
#endif

// The variable's value in UTF-8; absent when it is not set.
inline std::optional<std::string> GetEnv(const char* name) {
#ifdef _WIN32
    const wchar_t* value = ::_wgetenv(platform::win32::Widen(name).c_str());
    return value ? std::optional<std::string>(platform::win32::Narrow(value)) : std::nullopt;
#else
    const char* value = std::getenv(name);
    return value ? std::optional<std::string>(value) : std::nullopt;
#endif
}

class ScopedEnv {
  public:
    ScopedEnv(const char* name, std::optional<std::string> value) : m_name(name), m_previous(GetEnv(name)) {
        Apply(value);
    }
    ~ScopedEnv() { Apply(m_previous); }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

  private:
    void Apply(const std::optional<std::string>& value) {
#ifdef _WIN32
        // The runtime's copy and the process's environment alike; an empty value removes the variable.
        ::_wputenv_s(platform::win32::Widen(m_name).c_str(),
                     value ? platform::win32::Widen(*value).c_str() : L"");
#else
        if (value) {
            ::setenv(m_name, value->c_str(), 1);
        } else {
            ::unsetenv(m_name);
        }
#endif
    }
    const char* m_name;
    std::optional<std::string> m_previous;
};

}  // namespace test_support
