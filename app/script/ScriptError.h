// A fault in a session script: the session stops and the runner reports it with the line number.
#pragma once

#include <stdexcept>
#include <string>

class ScriptError : public std::runtime_error {
  public:
    explicit ScriptError(const std::string& message) : std::runtime_error(message) {}
};
