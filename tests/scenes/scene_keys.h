// Short names of the keys the front-end scene tests press.
#pragma once

#include "platform/keyboard.h"

#include <cstdint>

namespace scene_keys {

constexpr int32_t up = plat::vk_up;
constexpr int32_t down = plat::vk_down;
constexpr int32_t left = plat::vk_left;
constexpr int32_t right = plat::vk_right;
constexpr int32_t enter = plat::vk_return;
constexpr int32_t escape = plat::vk_escape;
constexpr int32_t back = plat::vk_back;

} // namespace scene_keys
