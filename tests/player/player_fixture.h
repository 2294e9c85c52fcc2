// What the player-side tests share: a clean frame counter and sound requests, the sample object table
// loaded from a temporary folder, and owning lists of made objects.
#pragma once

#include "objects/objectinfo.h"
#include "tests/objects/records.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

// Records of the objects the tests build directly.
inline const objectinfo_t ship_info = test_record(44, 16, 8, 1);
inline const objectinfo_t multiple_info = test_record(46, 12, 8, 1);
inline const objectinfo_t shot_info = test_record(1, 8, 4, 1);
inline const objectinfo_t hit_info = test_record(62, 8, 8, 4);

class player_test : public ::testing::Test {
  protected:
    player_test();
    ~player_test() override;

    // Whether sound effect id was requested since the test began.
    static bool requested(int32_t id);
    static void forget_sounds();
    // Loads the sample object table without the given ids; false when it could not.
    bool load_table_without(std::initializer_list<int32_t> missing_ids);
};

// Deletes every object of a list (a vector or an object list) and empties it.
template <typename List> void delete_all(List& list) {
    for (size_t i = 0; i < size_t(list.size()); ++i) {
        delete list[uint32_t(i)];
    }
    list.clear();
}
