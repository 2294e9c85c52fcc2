// The vertical-blank wait: the display is taken to refresh at 60 Hz on the millisecond clock, so the wait
// ends at the next 1/60-second boundary of that clock.
#include "platform/ddraw.h"

#include <SDL.h>

namespace plat {

namespace {

constexpr uint64_t refresh_rate = 60;
constexpr uint64_t ms_per_second = 1000;

uint32_t real_now() {
    return SDL_GetTicks();
}

void real_sleep(uint32_t milliseconds) {
    SDL_Delay(milliseconds);
}

uint32_t (*clock_now)() = real_now;
void (*clock_sleep)(uint32_t) = real_sleep;

uint64_t refresh_of(uint32_t ms) {
    return uint64_t(ms) * refresh_rate / ms_per_second;
}

} // namespace

void set_vertical_blank_clock_for_test(uint32_t (*now)(), void (*sleep)(uint32_t milliseconds)) {
    clock_now = now != nullptr ? now : real_now;
    clock_sleep = sleep != nullptr ? sleep : real_sleep;
}

hresult_t ddraw_t::wait_for_vertical_blank(uint32_t flags, void*) {
    if (flags != ddwaitvb_blockbegin && flags != ddwaitvb_blockend) {
        return dderr_invalidparams;
    }
    const uint64_t refresh = refresh_of(clock_now());
    // The first millisecond of the next refresh; when the clock wraps, the refresh count changes too.
    const uint64_t next = ((refresh + 1) * ms_per_second + refresh_rate - 1) / refresh_rate;
    for (uint32_t now = clock_now(); refresh_of(now) == refresh; now = clock_now()) {
        clock_sleep(next > now ? uint32_t(next - now) : 1);
    }
    return dd_ok;
}

} // namespace plat
