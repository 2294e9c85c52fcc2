#include "player/mulctr.h"

#include "player/multiple.h"

mulctr_t::mulctr_t(player_piveter_t* ship, std::vector<multiple_t*>& multiples)
    : ship(ship), multiples(multiples) {}

void mulctr_t::fire_shots() {
    for (multiple_t* m : multiples) {
        m->fire_shot();
    }
}

void mulctr_t::fire_missiles() {
    for (multiple_t* m : multiples) {
        m->fire_missile();
    }
}

void mulctr_t::place_all_at(float x, float y) {
    for (multiple_t* m : multiples) {
        m->set_position(x, y);
    }
}
