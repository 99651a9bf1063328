// A clock that shows a fixed local time once set; the system's time until then.
#pragma once

#include <optional>

#include "platform/Clock.h"

namespace headless {

class FixedClock : public platform::Clock {
public:
    void Set(const platform::LocalTime& time) { fixed_ = time; }
    platform::LocalTime Now() override { return fixed_ ? *fixed_ : system_.Now(); }

private:
    std::optional<platform::LocalTime> fixed_;
    platform::SystemClock system_;
};

}  // namespace headless
