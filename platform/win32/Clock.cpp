#include "platform/Clock.h"

#include "platform/win32/WindowsApi.h"

namespace platform {

LocalTime SystemClock::Now() {
    SYSTEMTIME local{};
    ::GetLocalTime(&local);
    return {local.wYear, local.wMonth, local.wDay, local.wHour, local.wMinute, local.wSecond};
}

}  // namespace platform
