// Only the Windows shell uses the Windows API.
#include <windows.h>
