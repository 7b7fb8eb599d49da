#pragma once

#include <windows.h>

#include <cstdint>
#include <span>

namespace mapedit {

// A dialog from the words of an in-memory template (dialogTemplateWords),
// modal or not; its procedure gets `self` with WM_INITDIALOG.
INT_PTR runTemplateDialog(std::span<const std::uint16_t> words, HWND owner, DLGPROC procedure,
                          void* self);
HWND openTemplateDialog(std::span<const std::uint16_t> words, HWND owner, DLGPROC procedure,
                        void* self);

}  // namespace mapedit
