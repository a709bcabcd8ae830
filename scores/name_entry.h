// Game over and name entry for the high-score table.
#pragma once

// The player (counted from 1) who holds the name entry; 0 when nobody does.
extern int name_entry_owner;
