#include "win32/dialog_host.h"

#include "win32/dialog_session.h"

namespace mapedit {

DialogResult runPropertyDialog(HWND owner, PropertyDialog& dialog, int zoom) {
    PropertyDialogSession session(owner, dialog, zoom);
    return session.runModal();
}

}  // namespace mapedit
