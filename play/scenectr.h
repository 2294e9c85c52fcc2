// The scene controller: owns the running scene and switches scenes at the start of a frame, and keeps
// what outlives scenes: the play settings, the user's progress, the score ranking and the replay names.
#pragma once

#include "play/playinfo.h"
#include "play/ranking.h"
#include "play/scene.h"
#include "play/scene_ids.h"
#include "play/userinfo.h"

#include <cstdint>
#include <initializer_list>

class app_window_t;
struct config_t;

class scenectr_t {
  public:
    enum state_t : int32_t { state_new = -1, state_running = 0, state_change = 1, state_quitting = 2 };
    static constexpr int32_t queue_capacity = 16;
    static constexpr int32_t name_size = int32_t(replay_name_size);
    static constexpr int32_t demo_count = 4;

    // Loads the ranking (or its defaults) and the user info, binds the keys and sets the play settings.
    explicit scenectr_t(config_t* config);
    // Deletes the scene, then writes the user info and the ranking (each unless it was unreadable).
    virtual ~scenectr_t();
    scenectr_t(const scenectr_t&) = delete;
    scenectr_t& operator=(const scenectr_t&) = delete;

    // Queue edits are refused from a request until the change is carried out: the first request decides.
    void clear_queue();
    void push_scene(int32_t id);
    int32_t pop_scene();
    void request_change();

    // One tick: a frame of the running scene, or the requested change.
    void update();
    // A key-down from the window; only a running scene gets it.
    void forward_key(int32_t virtual_key);
    // Closes the window once; show_log opens the boot log for the user.
    void quit(bool show_log);
    // Null when nothing could be built.
    scene_t* create_scene(int32_t id);
    void log_scene_error(int32_t id, const char* text);
    void bind_keys(const config_t* config);

    app_window_t* window = nullptr;
    int32_t state = state_new;
    scene_t* scene = nullptr;
    userinfo_t userinfo;
    playinfo_t playinfo;
    ranking_t ranking;
    // False when the stored file exists but could not be read whole: the defaults in use must not replace it.
    bool userinfo_savable = true;
    bool ranking_savable = true;
    config_t* config;
    int32_t queue[queue_capacity] = {};
    int32_t queue_count = 0;
    bool queue_locked = false;
    char replay_name[name_size] = {};
    char demo_names[demo_count][name_size] = {};
    int32_t demo_index = 0;
    int32_t record_loop = 0; // endings passed since the title; names the next recording's file

  private:
    scene_t* build_scene(int32_t id);
    // The title text alone for null, else with the text in brackets.
    void set_title(const char* text);
    // The title with the file name and extension of path.
    void set_file_title(const char* path);
    void reset_playinfo_for_title();
    scene_t* build_recplay();
    scene_t* build_ending();
};

extern scenectr_t* g_scenectr;

// What comes next: the controller's queue replaced by these ids, then the change requested (refused while
// an earlier request is pending). Nothing happens without a controller.
inline void queue_scenes(std::initializer_list<int32_t> ids) {
    if (g_scenectr == nullptr) {
        return;
    }
    g_scenectr->clear_queue();
    for (const int32_t id : ids) {
        g_scenectr->push_scene(id);
    }
    g_scenectr->request_change();
}
