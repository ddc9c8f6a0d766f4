#include "pad/LoadSaveDlgC.h"
