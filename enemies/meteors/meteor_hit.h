// How shots that cut meteors find them: by record, among the live objects of enemy list 0's window.
#pragma once

class enemy_t;
class object_t;

// Whether an object is a meteor of any of the three sizes.
bool is_meteor(object_t& object);
// The first live meteor in enemy list 0's window whose box the object's overlaps; null when none does.
enemy_t* meteor_struck(object_t& object);
