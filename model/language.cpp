#include "model/language.h"

int currentLanguage = Russian;
