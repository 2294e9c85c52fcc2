#include "screen/sprite_record.h"

#include "base/binio.h"

sprite_record_t* g_sprite_table = nullptr;

bool read_sprite_table(const uint8_t* data, size_t size, sprite_record_t* sprites) {
    if (size < sprite_table_bytes) {
        return false;
    }
    byte_reader_t r(data, sprite_table_bytes);
    for (int i = 0; i < sprite_table_size; ++i) {
        sprite_record_t& s = sprites[i];
        s.path = r.fixed_string(sprite_path_bytes);
        r.skip(4);
        s.surface = nullptr;
        s.color_key = r.u32();
        s.cell_width = r.i32();
        s.cell_height = r.i32();
    }
    return r.ok();
}

void write_sprite_record(byte_writer_t& w, const sprite_record_t& record) {
    w.fixed_string(record.path, sprite_path_bytes);
    w.u32(0);
    w.u32(record.color_key);
    w.i32(record.cell_width);
    w.i32(record.cell_height);
}

const sprite_record_t* sprite_with_surface(int sprite) {
    if (g_sprite_table == nullptr || sprite < 0 || sprite >= sprite_table_size ||
        g_sprite_table[sprite].surface == nullptr) {
        return nullptr;
    }
    return &g_sprite_table[sprite];
}
