#include "app/ColorsC.h"
