// Saving a small file so that a crash or a power cut in the middle never leaves it damaged or
// empty: the bytes go to a temporary file beside it, which is flushed to the disk and then
// renamed over the real one. Until the rename the old file stays whole.
#pragma once

#include <allegro.h>

// Calls `write` with the temporary file open for writing, uncompressed. False, with the old
// file left as it was, when the temporary file cannot be made or written, when `write` says
// it failed, or when the rename fails; and, without calling `write`, when the old file has all
// its write bits cleared (`chmod a-w`): whoever runs the game, root too, such a file stays as
// its owner made it, and standard error says so once for each file.
bool save_file_safely(const char *path, bool (*write)(PACKFILE *file));
