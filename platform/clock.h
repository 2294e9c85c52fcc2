// The multimedia timer: a millisecond tick count that wraps at 32 bits, and the timer-resolution requests
// made around the frame loop; the calendar time and local time of day. Tests drive the clock, and the
// sleeps that wait on it, by hand.
#pragma once

#include <cstdint>
#include <functional>

namespace plat {

constexpr uint32_t timerr_noerror = 0;
constexpr uint32_t timerr_nocando = 97;

// Milliseconds since an arbitrary start, wrapping like timeGetTime.
uint32_t time_get_time();

// A request for a timer resolution of period milliseconds; every begin is matched by an end of the same
// period. The frame loop's sleeps wake within a millisecond here anyway, so only the pairing is kept.
uint32_t time_begin_period(uint32_t period);
uint32_t time_end_period(uint32_t period);

// Seconds since 1970, for what is shown, never for what the game does.
int64_t calendar_time();
struct time_of_day_t {
    int32_t hour;
    int32_t minute;
    int32_t second;
};
// The local time of day of a calendar time; false when it cannot be had.
bool local_time_of_day(int64_t time, time_of_day_t& out);

// Replaces the clock (each call of time_get_time asks source); an empty source restores the real one.
// sleep, when given, stands in for the waits of wait_message (it should move the clock on).
void set_clock_for_test(std::function<uint32_t()> source, std::function<void(uint32_t)> sleep = {});
// Runs the test's sleep when one is set; false when the caller must wait for real.
bool sleep_for_test(uint32_t milliseconds);

} // namespace plat
