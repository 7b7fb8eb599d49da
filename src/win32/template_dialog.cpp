#include "win32/template_dialog.h"

namespace mapedit {

namespace {

// The words start with the DLGTEMPLATEEX header, WORD-aligned as the
// template must be.
LPCDLGTEMPLATEW asTemplate(std::span<const std::uint16_t> words) {
    return reinterpret_cast<LPCDLGTEMPLATEW>(words.data());
}

}  // namespace

INT_PTR runTemplateDialog(std::span<const std::uint16_t> words, HWND owner, DLGPROC procedure,
                          void* self) {
    return DialogBoxIndirectParamW(GetModuleHandleW(nullptr), asTemplate(words), owner, procedure,
                                   reinterpret_cast<LPARAM>(self));
}

HWND openTemplateDialog(std::span<const std::uint16_t> words, HWND owner, DLGPROC procedure,
                        void* self) {
    return CreateDialogIndirectParamW(GetModuleHandleW(nullptr), asTemplate(words), owner,
                                      procedure, reinterpret_cast<LPARAM>(self));
}

}  // namespace mapedit
