#include "settings/BrailleCharsDlgC.h"
