// One shell must not use another.
#include "cli/common.h"
