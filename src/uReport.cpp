#include "uReport.h"
