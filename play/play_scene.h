// The in-game scene: it owns the player's objects and the stage, loads the stages of a run one after
// another from the play settings, and runs the frames; the replay, demo, record-play and ending scenes
// derive from it.
#pragma once

#include "play/navigation.h"
#include "play/scene.h"
#include "play/stage.h"
#include "play/stage_events.h"
#include "player/player.h"

#include <cstdint>

struct playinfo_t;
struct userinfo_t;
class ranking_t;

class play_scene_t : public scene_t {
  public:
    // The three records are the scene controller's and outlive the scene; user may be null.
    play_scene_t(playinfo_t* settings, userinfo_t* user, ranking_t* ranking);
    ~play_scene_t() override;

    bool startup() override;
    void frame() override;
    void set_pause(bool pause) override;
    void on_key(int32_t key) override;
    virtual void game_over();
    virtual void all_cleared();
    virtual bool is_paused() { return paused; }
    // This frame's input byte from the polled keys.
    virtual uint8_t read_input();
    // The paused picture: the world, then the pause menu blended with blend.
    virtual void compose_frame(int32_t blend);
    // The frame rate at a text cell of the small font.
    virtual void draw_value(int32_t col, int32_t row);
    // The navigation message at a text cell of the message font.
    virtual void draw_overlay_text(int32_t col, int32_t row);
    // Score, high score and lives.
    virtual void draw_high_score();
    virtual void draw_mode_overlay() {}
    // The lives and the frame rate stand a row lower while the gauge takes the top row (style 2).
    bool status_line_lowered() const;
    // The power-up gauge, CAPSULE mode only.
    virtual void draw_hud();
    // The local time of day of a calendar time (seconds since 1970).
    virtual void draw_clock(int32_t col, int32_t row, int64_t time);

    // False when the stage file or its music cannot be used; writes nothing to the boot log.
    bool load_stage(int32_t stage, int32_t section, int32_t level, int32_t loop, int32_t item_mode);
    void unload_stage();
    // Stage -1 ends the stage sequence; a failed load ends the application.
    void change_stage(int32_t stage, int32_t section, int32_t level, int32_t loop, int32_t item_mode);
    void teardown();

    // A running frame without the present, for headless runs; frame() is this with the present.
    void run_frame(bool present);
    // The game-logic update of a running frame; the ship's input is read here, once.
    void update();
    // The picture of the running game, overlays included, on the main game screen.
    void draw_world();
    // The scroll part of a frame: stars and camera every frame, the stage position in its frames.
    void scroll_frame();
    void scroll_horizontal(int32_t dx);
    void scroll_vertical(int32_t dy);
    void shift_camera(int32_t dy);
    void camera_to_0();
    void camera_to_256();
    void camera_follow_clamped();

    // One stage-script command; virtual so that a test's frame can take the commands itself.
    virtual int32_t run_event(int32_t code, int32_t parameter);
    // The commands of the event window, end read once.
    void run_pending_events();

    player_t player;
    stage_t stage;
    int32_t stage_no = 0;
    uint32_t next_stage = 0; // 0 none; else section << 16 | stage, both halves signed 16-bit
    int32_t scroll_mode = 1;
    int32_t scroll_level = 0;
    int32_t scroll_stop = 0;
    int32_t fade_state = fade_none;
    int32_t fade_layer = 0;
    int32_t fade_weight = 0;
    uint32_t fade_colour = 0;
    bool fade_hold = false;
    double fps_rate = 0.0;
    uint32_t fps_frames = 0;
    uint32_t fps_time = 0;
    playinfo_t* settings;
    userinfo_t* user;
    ranking_t* ranking;
    navigation_t navigation;
    int32_t gauge_style = 0;
    int32_t explosion_layer = 0;
    int32_t pause_cursor = 0;
    int32_t sprite_usrans = -1;
    int32_t sprite_lifemark = -1;
    int32_t sprite_gauge_icon = -1;
    int32_t sprite_gauge_text = -1;
    int32_t sprite_char001 = -1;
    int32_t sprite_char002 = -1;
    int32_t sprite_char003 = -1;
    bool paused = false;
    bool bgm_fading = false;
    bool draw_stars = false;
    bool clear_first = false;
    uint32_t back_colour = 0;

    static constexpr int32_t fade_none = stage_event::no_fading;
    static constexpr int32_t fade_full = 256; // the fade colour alone

  protected:
    // The boot-log line, then the application ends with the log shown.
    static void fail(const char* message);
};

// The first integer of a text file, skipping blank and '#' lines; -1 when there is none.
int32_t read_int_file(const char* path);
