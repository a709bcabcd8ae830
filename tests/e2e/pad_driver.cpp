// The real game with a virtual pad beside it, for the end-to-end gamepad test. A thread reads
// commands, one per line, from the file named by KORVANTA_PAD_COMMANDS (a FIFO the test writes
// to), and answers each with "done <command>" on stdout once it has been carried out:
//   attach                plugs a pad in (SDL's virtual joystick, with a pad's layout)
//   detach                pulls it out
//   press BUTTON MS       holds a button for MS milliseconds: a b x lb rb start up down left right
//   stick X Y MS          holds the left stick at X, Y (-32768..32767) for MS milliseconds
// Everything else is the game itself, started as the executable starts it.
#include <SDL.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>

#include "shell/game.h"
#include "tests/support/virtual_pad.h"

namespace {

SDL_Joystick *pad = nullptr;

void hold_for(int milliseconds) { std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds)); }

void attach() { pad = plug_virtual_pad(); }

void detach()
{
  if (pad) unplug_virtual_pad(pad);
  pad = nullptr;
}

int button_code(const char *name)
{
  const struct { const char *name; SDL_GameControllerButton button; } BUTTONS[] = {
      {"a", SDL_CONTROLLER_BUTTON_A},          {"b", SDL_CONTROLLER_BUTTON_B},
      {"x", SDL_CONTROLLER_BUTTON_X},          {"lb", SDL_CONTROLLER_BUTTON_LEFTSHOULDER},
      {"rb", SDL_CONTROLLER_BUTTON_RIGHTSHOULDER}, {"start", SDL_CONTROLLER_BUTTON_START},
      {"up", SDL_CONTROLLER_BUTTON_DPAD_UP},   {"down", SDL_CONTROLLER_BUTTON_DPAD_DOWN},
      {"left", SDL_CONTROLLER_BUTTON_DPAD_LEFT}, {"right", SDL_CONTROLLER_BUTTON_DPAD_RIGHT},
  };
  for (const auto &entry : BUTTONS)
    if (strcmp(entry.name, name) == 0) return entry.button;
  return -1;
}

void run_command(const char *line)
{
  char name[16] = "";
  int x = 0, y = 0, milliseconds = 0;
  if (strncmp(line, "attach", 6) == 0) attach();
  else if (strncmp(line, "detach", 6) == 0) detach();
  else if (pad && sscanf(line, "press %15s %d", name, &milliseconds) == 2 && button_code(name) >= 0) {
    SDL_JoystickSetVirtualButton(pad, button_code(name), 1);
    hold_for(milliseconds);
    SDL_JoystickSetVirtualButton(pad, button_code(name), 0);
  } else if (pad && sscanf(line, "stick %d %d %d", &x, &y, &milliseconds) == 3) {
    SDL_JoystickSetVirtualAxis(pad, SDL_CONTROLLER_AXIS_LEFTX, static_cast<Sint16>(x));
    SDL_JoystickSetVirtualAxis(pad, SDL_CONTROLLER_AXIS_LEFTY, static_cast<Sint16>(y));
    hold_for(milliseconds);
    SDL_JoystickSetVirtualAxis(pad, SDL_CONTROLLER_AXIS_LEFTX, 0);
    SDL_JoystickSetVirtualAxis(pad, SDL_CONTROLLER_AXIS_LEFTY, 0);
  } else {
    printf("refused %s", line);
    fflush(stdout);
    return;
  }
  printf("done %s", line);
  fflush(stdout);
}

// Commands wait until the game has started its pads.
void read_commands(const char *path)
{
  FILE *commands = fopen(path, "r");
  if (!commands) return;
  char line[128];
  while (fgets(line, sizeof line, commands)) {
    while (!SDL_WasInit(SDL_INIT_GAMECONTROLLER)) hold_for(10);
    run_command(line);
  }
  fclose(commands);
}

}  // namespace

int main(int argc, char *argv[])
{
  const char *path = getenv("KORVANTA_PAD_COMMANDS");
  if (path) std::thread(read_commands, path).detach();
  return run_korvanta(argc, argv);
}
