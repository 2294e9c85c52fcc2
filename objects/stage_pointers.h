// The current stage's lists that code outside the play scene reaches: enemy list 0, the shot pool and the
// spark pool. Set when a stage has loaded, null once it is cleared.
#pragma once

#include "objects/array.h"

class enemy_t;
class missile_t;
class explosion_t;

extern array_t<enemy_t*>* g_enemy_list;
extern array_t<missile_t*>* g_shot_pool;
extern array_t<explosion_t*>* g_spark_pool;
