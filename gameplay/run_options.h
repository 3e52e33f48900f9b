// The run options are read with the rest of the command line, from the one
// option table of the shell.
#pragma once
#include "shell/command_line.h"
