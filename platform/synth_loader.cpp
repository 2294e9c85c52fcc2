#include "platform/synth_loader.h"

#include <condition_variable>
#include <mutex>

namespace plat {

namespace {

struct hold_t {
    std::mutex mutex;
    std::condition_variable released;
    bool held = false;
};

hold_t& load_hold() {
    static hold_t hold;
    return hold;
}

void wait_while_held() {
    hold_t& hold = load_hold();
    std::unique_lock<std::mutex> lock(hold.mutex);
    hold.released.wait(lock, [&] { return !hold.held; });
}

} // namespace

void hold_synth_loads_for_test(bool hold) {
    {
        std::lock_guard<std::mutex> lock(load_hold().mutex);
        load_hold().held = hold;
    }
    load_hold().released.notify_all();
}

synth_loader_t::synth_loader_t(std::string soundfont, bool reverb, uint32_t rate)
    : worker_([this, soundfont = std::move(soundfont), reverb, rate] {
          wait_while_held();
          synth_ = synth_t::create(soundfont, reverb, rate);
          done_.store(true, std::memory_order_release);
      }) {}

synth_loader_t::~synth_loader_t() {
    wait();
}

void synth_loader_t::wait() {
    if (worker_.joinable()) {
        worker_.join();
    }
}

} // namespace plat
