#include "scores/name_entry.h"

int name_entry_owner = 0;
