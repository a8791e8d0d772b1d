#include "uDriver.h"
