#include "pad/BraillePadDlgC.h"
