// What the enemy kit reads out of a stage's lists: every list as plain objects, the launch trace (what
// started where, when, how fast) and the assembly manifest (what a list holds, in order).
#pragma once

#include "play/stage.h"

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

class object_t;

// The stage's lists, in the order the kit reads them.
enum kit_list : int32_t {
    list_enemies0,
    list_enemies1,
    list_enemies2,
    list_unlisted,
    list_enemy_shots,
    list_shot_pool,
    list_explosions,
    list_spark_pool,
    list_items,
    kit_list_count,
};

// The objects of one list, whole (not only its window).
std::vector<object_t*> objects_of(stage_t& stage, int32_t list);
// Where an object stands: its list and index, or {-1, -1} when it is in none.
std::pair<int32_t, int32_t> place_of(stage_t& stage, const object_t* object);

// One object that came alive (or was appended to a list) in a frame, as it stands at the end of that
// frame's collisions, where the frame draws it: a shot started by an enemy has made its first move.
// Direction and speed are a shot's own; other objects have direction -1 and speed 0.
struct launch_t {
    uint32_t frame;
    int32_t list;
    int32_t index;
    float x;
    float y;
    int32_t direction;
    float speed;
};
// Positions and speed compare within a hundredth, so that rows can be written from the tables.
bool operator==(const launch_t& a, const launch_t& b);
std::ostream& operator<<(std::ostream& out, const launch_t& l);

// Records launches: snapshot() before a frame, collect() after it.
class launch_recorder_t {
  public:
    void snapshot(stage_t& stage);
    void collect(stage_t& stage, uint32_t frame, std::vector<launch_t>& trace);

  private:
    std::vector<std::vector<uint8_t>> alive_before;
};

// One object of a list as assembled: its class (namespace included), record id, animation period (-1
// for objects without one) and owner (list and index of a shot's or explosion's owner, of the object an
// explosion is the death explosion of, or -1).
struct part_t {
    std::string kind;
    int32_t record;
    int32_t period = -1;
    int32_t owner_list = -1;
    int32_t owner_index = -1;
};
bool operator==(const part_t& a, const part_t& b);
std::ostream& operator<<(std::ostream& out, const part_t& p);

std::vector<part_t> manifest_of(stage_t& stage, int32_t list);
