// Zigzag: a long line of small fighters, each 7 frames behind the one ahead, on the scripted course of an
// invisible leader that heads the line; six kinds of course, each of which a placement may mirror top to
// bottom.
#pragma once

#include "objects/enemy.h"
#include "player/poslog.h"

#include <cstdint>

class stage_t;
struct placement_t;

namespace zigzag {

class member_t : public enemy_t {
  public:
    using enemy_t::enemy_t;

    // Animates on even frames; its leader places it.
    void update() override;
    void move_x(int32_t) override {}
    void move_y(int32_t) override {}
    void move_y_wrapped(int32_t) override {}
    void damage(int32_t n) override;

    member_t* prev = nullptr; // the leader for the first member
    member_t* next = nullptr;
};

// One step of a course: hold until an exit test holds (setting a direction meanwhile, or keeping it),
// turn to a heading at a rate, or fly straight on for ever.
struct course_step_t {
    enum op_t : int32_t { hold, turn, straight };
    enum test_t : int32_t { none, x_at_most, x_below, x_at_least, timer_above };
    op_t op;
    test_t test;
    int32_t limit;   // the exit test's column or frame count
    int32_t heading; // hold: the direction set while holding, -1 keeps it; turn: the heading to reach
    int32_t rate;    // turn: steps per frame, signed
};

class leader_t : public member_t {
  public:
    using member_t::member_t;

    void update() override {}
    void move_y(int32_t d) override;
    void move_y_wrapped(int32_t d) override;
    // Fills the history with the current position and lives again.
    void start() override;
    void kill() override {}
    void damage(int32_t) override {}
    int32_t max_hp() override { return 0; }
    int32_t contact_damage() override { return 0; }
    int32_t image_id() override { return -1; }

    // A history of 7 frames per member, all at the leader's position.
    void set_member_count(int32_t count);
    // Member k 7 x k frames back, gaps kept; a line without members ends.
    void place_members();

    poslog_t log;
    int32_t direction = 0;
    member_t* last_member = nullptr;
    uint8_t mirrored = 0;
    int32_t state = 0;
    uint32_t timer = 0;

  protected:
    // 2 pixels along the direction (mirrored about the horizontal axis), the history, the members.
    void fly();
};

// Kinds A to D and F: a course of steps; the frame in which a step ends stands still.
class course_leader_t : public leader_t {
  public:
    static constexpr int32_t steps = 11; // the last one and any state past it fly straight on

    course_leader_t(const objectinfo_t* info, float x, float y, uint32_t key, const course_step_t* course)
        : leader_t(info, x, y, key), course(course) {}

    void update() override;

    const course_step_t* course; // steps entries
};

extern const course_step_t course_a[course_leader_t::steps];
extern const course_step_t course_b[course_leader_t::steps];
extern const course_step_t course_c[course_leader_t::steps];
extern const course_step_t course_d[course_leader_t::steps];
extern const course_step_t course_f[course_leader_t::steps];

// The leader of a course's kind.
template <const course_step_t* kind_course> class course_kind_t : public course_leader_t {
  public:
    course_kind_t(const objectinfo_t* info, float x, float y, uint32_t key)
        : course_leader_t(info, x, y, key, kind_course) {}
};

using leaderA_t = course_kind_t<course_a>;
using leaderB_t = course_kind_t<course_b>;
using leaderC_t = course_kind_t<course_c>;
using leaderD_t = course_kind_t<course_d>;
using leaderF_t = course_kind_t<course_f>;

// A slow weave to the left between directions 19 and 45.
class leaderE_t : public leader_t {
  public:
    using leader_t::leader_t;

    void update() override;
};

} // namespace zigzag

// The maker of the members; the six leader kinds share one maker template beside their spawners.
zigzag::member_t* make_zigzag_member(stage_t* stage, const placement_t* placement, const objectinfo_t* info);
