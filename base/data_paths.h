// Where the game's files live. Run from its build folder, or from any folder that holds
// korvanta.dat, the game reads and writes everything in the working directory. Installed, it
// reads korvanta.dat from the install's data folder, which it finds from where its own
// executable lies, plays its music with the instruments of Debian's freepats package (listed
// by an index in that folder), and keeps the controls and the high scores in the user's own
// data folder, made on the first start, so that they land where the user may write.
#pragma once

#include <string>

// Call first in main. Installed, it makes the user's data folder and moves into it, so that
// korvanta.cfg and korvanta.hgh are read and written there. False, after saying why on stderr,
// when that folder cannot be made or entered.
bool settle_in_data_folders();

// The resource file to load: "korvanta.dat" in the working directory, or the installed one.
const std::string &resource_file_path();

// Installed, tells the library's MIDI player to take its instruments from freepats through
// the installed index; from the build folder it finds patches.dat beside the executable on its
// own. Call after allegro_init and before install_sound.
void choose_patch_set();

// --- The rules, apart from the process's environment ---

// The installed data folder: `relative_folder` taken from the folder of the executable, when
// it holds korvanta.dat; empty when the executable does not run from an install.
std::string installed_data_folder(const std::string &executable, const std::string &relative_folder);

// The user's folder for the game: $XDG_DATA_HOME/korvanta, or ~/.local/share/korvanta when
// XDG_DATA_HOME is unset, empty or not an absolute path. Empty when neither gives a place.
std::string user_data_folder(const char *xdg_data_home, const char *home);

// Makes the folder and any missing parents (private to the user, as the folders of user data
// should be). False when one cannot be made.
bool make_folders(const std::string &folder);
