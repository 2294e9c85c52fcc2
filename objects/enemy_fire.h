// How any object fires: a shot from the stage's shared pool, a shot aimed at the ship, and hit sparks.
// Each does nothing while no stage is loaded or its pool has no idle member.
#pragma once

#include <cstdint>

// pos: an (x, y) pair; direction 0..63; speed in pixels per frame.
void fire_bullet(const float* pos, int32_t direction, float speed);
// Toward the player's ship, faster from level 5 on.
void fire_aimed_bullet(const float* pos);
// Up to n idle sparks of the pool, in pool order.
void spawn_sparks(const float* pos, int32_t n);
