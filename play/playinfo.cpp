#include "play/playinfo.h"

namespace {

// The fields in file order, so reading and writing cannot disagree.
template <typename Info, typename Visit> void each_field(Info& info, Visit visit) {
    for (auto* field :
         {&info.version, &info.date, &info.level, &info.loop, &info.start_score, &info.start_lives,
          &info.stage, &info.section, &info.ship_type, &info.equipment, &info.powerup_mode,
          &info.powerdown_mode, &info.option_type, &info.random_seed, &info.input_length}) {
        visit(*field);
    }
}

} // namespace

void read_playinfo(byte_reader_t& r, playinfo_t& info) {
    each_field(info, [&](int32_t& field) { field = r.i32(); });
}

void write_playinfo(byte_writer_t& w, const playinfo_t& info) {
    each_field(info, [&](const int32_t& field) { w.i32(field); });
}
