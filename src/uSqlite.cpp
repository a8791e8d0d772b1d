#include "uSqlite.h"
