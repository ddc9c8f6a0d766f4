#include "settings/StimmeDlgC.h"
