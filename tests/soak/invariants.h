// What must hold after every frame, whatever the players pressed: each value the game keeps
// within its range, above all those it uses to index a table or a sprite array.
#pragma once

#include <string>

// The first broken rule found, described with its place; empty when all hold.
std::string broken_invariant();
