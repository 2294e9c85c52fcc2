#include "tools/sample/stage_plan.h"

namespace {

// The navigation messages the stages open with.
constexpr int32_t enter_the_apiculture_zone = 4;
constexpr int32_t enter_the_circuit = 5;
constexpr int32_t enter_the_enemy_line = 6;
constexpr int32_t sanitize_the_area = 10;
constexpr int32_t sever_the_net_of_the_cell = 11;
constexpr int32_t enter_the_enemy_base = 21;

} // namespace

const std::vector<stage_outline_t>& sample_stage_outlines() {
    // The sign says what the stage holds: the enemy's first line, whole formations of ships, the caves
    // hung with the chains of cells, the bees' hive, the storm's lightning, and the fortress at the end.
    static const std::vector<stage_outline_t> outlines{
        {1, 6, 2, enter_the_enemy_line},      {2, 5, 3, sanitize_the_area},
        {3, 6, 4, sever_the_net_of_the_cell}, {4, 7, 5, enter_the_apiculture_zone},
        {5, 6, 6, enter_the_circuit},         {6, 6, 0xFFFF, enter_the_enemy_base},
    };
    return outlines;
}

const std::vector<stage_plan_row_t>& sample_stage_plan() {
    static const std::vector<stage_plan_row_t> plan{
        // Stage 1, the approach: plain enemies and the simplest flyers, one at a time with room between
        // them, and two cruisers that leave on their own if they are not shot down.
        {1, 0, 40, "sign"},
        {1, 0, 40, "mothership"},
        {1, 0, 120, "pair high"},
        {1, 0, 200, "zigzag A"},
        {1, 1, 20, "floor turret"},
        {1, 1, 60, "carrier missile"},
        {1, 1, 120, "pair low"},
        {1, 1, 180, "twister001 one"},
        {1, 1, 230, "roof turret"},
        {1, 2, 20, "rotator001"},
        {1, 2, 80, "pair mid"},
        {1, 2, 140, "patroller"},
        {1, 2, 200, "midboss003"},
        {1, 3, 40, "battery003"},
        {1, 3, 70, "battery002 down", 2},
        {1, 3, 100, "cell001 pair"},
        {1, 3, 160, "zigzag A mirrored"},
        {1, 3, 220, "carrier shield", 2},
        {1, 4, 40, "pair low"},
        {1, 4, 120, "midboss002"},
        {1, 5, 0, "stars"},

        // Stage 2, the formations: zigzags and twisters in numbers, the first chasers; the winged gunships
        // half-way and the quad-barrel holding the end.
        {2, 0, 30, "sign up"},
        {2, 0, 80, "zigzag B"},
        {2, 0, 120, "twister001 B"},
        {2, 0, 160, "pair mid"},
        {2, 0, 220, "zigzag C"},
        {2, 1, 40, "twister003 hanging"},
        {2, 1, 80, "shutter001"},
        {2, 1, 100, "hatch down plain"},
        {2, 1, 120, "carrier laser"},
        {2, 1, 150, "fencer down"},
        {2, 1, 200, "battery002 up"},
        {2, 1, 240, "twister001 eight"},
        {2, 2, 40, "twister002 A down"},
        {2, 2, 100, "tracer001"},
        {2, 2, 160, "hopper"},
        {2, 2, 200, "midboss001"},
        {2, 3, 20, "twister003 crossing"},
        {2, 3, 60, "worm001 eight"},
        {2, 3, 120, "twister004"},
        {2, 3, 160, "twister002 A one"},
        {2, 3, 230, "carrier multiple"},
        {2, 4, 0, "patroller low"},
        {2, 4, 20, "worm003"},
        {2, 4, 40, "quadbarrel"},

        // Stage 3, the caves: walls, beam batteries and worms in the rock; the crab climbing half-way and
        // the armoured boss at the end, with nothing fixed left in its way.
        {3, 0, 40, "floor block"},
        {3, 0, 100, "battery004 floor"},
        {3, 0, 160, "zigzag D"},
        {3, 0, 200, "roof block"},
        {3, 0, 240, "worm002"},
        {3, 1, 20, "splitter pair"},
        {3, 1, 80, "battery005 down", 2},
        {3, 1, 130, "worm004"},
        {3, 1, 180, "barrier roof"},
        {3, 1, 220, "battery005 up", 2},
        {3, 2, 16, "crab001"},
        {3, 3, 16, "barrier floor"},
        {3, 3, 40, "cell002"},
        {3, 3, 70, "battery004 roof", 2},
        {3, 3, 100, "tentacle hanging"},
        {3, 3, 130, "pole"},
        {3, 3, 160, "battery006 down"},
        {3, 3, 190, "tentacle rising", 2},
        {3, 3, 220, "wall pillar"},
        {3, 4, 40, "worm005"},
        {3, 4, 80, "carrier double"},
        {3, 4, 120, "worm001 twelve", 2},
        {3, 4, 180, "hopper plain", 2},
        {3, 4, 220, "oneup"},
        {3, 5, 32, "boss004"},

        // Stage 4, the hive: bees, birds and the twister005 releases; the great bee half-way from NORMAL up,
        // boss006 at the end, and a last section empty: its death's white flash fades in some 260 pixels
        // after the scroll moves on, which must be over before the stage fades out.
        {4, 0, 40, "bee001 pair"},
        {4, 0, 80, "bee001 high", 2},
        {4, 0, 120, "phoenix001"},
        {4, 0, 150, "cell001"},
        {4, 0, 180, "twister005 up"},
        {4, 0, 240, "bee001 low"},
        {4, 1, 40, "sam up", 2},
        {4, 1, 100, "tracer002"},
        {4, 1, 130, "splitter"},
        {4, 1, 160, "twister006"},
        {4, 1, 200, "gather"},
        {4, 1, 240, "spider floor", 2},
        {4, 2, 40, "bee003", 2},
        {4, 3, 20, "phoenix002"},
        {4, 3, 80, "twister005 right"},
        {4, 3, 110, "patroller pair"},
        {4, 3, 140, "zigzag E"},
        {4, 3, 170, "fencer up"},
        {4, 3, 200, "tarantula low"},
        {4, 3, 240, "rotator002"},
        {4, 4, 16, "gather plain", 2},
        {4, 4, 40, "twister007 top"},
        {4, 4, 100, "twister005 down"},
        {4, 4, 120, "tarantula high"},
        {4, 4, 130, "carrier speed"},
        {4, 4, 160, "spider ceiling", 2},
        {4, 4, 200, "sam down"},
        {4, 4, 240, "twister005 left", 2},
        {4, 5, 16, "boss006"},

        // Stage 5, the storm: meteors, lightning, hatches and falling slats; the pincer boss at the end.
        {5, 0, 40, "meteors"},
        {5, 0, 200, "lightning"},
        {5, 1, 40, "twinbarrel"},
        {5, 1, 100, "slats falling"},
        {5, 1, 130, "slats rising slowly"},
        {5, 1, 180, "fish"},
        {5, 1, 230, "hatch down"},
        {5, 2, 40, "tripus"},
        {5, 2, 70, "slats falling fast"},
        {5, 2, 100, "twister002 B up"},
        {5, 2, 140, "hatch up"},
        {5, 2, 160, "slats rising fast", 2},
        {5, 2, 180, "twister002 C"},
        {5, 2, 220, "twister002 D"},
        {5, 3, 20, "meteor shower"},
        {5, 3, 60, "slats falling slowly"},
        {5, 3, 80, "twister008"},
        {5, 3, 110, "slats rising"},
        {5, 3, 200, "worm006"},
        {5, 3, 240, "lightning pair"},
        {5, 4, 20, "rotator003"},
        {5, 4, 100, "twinbarrel low"},
        {5, 4, 180, "carrier laser", 2},
        {5, 4, 200, "meteor stream", 2},
        {5, 4, 240, "twister007 bottom", 2},
        {5, 5, 32, "boss005"},

        // Stage 6, the fortress: gates, rotators and the great worms; the scorpion, then the final boss.
        {6, 0, 40, "sign"},
        {6, 0, 100, "zigzag F mirrored"},
        {6, 0, 160, "rotator006"},
        {6, 0, 220, "gate"},
        {6, 1, 40, "rotator003 squad", 2},
        {6, 1, 100, "worm007"},
        {6, 1, 140, "pole multiple", 2},
        {6, 1, 180, "battery003"},
        {6, 1, 230, "rotator004"},
        {6, 2, 16, "shutter001 slow"},
        {6, 2, 40, "worm008"},
        {6, 2, 100, "rotator005 low"},
        {6, 2, 160, "battery005 left"},
        {6, 2, 180, "battery006 up", 2},
        {6, 2, 200, "battery005 right", 2},
        {6, 2, 230, "rotator005 high", 2},
        {6, 3, 40, "carrier shield"},
        {6, 3, 220, "pair high", 2},
        {6, 4, 32, "scorpion"},
        {6, 5, 8, "window markers"},
        {6, 5, 16, "final boss"},
    };
    return plan;
}
