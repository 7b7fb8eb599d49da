// The engine must not draw.
#include "platform/canvas.h"
