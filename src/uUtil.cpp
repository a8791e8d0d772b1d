#include "uUtil.h"
