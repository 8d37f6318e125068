#pragma once

// Language of every text on screen: 0 Russian, 1 English. Two-language pairs in the program
// are indexed by it, index 0 always Russian.
enum Language { Russian = 0, English = 1 };

extern int currentLanguage;
