#include "objects/enemy.h"

#include "objects/score.h"

void enemy_t::damage(int32_t n) {
    object_t::damage(n);
    if (!alive) {
        drop_carried();
        score_add(score());
        score_add_pending(bonus());
    }
}

void enemy_t::drop_carried() {
    if (carried != nullptr && !carried->alive) {
        const float* at = position();
        carried->set_position(at[0], at[1]);
        carried->start();
    }
}
