#include "win32/file_dialogs.h"

#include <commdlg.h>

#include <vector>

#include "platform/file_filters.h"
#include "win32/wide_text.h"

namespace mapedit {

std::wstring filterList(const FileDialogRequest& request) {
    std::wstring list;
    for (const FileFilter& f : request.filters) {
        list += wideFromBytes(filterEntryName(f));
        list += L'\0';
        list += wideFromBytes(f.pattern);
        list += L'\0';
    }
    list += L'\0';
    return list;
}

namespace {

// Room for the longest path Windows takes.
constexpr std::size_t kPathRoom = 32768;

// The common dialog's procedure: when the user picks another type, a name
// typed without an extension gets that type's.
UINT_PTR CALLBACK followTypes(HWND dialog, UINT message, WPARAM, LPARAM l) {
    if (message != WM_NOTIFY) return 0;
    const auto* notice = reinterpret_cast<const OFNOTIFYW*>(l);
    if (notice->hdr.code != CDN_TYPECHANGE) return 0;
    const auto* request = reinterpret_cast<const FileDialogRequest*>(notice->lpOFN->lCustData);
    const int type = static_cast<int>(notice->lpOFN->nFilterIndex) - 1;
    const std::wstring extension = wideFromBytes(defaultSuffix(*request, type));
    SendMessageW(GetParent(dialog), CDM_SETDEFEXT, 0, reinterpret_cast<LPARAM>(extension.c_str()));
    return 0;
}

std::optional<ChosenFile> askFile(HWND owner, const FileDialogRequest& request, bool save) {
    const std::wstring filters = filterList(request);
    const std::wstring title = wideFromBytes(request.title);
    const std::wstring extension = wideFromBytes(defaultSuffix(request, 0));
    std::vector<wchar_t> path(kPathRoom, L'\0');
    const std::wstring initial = wideFromUtf8(request.initialPath);
    if (initial.size() < kPathRoom) initial.copy(path.data(), initial.size());

    OPENFILENAMEW o{};
    o.lStructSize = sizeof o;
    o.hwndOwner = owner;
    o.lpstrFilter = filters.c_str();
    o.nFilterIndex = 1;
    o.lpstrFile = path.data();
    o.nMaxFile = static_cast<DWORD>(path.size());
    o.lpstrTitle = title.c_str();
    o.lpstrDefExt = extension.empty() ? nullptr : extension.c_str();
    o.Flags = OFN_EXPLORER | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_ENABLESIZING;
    if (save) {
        o.Flags |= OFN_OVERWRITEPROMPT | OFN_ENABLEHOOK;
        o.lpfnHook = &followTypes;
        o.lCustData = reinterpret_cast<LPARAM>(&request);
    } else {
        o.Flags |= OFN_FILEMUSTEXIST;
    }
    const BOOL chosen = save ? GetSaveFileNameW(&o) : GetOpenFileNameW(&o);
    if (!chosen) return std::nullopt;
    return ChosenFile{utf8FromWide(path.data()), static_cast<int>(o.nFilterIndex) - 1};
}

}  // namespace

std::optional<ChosenFile> askOpenFile(HWND owner, const FileDialogRequest& request) {
    return askFile(owner, request, false);
}

std::optional<ChosenFile> askSaveFile(HWND owner, const FileDialogRequest& request) {
    return askFile(owner, request, true);
}

}  // namespace mapedit
