#include "uWebCache.h"
