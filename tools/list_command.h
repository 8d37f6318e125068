#pragma once

#include "tools/command.h"

// list [--json] FOLDER: the library that the game builds from a data folder.
Command ListCommand();
