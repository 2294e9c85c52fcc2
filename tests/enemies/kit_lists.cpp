#include "tests/enemies/kit_lists.h"

#include "enemies/jet.h"
#include "objects/enemy.h"
#include "objects/explosion.h"
#include "objects/item.h"
#include "objects/missile.h"

#include <cmath>
#include <cxxabi.h>
#include <memory>
#include <typeinfo>

namespace {

template <typename T> std::vector<object_t*> plain(const std::vector<T*>& items) {
    return std::vector<object_t*>(items.begin(), items.end());
}

bool close(float a, float b) {
    return std::fabs(a - b) < 0.01f;
}

std::string class_name(const object_t& object) {
    const char* mangled = typeid(object).name();
    int status = 0;
    const std::unique_ptr<char, void (*)(void*)> readable(
        abi::__cxa_demangle(mangled, nullptr, nullptr, &status), std::free);
    return status == 0 ? readable.get() : mangled;
}

} // namespace

std::vector<object_t*> objects_of(stage_t& stage, int32_t list) {
    switch (list) {
    case list_enemies0:
    case list_enemies1:
    case list_enemies2:
        return plain(stage.enemies[list - list_enemies0].items);
    case list_unlisted:
        return plain(stage.unlisted.items);
    case list_enemy_shots:
        return plain(stage.enemy_shots.items);
    case list_shot_pool:
        return plain(stage.shot_pool.items);
    case list_explosions:
        return plain(stage.explosions.items);
    case list_spark_pool:
        return plain(stage.spark_pool.items);
    case list_items:
        return plain(stage.items);
    default:
        return {};
    }
}

std::pair<int32_t, int32_t> place_of(stage_t& stage, const object_t* object) {
    if (object != nullptr) {
        for (int32_t list = 0; list < kit_list_count; ++list) {
            const std::vector<object_t*> objects = objects_of(stage, list);
            for (size_t i = 0; i < objects.size(); ++i) {
                if (objects[i] == object) {
                    return {list, int32_t(i)};
                }
            }
        }
    }
    return {-1, -1};
}

bool operator==(const launch_t& a, const launch_t& b) {
    return a.frame == b.frame && a.list == b.list && a.index == b.index && close(a.x, b.x) &&
           close(a.y, b.y) && a.direction == b.direction && close(a.speed, b.speed);
}

std::ostream& operator<<(std::ostream& out, const launch_t& l) {
    return out << "{frame " << l.frame << ", list " << l.list << " #" << l.index << ", at " << l.x << ","
               << l.y << ", direction " << l.direction << ", speed " << l.speed << "}";
}

void launch_recorder_t::snapshot(stage_t& stage) {
    alive_before.resize(kit_list_count);
    for (int32_t list = 0; list < kit_list_count; ++list) {
        std::vector<uint8_t>& alive = alive_before[size_t(list)];
        alive.clear();
        for (const object_t* object : objects_of(stage, list)) {
            alive.push_back(object->alive);
        }
    }
}

void launch_recorder_t::collect(stage_t& stage, uint32_t frame, std::vector<launch_t>& trace) {
    for (int32_t list = 0; list < kit_list_count; ++list) {
        const std::vector<uint8_t>& alive = alive_before[size_t(list)];
        const std::vector<object_t*> objects = objects_of(stage, list);
        for (size_t i = 0; i < objects.size(); ++i) {
            object_t* object = objects[i];
            const bool made = i >= alive.size();
            if (!object->alive || (!made && alive[i])) {
                continue;
            }
            launch_t l{frame, list, int32_t(i), object->x, object->y, -1, 0};
            if (const auto* shot = dynamic_cast<const missile_t*>(object)) {
                l.direction = shot->direction;
                l.speed = shot->speed;
            }
            trace.push_back(l);
        }
    }
}

bool operator==(const part_t& a, const part_t& b) {
    return a.kind == b.kind && a.record == b.record && a.period == b.period && a.owner_list == b.owner_list &&
           a.owner_index == b.owner_index;
}

std::ostream& operator<<(std::ostream& out, const part_t& p) {
    return out << "{" << p.kind << ", record " << p.record << ", period " << p.period << ", owner "
               << p.owner_list << " #" << p.owner_index << "}";
}

std::vector<part_t> manifest_of(stage_t& stage, int32_t list) {
    std::vector<part_t> parts;
    for (object_t* object : objects_of(stage, list)) {
        part_t p{class_name(*object), object->type_id()};
        const object_t* owner = nullptr;
        if (const auto* e = dynamic_cast<const explosion_t*>(object)) {
            p.period = int32_t(e->period);
            owner = e->owner;
        } else if (const auto* j = dynamic_cast<const jet_t*>(object)) {
            p.period = j->period;
        } else if (const auto* m = dynamic_cast<const missile_t*>(object)) {
            owner = m->owner;
        }
        std::tie(p.owner_list, p.owner_index) = place_of(stage, owner);
        parts.push_back(p);
    }
    return parts;
}
