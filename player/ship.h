// The player's ship: it reads the frame's input byte, moves at one of thirteen speed levels inside the
// play area, fires for itself and its multiples, banks while climbing or diving, and runs its life cycle
// of play, warp-in, fly-in, death and game over.
#pragma once

#include "player/player_piveter.h"

#include <cstdint>
#include <vector>

class discharge_t;
class mulctr_t;
class multiple_t;
class shield_t;
class shipjet_t;
class smoke_t;

// Bits of the input byte that the play scene writes (and a replay stores) once per frame.
constexpr uint8_t input_up = 0x01;
constexpr uint8_t input_down = 0x02;
constexpr uint8_t input_right = 0x04;
constexpr uint8_t input_left = 0x08;
constexpr uint8_t input_shot = 0x10;
constexpr uint8_t input_missile = 0x20;
constexpr uint8_t input_multiple = 0x40;
constexpr uint8_t input_powerup = 0x80;

// The direction 0..63 of the input's arrow keys, -1 when none (opposite keys cancel).
int32_t input_direction(uint8_t input);

class ship_t : public player_piveter_t {
  public:
    enum state_t : int32_t { constructed = -1, play = 0, warp_in = 1, fly_in = 2, dead = 3, ended = 4 };

    // At (0, 0) in play; code that only aims at a ship may place it.
    explicit ship_t(const objectinfo_t* info, float at_x = 0, float at_y = 0);

    void update() override;
    void move_y(int32_t dy) override;
    // Keeps the centre half the ship's size plus 8 pixels inside the play area, then places everything.
    void set_position(float new_x, float new_y) override;
    void get_rect(plat::rect_t& out) override;
    int32_t scale() override { return draw_scale; }
    // The dying timer ran out: the ship explodes and loses its equipment.
    void kill() override;
    // The shield takes a hit first; without it the ship starts dying, or dies sooner if it already is.
    void damage(int32_t n) override;
    bool is_flashing() override { return flashing != 0; }
    // Harmful only in play.
    int32_t contact_damage() override;
    int32_t image_id() override { return image; }
    void explode_at(float at_x, float at_y) override;
    // A solid pixel under the centre on the cg layer or background layer 0 or 1 is a fatal hit.
    virtual void check_terrain();

    // Warp-in from the lower left at twenty times the size; ignored during a fly-in.
    void start_stage();
    // Spends a life on a fly-in from the left; false when no life is left.
    bool respawn();
    void game_over();
    // The effect of an item of this kind; false (and the item stays) outside play.
    bool apply_item(int32_t kind, int32_t points, bool pickup, bool& applied);

    void reset_speed();
    bool speed_up();
    bool speed_down();
    bool to_option_controller(multiple_t* m);
    // Places the ship without the play-area clamp, with its shield, discharge and jet.
    void place_with_attachments(float new_x, float new_y);

    uint8_t input = 0;
    int32_t state = constructed;
    uint32_t dying_timer = 0; // frames left until death after a hit; 0 = not dying
    uint32_t invulnerable_timer = 0;
    uint8_t flashing = 0;     // the last 32 frames of dying
    uint8_t fire_enabled = 1; // scripted sequences clear it
    int32_t image;            // -1: hidden
    int32_t speed_level = 4;  // 4..16
    int32_t draw_scale = 100; // percent
    float speed = 2.0f;       // pixels per frame
    float bank = 0;           // tilt, -3..3 in play
    shipjet_t* jet = nullptr; // the attachments are owned by the player container
    shield_t* shield = nullptr;
    discharge_t* discharge = nullptr;
    mulctr_t* controller = nullptr;
    std::vector<multiple_t*> multiples; // attached, in attach order; not owned
    std::vector<smoke_t*> debris;       // emitted while dying; owned by the player's explosion list

  private:
    void dying_step();
    void play_step();
    void warp_in_step();
    void fly_in_step();
    void dead_step();
    // Steps the tilt by v (clamped), or back toward level when v is 0.
    void bank_with(float v);
    // Spins without a clamp.
    void roll(float v);
    void reset_bank();
    void restart_at(float new_x, float new_y);
};
