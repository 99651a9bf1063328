// Local date and time.
#pragma once

namespace platform {

struct LocalTime {
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
};

class Clock {
  public:
    virtual ~Clock() = default;
    virtual LocalTime Now() = 0;
};

// The system's local time.
class SystemClock : public Clock {
  public:
    LocalTime Now() override;
};

}  // namespace platform
