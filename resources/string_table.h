#pragma once

// The program's string table: numbered texts, each "Russian#English" in UTF-8.
// nullptr for a number that the table does not hold.
const char* LoadResourceString(int number);
