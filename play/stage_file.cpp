#include "play/stage_file.h"

#include "play/stage.h"

namespace {

// setting <op> value; operators 0 and 6..255 test nothing.
bool compare(uint32_t op, int32_t setting, int32_t value) {
    switch (op) {
    case 1:
        return setting == value;
    case 2:
        return setting > value;
    case 3:
        return setting < value;
    case 4:
        return setting >= value;
    case 5:
        return setting <= value;
    default:
        return true;
    }
}

} // namespace

bool condition_passes(uint32_t condition, int32_t level, int32_t loop) {
    return compare(condition >> 16 & 0xFF, level, int32_t(condition >> 24)) &&
           compare(condition & 0xFF, loop, int32_t(condition >> 8 & 0xFF));
}

placement_t read_placement(const uint8_t* image, size_t i) {
    byte_reader_t r(image + i * placement_size, placement_size);
    placement_t p;
    p.x = r.i32();
    p.y = r.i32();
    p.type = r.i32();
    p.condition = r.u32();
    p.key = r.u32();
    p.param2 = r.i32();
    p.item = r.i32();
    return p;
}

eventinfo_t read_event(const uint8_t* image, size_t i) {
    byte_reader_t r(image + stage_events_offset + i * event_size, event_size);
    eventinfo_t e;
    e.command = r.i32();
    e.condition = r.u32();
    e.trigger = r.u32();
    e.parameter = r.i32();
    return e;
}

void write_placement(byte_writer_t& w, const placement_t& p) {
    for (uint32_t field : {uint32_t(p.x), uint32_t(p.y), uint32_t(p.type), p.condition, p.key,
                           uint32_t(p.param2), uint32_t(p.item)}) {
        w.u32(field);
    }
}

void write_event(byte_writer_t& w, const eventinfo_t& e) {
    for (uint32_t field : {uint32_t(e.command), e.condition, e.trigger, uint32_t(e.parameter)}) {
        w.u32(field);
    }
}

bool stage_t::load(const uint8_t* image, int32_t level, int32_t loop, int32_t mode) {
    item_mode = mode;
    for (size_t i = 0; i < stage_record_count; ++i) {
        const eventinfo_t event = read_event(image, i);
        if (event.command == -1) {
            break;
        }
        if (condition_passes(event.condition, level, loop)) {
            events.push_back(event);
        }
    }
    for (size_t i = 0; i < stage_record_count; ++i) {
        const placement_t placement = read_placement(image, i);
        if (placement.type == -1) {
            break;
        }
        if (condition_passes(placement.condition, level, loop)) {
            spawn_placement(this, &placement);
        }
    }
    create_missile_pool(80, loop);
    create_spark_pool(128);
    create_star_field();
    share_lists();
    return true;
}
