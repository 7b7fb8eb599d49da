// The tables must not know the editor.
#include "app/editor.h"
