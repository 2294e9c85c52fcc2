// Loads a synthesizer on a worker thread: reading a soundfont takes tens of milliseconds warm and
// hundreds cold, and the frames must go on meanwhile.
#pragma once

#include "platform/synth.h"

#include <atomic>
#include <cstdint>
#include <memory>
#include <string>
#include <thread>

namespace plat {

class synth_loader_t {
  public:
    // Starts the load at once.
    synth_loader_t(std::string soundfont, bool reverb, uint32_t rate);
    // Waits for the load to end; a synthesizer not taken goes with it.
    ~synth_loader_t();
    synth_loader_t(const synth_loader_t&) = delete;
    synth_loader_t& operator=(const synth_loader_t&) = delete;

    // True once the load has ended, well or not. Never blocks, so the mix may ask.
    bool done() const { return done_.load(std::memory_order_acquire); }
    // Once done: the synthesizer, null when the soundfont could not be loaded.
    std::unique_ptr<synth_t> take() { return std::move(synth_); }
    // Blocks until the load has ended.
    void wait();

  private:
    std::unique_ptr<synth_t> synth_;
    std::atomic<bool> done_{false};
    std::thread worker_;
};

// Test hook: while held, a load waits before it reads its soundfont.
void hold_synth_loads_for_test(bool hold);

} // namespace plat
