// The model must not know the view.
#include "view/map_view.h"
