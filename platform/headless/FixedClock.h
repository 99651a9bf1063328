// A clock that shows a fixed local time once set; the system's time until then.
#pragma once

#include <optional>

#include "platform/Clock.h"

namespace headless {

class FixedClock : public platform::Clock {
  public:
    void Set(const platform::LocalTime& time) { m_fixed = time; }
    platform::LocalTime Now() override { return m_fixed ? *m_fixed : m_system.Now(); }

  private:
    std::optional<platform::LocalTime> m_fixed;
    platform::SystemClock m_system;
};

}  // namespace headless
