// The glow that gathers in front of the final boss's core before the big laser: the charge grows in four
// steps while its emitter releases sparks, ever faster, that fly into it.
#pragma once

#include "objects/big_explosion.h"
#include "objects/explosion.h"

#include <cstdint>

namespace melvorin {

class core_t;
class spark_ctr_t;

class charge_t : public explosion_t {
  public:
    using explosion_t::explosion_t;

    // Never ends by itself; the core kills it.
    void update() override;
    // Starts the emitter too.
    void start() override;
    // Stops the emitter too.
    void kill() override;

    core_t* core = nullptr;
    spark_ctr_t* spark_ctr = nullptr;
    int32_t charge_level = 0; // 0..3
    uint32_t timer = 0;
};

class spark_ctr_t : public explosion_t {
  public:
    spark_ctr_t(const objectinfo_t* info, uint32_t key) : explosion_t(info, key) {
        sparks.entries.reserve(32);
    }

    void update() override;
    // The release order goes on where the last charge left it.
    void start() override;

    mul_explosion_t sparks; // offsets from the emitter
    uint32_t next_spark = 0;
    uint32_t interval = 0; // frames between releases
    int32_t phase = 0;
    uint32_t phase_timer = 0;

  private:
    bool run_phase();
    void release();
};

class spark_t : public active_explosion_t {
  public:
    spark_t(const objectinfo_t* info, uint32_t key) : active_explosion_t(info, key) {
        speed = 0.75f;
        period = 8;
    }

    // Flies into its target.
    void update() override;

    object_t* target = nullptr;
};

} // namespace melvorin
