#include "uEsent.h"
