#pragma once

#include "tools/command.h"

// show [--json] FILE: one puzzle file as a person reads it, or as JSON.
Command ShowCommand();
