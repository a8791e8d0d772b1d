#include "uAggregate.h"
