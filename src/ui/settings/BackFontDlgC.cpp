#include "settings/BackFontDlgC.h"
