// Stand-in for the DirectMusic loader: finds the General MIDI soundfont once, and makes segments from
// files named as the game names them, MIDI or WAV by their header.
#pragma once

#include "platform/dm_segment.h"

#include <memory>
#include <string>

namespace plat {

// Where the loader looks for the soundfont; tests point it elsewhere.
void set_soundfont_path(const std::string& path);

class dm_loader_t {
  public:
    dm_loader_t();

    // Null, with the reason in error, when the file cannot be read or is no well-formed MIDI or WAV file.
    std::unique_ptr<dm_segment_t> load_segment(const std::string& game_path, std::string& error);

    // The soundfont found at creation; empty when it was missing.
    const std::string& collection() const { return collection_; }
    // Where the soundfont was looked for.
    static const std::string& soundfont_path();

  private:
    std::string collection_;
};

} // namespace plat
