// The game's entry point.
#include "shell/startup.h"

int main(int argc, char** argv) { return RunRivetRun(argc, argv); }
