// The command-line tool may not borrow from the desktop shell.
#include "qt/png_export.h"
