#include "app/SettingsC.h"

int BrailleChars = 40;
