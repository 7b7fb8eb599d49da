// The dialogs as the editor runs them, modal, ended by keys the user
// presses once they are open.
#include <gtest/gtest.h>
#include <windows.h>

#include "open_dialog.h"
#include "resources/dialog_templates.h"
#include "win32/dialog_host.h"
#include "win32/level_chooser.h"

namespace mapedit::test {
namespace {

// The dialog this thread shows, or null while there is none yet.
HWND openDialog() {
    HWND found = nullptr;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND w, LPARAM l) -> BOOL {
            wchar_t name[16] = {};
            GetClassNameW(w, name, 16);
            if (!IsWindowVisible(w) || lstrcmpW(name, L"#32770") != 0) return TRUE;
            *reinterpret_cast<HWND*>(l) = w;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

// Timer procedures: once the modal loop shows the dialog, the key is
// pressed where its focus is (on the dialog itself while the window system
// has not yet given it the focus, which the dialog takes as the same key).
// Until then the timer keeps coming.
template <WPARAM key>
void CALLBACK pressKey(HWND, UINT, UINT_PTR timer, DWORD) {
    const HWND dialog = openDialog();
    if (dialog == nullptr) return;
    KillTimer(nullptr, timer);
    HWND focus = GetFocus();
    if (focus == nullptr || !IsChild(dialog, focus)) focus = dialog;
    PostMessageW(focus, WM_KEYDOWN, key, 0);
    PostMessageW(focus, WM_KEYUP, key, 0);
}

void CALLBACK closeBox(HWND, UINT, UINT_PTR timer, DWORD) {
    const HWND dialog = openDialog();
    if (dialog == nullptr) return;
    KillTimer(nullptr, timer);
    PostMessageW(dialog, WM_CLOSE, 0, 0);
}

// Enter presses the default button; Escape and the close box cancel, the
// About box's too, which has no Cancel button.
TEST(Win32ModalDialogs, EnterAcceptsEscapeAndTheCloseBoxCancelAndTheFocusClicksNothing) {
    MAPEDIT_OWNER_OR_SKIP(owner, (RECT{100, 80, 900, 680}));
    struct Case {
        int templateId;
        TIMERPROC key;
        DialogResult expected;
    };
    const Case cases[] = {
        {dialog::kDoor, &pressKey<VK_RETURN>, DialogResult::Ok},
        {dialog::kTrap, &pressKey<VK_ESCAPE>, DialogResult::Cancel},
        {dialog::kAbout, &pressKey<VK_ESCAPE>, DialogResult::Cancel},
        {dialog::kMazewalk, &closeBox, DialogResult::Cancel},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.templateId);
        DialogSubjects subjects;
        const auto dialog = subjects.dialogFor(c.templateId, Variant::Vanilla);
        RecordingDialog recorder(*dialog);
        SetTimer(nullptr, 0, 100, c.key);
        EXPECT_EQ(runPropertyDialog(owner, recorder, 1), c.expected);
        EXPECT_TRUE(recorder.changed.empty());
        EXPECT_TRUE(IsWindowEnabled(owner)) << "the owner works again";
    }
}

TEST(Win32ModalDialogs, TheLevelQuestionAnswersTheSelectedLevelOnEnter) {
    MAPEDIT_OWNER_OR_SKIP(owner, (RECT{100, 80, 900, 680}));
    const LevelChoiceRequest request{
        "Open Level", "towers.des", {{"oracle", false}, {"tower", true}, {"keep", true}}};
    SetTimer(nullptr, 0, 100, &pressKey<VK_RETURN>);
    EXPECT_EQ(chooseLevel(owner, request, 1), std::optional<int>(1));
    SetTimer(nullptr, 0, 100, &pressKey<VK_ESCAPE>);
    EXPECT_EQ(chooseLevel(owner, request, 1), std::nullopt);
}

}  // namespace
}  // namespace mapedit::test
