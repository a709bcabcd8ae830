// Placeholder until the controls file is written: the players start with the default
// controls and nothing is kept from one run to the next.
#include "control/config_file.h"

#include "control/bindings.h"

void load_config() { reset_control_bindings(); }

void save_config() {}
