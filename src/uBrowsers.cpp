#include "uBrowsers.h"
