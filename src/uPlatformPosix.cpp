#include "uPlatform.h"
