#include "play/key_table.h"

key_entry_t g_key_table[key_count];
