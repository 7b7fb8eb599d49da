// Every property dialog built from its template by the Windows host, opened
// modeless over an owner window: its controls, their texts and places, the
// headless dialog's semantics, OK and Cancel.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>
#include <map>

#include "open_dialog.h"
#include "platform/headless_dialog.h"
#include "resources/dialog_templates.h"

namespace mapedit::test {
namespace {

constexpr RECT kOwnerArea{100, 80, 900, 680};

const wchar_t* classOf(ControlKind kind) {
    switch (kind) {
        case ControlKind::Label:
        case ControlKind::Icon:
            return L"Static";
        case ControlKind::Edit:
            return L"Edit";
        case ControlKind::DropDown:
            return L"ComboBox";
        default:
            return L"Button";
    }
}

// The pixels a text takes in the font of its control.
SIZE textSize(HWND control, const std::wstring& text) {
    const HDC dc = GetDC(control);
    const HGDIOBJ old =
        SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(control, WM_GETFONT, 0, 0)));
    SIZE size{};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
    SelectObject(dc, old);
    ReleaseDC(control, dc);
    return size;
}

// What a control's text needs at the least: the text, beside the box of a
// radio or check box, inside the edges of a button.
SIZE leastForText(HWND control, ControlKind kind, const std::wstring& text) {
    SIZE need = textSize(control, text);
    if (kind == ControlKind::Radio || kind == ControlKind::CheckBox) {
        need.cx += GetSystemMetrics(SM_CXMENUCHECK);
    } else if (kind == ControlKind::Button) {
        need.cx += 4 * GetSystemMetrics(SM_CXEDGE);
    }
    return need;
}

bool inside(const RECT& inner, const RECT& outer) {
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}

TEST(Win32DialogHost, EveryTemplateOpensWithItsControlsInsideAndEveryTextFitting) {
    MAPEDIT_OWNER_OR_SKIP(owner, kOwnerArea);
    std::map<int, long> widths[2];
    for (const int zoom : {1, 2}) {
        for (const DialogTemplate* t : dialogTemplates()) {
            SCOPED_TRACE(testing::Message() << "zoom " << zoom << ", dialog " << t->id);
            OpenDialog d(owner, t->id, zoom);
            ASSERT_NE(d.window.get(), nullptr);
            const HWND box = d.window.get();
            EXPECT_EQ(windowText(box), wideFromBytes(t->caption));
            const RECT frame = windowRect(box);
            widths[zoom - 1][t->id] = frame.right - frame.left;
            EXPECT_GE(frame.right - frame.left,
                      textSize(box, windowText(box)).cx + GetSystemMetrics(SM_CXSIZE));
            const RECT client = clientRect(box);
            for (std::size_t i = 0; i < t->controls.size(); ++i) {
                const ControlTemplate& c = t->controls[i];
                SCOPED_TRACE(c.text);
                const HWND w = d.control(i);
                ASSERT_NE(w, nullptr);
                EXPECT_EQ(GetDlgCtrlID(w), c.id);
                EXPECT_EQ(_wcsicmp(className(w).c_str(), classOf(c.kind)), 0);
                const RECT place = rectInParent(w);
                EXPECT_TRUE(inside(place, client));
                if (c.kind == ControlKind::Icon || c.kind == ControlKind::Edit ||
                    c.kind == ControlKind::DropDown || *c.text == '\0') {
                    continue;
                }
                const SIZE need = leastForText(w, c.kind, wideFromBytes(c.text));
                EXPECT_GE(place.right - place.left, need.cx);
                if (c.kind != ControlKind::GroupBox && c.kind != ControlKind::Button) {
                    EXPECT_GE(place.bottom - place.top, need.cy);
                }
            }
        }
    }
    // The whole dialog grows with the zoom's font.
    for (const auto& [id, width] : widths[0]) {
        EXPECT_GT(widths[1][id], 1.6 * width) << "dialog " << id;
    }
}

TEST(Win32DialogHost, EveryDialogOpensCentredOnItsOwner) {
    MAPEDIT_OWNER_OR_SKIP(owner, kOwnerArea);
    const RECT o = windowRect(owner);
    for (const DialogTemplate* t : dialogTemplates()) {
        SCOPED_TRACE(t->id);
        OpenDialog d(owner, t->id, 1);
        const RECT r = windowRect(d.window.get());
        EXPECT_LE(std::abs((r.left + r.right) - (o.left + o.right)), 2);
        EXPECT_LE(std::abs((r.top + r.bottom) - (o.top + o.bottom)), 2);
    }
}

// The rows of a drop-down's opened list that can be seen.
int rowsShown(HWND combo) {
    SendMessageW(combo, CB_SHOWDROPDOWN, TRUE, 0);
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    GetComboBoxInfo(combo, &info);
    const RECT list = clientRect(info.hwndList);
    const auto row = SendMessageW(info.hwndList, LB_GETITEMHEIGHT, 0, 0);
    SendMessageW(combo, CB_SHOWDROPDOWN, FALSE, 0);
    return row > 0 ? static_cast<int>((list.bottom - list.top) / row) : 0;
}

TEST(Win32DialogHost, EveryDropDownOpensToTheRowsItsDialogAsks) {
    MAPEDIT_OWNER_OR_SKIP(owner, kOwnerArea);
    int lists = 0;
    for (const int zoom : {1, 2}) {
        for (const DialogTemplate* t : dialogTemplates()) {
            OpenDialog d(owner, t->id, zoom);
            DialogSubjects subjects;
            const auto twin = subjects.dialogFor(t->id, Variant::Vanilla);
            HeadlessDialog headless(*twin);
            for (std::size_t i = 0; i < t->controls.size(); ++i) {
                const ControlTemplate& c = t->controls[i];
                if (c.kind != ControlKind::DropDown || headless.dropDownRows(c.id) == 0) continue;
                SCOPED_TRACE(testing::Message() << "zoom " << zoom << ", list " << c.id);
                ++lists;
                const int asked = headless.dropDownRows(c.id);
                const int entries = d.controls().entryCount(c.id);
                EXPECT_EQ(rowsShown(d.control(i)), std::min(asked, entries));
            }
        }
    }
    EXPECT_GT(lists, 0);
}

// Clicking every radio and box in turn, and choosing in every drop-down,
// leaves the Windows dialog in the states the headless one reaches, each
// click reaching the procedure once.
TEST(Win32DialogHost, TheUsersInputGivesTheStatesOfTheHeadlessDialog) {
    MAPEDIT_OWNER_OR_SKIP(owner, kOwnerArea);
    for (const DialogTemplate* t : dialogTemplates()) {
        SCOPED_TRACE(t->id);
        OpenDialog d(owner, t->id, 1);
        DialogSubjects subjects;
        const auto twin = subjects.dialogFor(t->id, Variant::Vanilla);
        HeadlessDialog headless(*twin);
        EXPECT_EQ(d.stateLines(), headless.stateLines());
        EXPECT_TRUE(d.recorder.changed.empty()) << "the program's changes are no input";
        for (std::size_t i = 0; i < t->controls.size(); ++i) {
            const ControlTemplate& c = t->controls[i];
            SCOPED_TRACE(c.id);
            const std::size_t before = d.recorder.changed.size();
            if (c.kind == ControlKind::Radio || c.kind == ControlKind::CheckBox) {
                if (!headless.click(c.id).empty()) continue;
                d.click(i);
            } else if (c.kind == ControlKind::DropDown) {
                const int last = headless.entryCount(c.id) - 1;
                if (last < 0 || !headless.choose(c.id, last).empty()) continue;
                d.choose(i, last);
            } else {
                continue;
            }
            ASSERT_EQ(d.recorder.changed.size(), before + 1);
            EXPECT_EQ(d.recorder.changed.back(), c.id);
            EXPECT_EQ(d.stateLines(), headless.stateLines());
        }
    }
}

// The procedure's own changes, made through the controls, as the headless
// dialog makes them: a radio checked unchecks its group, a selection
// outside the list selects nothing; none reaches the procedure.
TEST(Win32DialogHost, TheProgramsChangesFollowTheHeadlessRules) {
    MAPEDIT_OWNER_OR_SKIP(owner, kOwnerArea);
    for (const DialogTemplate* t : dialogTemplates()) {
        SCOPED_TRACE(t->id);
        OpenDialog d(owner, t->id, 1);
        DialogSubjects subjects;
        const auto twin = subjects.dialogFor(t->id, Variant::Vanilla);
        HeadlessDialog headless(*twin);
        DialogControls& win = d.controls();
        for (const ControlTemplate& c : t->controls) {
            SCOPED_TRACE(c.id);
            switch (c.kind) {
                case ControlKind::Radio:
                case ControlKind::CheckBox:
                    for (const bool on : {true, false, true}) {
                        win.setChecked(c.id, on);
                        headless.setChecked(c.id, on);
                        EXPECT_EQ(d.stateLines(), headless.stateLines());
                    }
                    break;
                case ControlKind::DropDown:
                    for (const int index : {1, -3, 0, win.entryCount(c.id), 1}) {
                        win.select(c.id, index);
                        headless.select(c.id, index);
                        EXPECT_EQ(d.stateLines(), headless.stateLines()) << index;
                    }
                    break;
                case ControlKind::Edit:
                    win.setText(c.id, "12\xE9");
                    headless.setText(c.id, "12\xE9");
                    EXPECT_EQ(d.stateLines(), headless.stateLines());
                    break;
                default:
                    win.setEnabled(c.id, false);
                    break;
            }
        }
        EXPECT_TRUE(d.recorder.changed.empty());
    }
}

// The trap dialog: OK writes the chosen trap; Cancel leaves the record.
TEST(Win32DialogHost, OkWritesTheSubjectAndCancelDoesNot) {
    MAPEDIT_OWNER_OR_SKIP(owner, kOwnerArea);
    for (const int button : {IDOK, IDCANCEL}) {
        SCOPED_TRACE(button);
        OpenDialog d(owner, dialog::kTrap, 1);
        d.subjects.trap.chance = 100;
        std::size_t list = 0;
        while (d.look().controls[list].kind != ControlKind::DropDown) ++list;
        d.choose(list, 3);
        d.press(button);
        EXPECT_EQ(d.session.result(), button == IDOK ? DialogResult::Ok : DialogResult::Cancel);
        EXPECT_EQ(d.subjects.trap.trapType != 0, button == IDOK);
    }
}

TEST(Win32DialogHost, TheAboutBoxShowsTheProgramIconTwiceItsSize) {
    MAPEDIT_OWNER_OR_SKIP(owner, kOwnerArea);
    OpenDialog d(owner, dialog::kAbout, 1);
    int icons = 0;
    for (std::size_t i = 0; i < d.look().controls.size(); ++i) {
        if (d.look().controls[i].kind != ControlKind::Icon) continue;
        ++icons;
        const auto icon =
            reinterpret_cast<HICON>(SendMessageW(d.control(i), STM_GETIMAGE, IMAGE_ICON, 0));
        ASSERT_NE(icon, nullptr);
        ICONINFO info{};
        ASSERT_TRUE(GetIconInfo(icon, &info));
        BITMAP bitmap{};
        GetObjectW(info.hbmColor, sizeof bitmap, &bitmap);
        DeleteObject(info.hbmColor);
        DeleteObject(info.hbmMask);
        EXPECT_EQ(bitmap.bmWidth, 32);
        EXPECT_EQ(bitmap.bmHeight, 32);
    }
    EXPECT_EQ(icons, 1);
}

}  // namespace
}  // namespace mapedit::test
