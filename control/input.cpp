#include "control/input.h"

int input_delay[2];
int pause_run[2];
