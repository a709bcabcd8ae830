#include "shell/game.h"

#include <allegro.h>

#include <cstdlib>
#include <ctime>

#include "base/command_line.h"
#include "base/data_paths.h"
#include "base/display_loss.h"
#include "base/gamepads.h"
#include "base/global_bitmaps.h"
#include "base/leave_request.h"
#include "base/platform.h"
#include "base/resource_check.h"
#include "base/resources.h"
#include "control/computer_player.h"
#include "control/config_file.h"
#include "scores/high_scores.h"
#include "shell/main_loop.h"
#include "shell/startup.h"
#include "shell/title_screen.h"
#include "state/game_state.h"

int run_korvanta(int argc, char *argv[])
{
  const int early_exit = take_command_line(argc, argv);
  if (early_exit >= 0) return early_exit;
  // After the command line, so that --help creates no folder.
  if (!settle_in_data_folders()) return 1;
  srand(static_cast<unsigned>(time(nullptr)));
  reset_computer_players(static_cast<std::uint32_t>(time(nullptr)));
  expected_resource_digest = BUILT_RESOURCE_DIGEST;
  if (initialise_game()) return 1;
  // Without pads, or without access to the input devices, the game plays as it always has.
  start_gamepads();

  set_volume(255, 155);
  platform.play_music();
  music_on = true;

  load_config();
  load_high_scores();
  if (run_title_screen()) run_main_loop();

  // A session that is ending (a logout, a shutdown) is not kept waiting for a goodbye. Asked
  // by a signal or by the players, the game has ended as they wanted: the exit code is 0.
  if (!leave_signal()) show_goodbye_screen();

  // The library closes the window on its way out.
  stop_watching_game_window();
  stop_gamepads();
  destroy_global_bitmaps();
  unload_datafile(game_data);
  game_data = nullptr;
  return 0;
}
