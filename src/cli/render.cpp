#include "app/editor.h"
#include "cli/commands.h"
#include "cli/seed.h"
#include "platform/headless_shell.h"
#include "qt/png_export.h"

namespace mapedit::cli {

int runRender(const Options& o, std::FILE* err) {
    HeadlessShell shell;
    Editor editor(shell, seedOf(o), o.variant);
    const bool ok = editor.openFile(o.files[0]);
    for (const auto& m : shell.messages) {
        std::fprintf(err, "%s: %s\n", o.files[0].c_str(), m.text.c_str());
    }
    // A level that failed to read is still shown, as the editor shows it.
    editor.onPaint();
    std::string error;
    if (!savePng(editor.canvas, o.zoom, o.output, error)) {
        std::fprintf(err, "mapedit-cli: %s\n", error.c_str());
        return 1;
    }
    return ok ? 0 : 1;
}

}  // namespace mapedit::cli
