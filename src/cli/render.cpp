#include "app/editor.h"
#include "cli/commands.h"
#include "cli/common.h"
#include "platform/headless_shell.h"
#include "platform/png_file.h"

namespace mapedit::cli {

int runRender(const Options& o, std::FILE* err) {
    const std::string& path = o.files[0];
    int status = 0;
    const auto chosen = loadChosenLevel(o, err, status);
    if (!chosen) return status;
    HeadlessShell shell;
    Editor editor(shell, seedOf(o), o.variant);
    const bool ok = editor.openText(chosen->file.text(), path, chosen->index);
    for (const auto& m : shell.messages)
        std::fprintf(err, "%s: %s\n", path.c_str(), m.text.c_str());
    // A level that failed to read is still shown, as the editor shows it.
    editor.onPaint();
    std::string error;
    if (!savePng(editor.canvas(), o.zoom, o.output, error)) {
        std::fprintf(err, "mapedit-cli: %s\n", error.c_str());
        return 1;
    }
    return ok ? 0 : 1;
}

}  // namespace mapedit::cli
