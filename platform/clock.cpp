#include "platform/clock.h"

#include <chrono>
#include <ctime>
#include <map>
#include <utility>

namespace plat {

namespace {

std::function<uint32_t()>& test_source() {
    static std::function<uint32_t()> source;
    return source;
}

std::function<void(uint32_t)>& test_sleep() {
    static std::function<void(uint32_t)> sleep;
    return sleep;
}

std::map<uint32_t, int>& open_periods() {
    static std::map<uint32_t, int> periods;
    return periods;
}

} // namespace

uint32_t time_get_time() {
    if (test_source()) {
        return test_source()();
    }
    const auto since = std::chrono::steady_clock::now().time_since_epoch();
    return uint32_t(std::chrono::duration_cast<std::chrono::milliseconds>(since).count());
}

uint32_t time_begin_period(uint32_t period) {
    if (period == 0) {
        return timerr_nocando;
    }
    ++open_periods()[period];
    return timerr_noerror;
}

uint32_t time_end_period(uint32_t period) {
    const auto found = open_periods().find(period);
    if (found == open_periods().end()) {
        return timerr_nocando;
    }
    if (--found->second == 0) {
        open_periods().erase(found);
    }
    return timerr_noerror;
}

int64_t calendar_time() {
    return int64_t(std::time(nullptr));
}

bool local_time_of_day(int64_t time, time_of_day_t& out) {
    const std::time_t t = std::time_t(time);
    std::tm local{};
    if (int64_t(t) != time || localtime_r(&t, &local) == nullptr) {
        return false;
    }
    out = {local.tm_hour, local.tm_min, local.tm_sec};
    return true;
}

void set_clock_for_test(std::function<uint32_t()> source, std::function<void(uint32_t)> sleep) {
    test_source() = std::move(source);
    test_sleep() = std::move(sleep);
}

bool sleep_for_test(uint32_t milliseconds) {
    if (!test_sleep()) {
        return false;
    }
    test_sleep()(milliseconds);
    return true;
}

} // namespace plat
