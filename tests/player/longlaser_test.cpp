#include "player/longlaser.h"
#include "player/weapon_factories.h"
#include "tests/player/player_fixture.h"

#include <vector>

namespace {

class long_laser : public player_test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(load_table_without({}));
        ASSERT_TRUE(make_long_laser(weapons, effects, 1));
        control = static_cast<longlaser_ctr_t*>(weapons[16]);
        for (uint32_t i = 0; i < 16; ++i) {
            pieces.push_back(static_cast<longlaser_t*>(weapons[i]));
        }
        control->set_owner(&firer);
    }

    ~long_laser() override {
        delete_all(weapons);
        delete_all(effects);
    }

    // One play frame: the firer's fire (with the key held), then every alive weapon in list order.
    void frame(bool key_held = true) {
        if (key_held) {
            control->start();
        }
        for (uint32_t i = 0; i < weapons.size(); ++i) {
            if (weapons[i]->alive) {
                weapons[i]->update();
            }
        }
    }

    int alive_pieces() const {
        int n = 0;
        for (const longlaser_t* piece : pieces) {
            n += piece->alive;
        }
        return n;
    }

    weapon_list_t weapons;
    effect_list_t effects;
    std::vector<longlaser_t*> pieces;
    longlaser_ctr_t* control = nullptr;
    object_t firer{&ship_info, 50.7f, 100.2f};
};

} // namespace

TEST_F(long_laser, held_from_standstill_pieces_follow_16_apart_and_the_16th_leaves_24_frames_after_the_head) {
    frame();
    EXPECT_TRUE(pieces[0]->alive);
    EXPECT_TRUE(requested(100));
    EXPECT_EQ(pieces[0]->pattern, 1);
    EXPECT_EQ(pieces[0]->x, 60.0f) << "placed at the rounded firer, then 10 ahead";
    EXPECT_EQ(pieces[0]->y, 100.2f) << "level with the firer";
    frame();
    EXPECT_FALSE(pieces[1]->alive);
    firer.set_position(50, 100.2f);
    std::vector<int> emitted = {0};
    for (int f = 2; f < 60 && !pieces[15]->alive; ++f) {
        const longlaser_t* next = control->next_segment;
        frame();
        if (control->next_segment != next) {
            emitted.push_back(f);
        }
        for (int k = 1; k < 16 && pieces[k]->alive; ++k) {
            if (pieces[k - 1]->alive) {
                EXPECT_EQ(pieces[k]->x, pieces[k - 1]->x - 16) << "piece " << k;
                EXPECT_EQ(pieces[k]->pattern, 0);
            }
        }
    }
    // 16 pixels apart at 10 pixels a frame: two pieces every three frames or so.
    EXPECT_EQ(emitted, (std::vector<int>{0, 2, 4, 5, 7, 8, 10, 12, 13, 15, 16, 18, 20, 21, 23, 24}));
    EXPECT_EQ(control->next_segment, nullptr);
    for (int i = 0; i < 40 && pieces[15]->alive; ++i) {
        frame();
        EXPECT_EQ(control->next_segment, nullptr) << "nothing is emitted while the chain is in flight";
    }
    EXPECT_FALSE(pieces[15]->alive) << "the chain flew off";
    EXPECT_EQ(alive_pieces(), 0);
    frame();
    EXPECT_TRUE(pieces[0]->alive) << "a new beam begins at the head";
    EXPECT_EQ(pieces[0]->x, 60.0f);
}

TEST_F(long_laser, a_hit_on_the_third_piece_cuts_it_and_everything_in_front) {
    for (int i = 0; i < 7; ++i) {
        frame();
    }
    ASSERT_EQ(alive_pieces(), 4);
    const float cut_x = pieces[2]->x;
    pieces[2]->damage(1);
    EXPECT_FALSE(pieces[0]->alive);
    EXPECT_FALSE(pieces[1]->alive);
    EXPECT_FALSE(pieces[2]->alive);
    EXPECT_TRUE(pieces[3]->alive);
    EXPECT_EQ(pieces[3]->pattern, 1) << "the new tip";
    EXPECT_TRUE(effects[2]->alive);
    EXPECT_EQ(effects[2]->x, cut_x + 4);
    EXPECT_FALSE(effects[0]->alive);
    pieces[3]->damage(0);
    EXPECT_TRUE(pieces[3]->alive) << "no damage, no cut";
}

TEST_F(long_laser, thin_pieces_pass_through_until_they_are_the_front) {
    for (int i = 0; i < 21; ++i) {
        frame();
    }
    ASSERT_TRUE(pieces[10]->alive);
    pieces[9]->damage(9999);
    EXPECT_TRUE(pieces[9]->alive) << "piece 8 is alive in front of it";
    EXPECT_FALSE(effects[9]->alive);
    pieces[8]->kill();
    pieces[9]->damage(5);
    EXPECT_FALSE(pieces[9]->alive);
    EXPECT_TRUE(effects[9]->alive);
    EXPECT_TRUE(pieces[7]->alive) << "a thin piece dies alone";
    EXPECT_TRUE(pieces[10]->alive);
    EXPECT_EQ(pieces[10]->pattern, 1);
}

TEST_F(long_laser, after_a_pause_of_4_frames_the_next_piece_starts_a_new_tip_at_the_firer) {
    for (int i = 0; i < 5; ++i) {
        frame();
    }
    ASSERT_EQ(control->next_segment, pieces[3]);
    for (int i = 0; i < 4; ++i) {
        frame(false);
    }
    frame();
    EXPECT_TRUE(pieces[3]->alive);
    EXPECT_EQ(pieces[3]->pattern, 1);
    EXPECT_EQ(pieces[3]->x, 60.0f);
    EXPECT_GE(pieces[2]->x - pieces[3]->x, 32.0f);
}

TEST_F(long_laser, the_gap_to_the_predecessor_decides_between_waiting_a_body_piece_and_a_new_tip) {
    struct case_t {
        int32_t gap;
        bool emitted;
        float x; // of the new piece, the firer at 50
        int32_t pattern;
    };
    for (const case_t& c : {case_t{15, false, 0, 0}, case_t{16, true, 50, 0}, case_t{31, true, 65, 0},
                            case_t{32, true, 50, 1}}) {
        SCOPED_TRACE(c.gap);
        control->kill();
        firer.set_position(50, 100);
        frame(); // the head leaves the firer
        ASSERT_EQ(control->next_segment, pieces[1]);
        pieces[0]->set_position(float(50 + c.gap), 100);
        control->start();
        EXPECT_EQ(bool(pieces[1]->alive), c.emitted);
        if (c.emitted) {
            EXPECT_EQ(pieces[1]->x, c.x);
            EXPECT_EQ(pieces[1]->pattern, c.pattern);
        }
    }
}

TEST_F(long_laser, with_the_predecessor_gone_the_head_is_placed_again_even_in_flight) {
    for (int i = 0; i < 5; ++i) {
        frame();
    }
    ASSERT_EQ(control->next_segment, pieces[3]);
    pieces[2]->kill();
    ASSERT_TRUE(pieces[0]->alive);
    frame();
    EXPECT_EQ(pieces[0]->x, 60.0f) << "the head went back to the firer";
    EXPECT_EQ(control->next_segment, pieces[1]);
}

TEST_F(long_laser, the_controller_kills_its_chain_and_a_multiple_fires_it_silently) {
    for (int i = 0; i < 9; ++i) {
        frame();
    }
    control->kill();
    EXPECT_EQ(alive_pieces(), 0);
    EXPECT_EQ(control->next_segment, nullptr);
    EXPECT_FALSE(control->alive);

    object_t pod(&multiple_info, 30, 60);
    control->set_owner(&pod);
    EXPECT_EQ(pieces[15]->owner, &pod);
    forget_sounds();
    frame();
    EXPECT_TRUE(pieces[0]->alive);
    EXPECT_FALSE(requested(100));

    control->set_owner(nullptr); // released: pieces and controller do nothing without a firer
    control->kill();
    control->start();
    EXPECT_EQ(alive_pieces(), 0);
    pieces[0]->set_position(10, 10);
    pieces[0]->start();
    pieces[0]->update();
    EXPECT_EQ(pieces[0]->x, 10.0f);
}
