// An environment variable set (or, with std::nullopt, removed) for the scope, restored afterwards.
#pragma once

#include <stdlib.h>

#include <optional>
#include <string>

namespace test_support {

class ScopedEnv {
  public:
    ScopedEnv(const char* name, std::optional<std::string> value) : name_(name) {
        if (const char* old = std::getenv(name))
            previous_ = old;
        Apply(value);
    }
    ~ScopedEnv() { Apply(previous_); }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

  private:
    void Apply(const std::optional<std::string>& value) {
        if (value) {
            ::setenv(name_, value->c_str(), 1);
        } else {
            ::unsetenv(name_);
        }
    }
    const char* name_;
    std::optional<std::string> previous_;
};

}  // namespace test_support
