// The level question, opened modeless over an owner window: what it lists
// and selects, and the answer each way of ending it gives.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>
#include <optional>
#include <vector>

#include "test_windows.h"
#include "win32/level_chooser.h"
#include "win32/wide_text.h"

namespace mapedit::test {
namespace {

constexpr RECT kOwnerArea{60, 40, 860, 640};
const LevelChoice kMaze{"tower", true}, kRooms{"oracle", false};

struct OpenChooser {
    OpenChooser(HWND owner, std::vector<LevelChoice> levels, int zoom = 1)
        : request{"Open Level", "towers.des", std::move(levels)},
          session(owner, request, zoom),
          window(session.openModeless()) {}

    HWND item(int id) const { return GetDlgItem(window.get(), id); }
    int selection() const {
        return static_cast<int>(SendMessageW(item(LevelChooserSession::kList), LB_GETCURSEL, 0, 0));
    }
    // The user moves the list's selection with the keyboard.
    void moveTo(int index) {
        const HWND list = item(LevelChooserSession::kList);
        SendMessageW(list, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
        notify(LevelChooserSession::kList, LBN_SELCHANGE);
    }
    void notify(int id, int code) {
        SendMessageW(window.get(), WM_COMMAND, MAKEWPARAM(id, code),
                     reinterpret_cast<LPARAM>(item(id)));
    }

    LevelChoiceRequest request;
    LevelChooserSession session;
    WindowGuard window;
};

TEST(Win32LevelChooser, ListsEveryLevelAndSelectsTheFirstThatCanBeEdited) {
    MAPEDIT_OWNER_OR_SKIP(owner, kOwnerArea);
    struct Case {
        std::vector<LevelChoice> levels;
        int selected;
    };
    const Case cases[] = {
        {{kRooms, kMaze, kMaze}, 1},
        {{kMaze}, 0},
        {{kRooms, kRooms}, -1},
        {{kRooms, kRooms, kMaze}, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.selected);
        OpenChooser d(owner, c.levels);
        ASSERT_NE(d.window.get(), nullptr);
        EXPECT_EQ(windowText(d.window.get()), L"Open Level");
        EXPECT_EQ(windowText(d.item(LevelChooserSession::kQuestion)),
                  wideFromBytes(levelQuestion(d.request)));
        const HWND list = d.item(LevelChooserSession::kList);
        ASSERT_EQ(SendMessageW(list, LB_GETCOUNT, 0, 0), static_cast<LRESULT>(c.levels.size()));
        for (std::size_t i = 0; i < c.levels.size(); ++i) {
            wchar_t text[200] = {};
            SendMessageW(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(text));
            EXPECT_EQ(text, wideFromBytes(levelListEntry(c.levels[i], static_cast<int>(i))));
        }
        EXPECT_EQ(d.selection(), c.selected);
        EXPECT_EQ(IsWindowEnabled(d.item(IDOK)) != FALSE, c.selected >= 0);
    }
}

// Moving onto a level that cannot be edited goes on to one that can.
TEST(Win32LevelChooser, TheSelectionPassesOverLevelsThatCannotBeEdited) {
    MAPEDIT_OWNER_OR_SKIP(owner, kOwnerArea);
    OpenChooser d(owner, {kMaze, kRooms, kMaze, kRooms});
    struct Step {
        int to, settled;
    };
    const Step steps[] = {{1, 2}, {3, 2}, {0, 0}, {2, 2}, {1, 0}};
    for (const Step& s : steps) {
        SCOPED_TRACE(s.to);
        d.moveTo(s.to);
        EXPECT_EQ(d.selection(), s.settled);
        EXPECT_TRUE(IsWindowEnabled(d.item(IDOK)));
    }
}

TEST(Win32LevelChooser, AnswersTheLevelOnOkOrADoubleClickAndNothingOnCancel) {
    MAPEDIT_OWNER_OR_SKIP(owner, kOwnerArea);
    struct Case {
        const char* name;
        std::vector<LevelChoice> levels;
        int moveTo;  // -1: as it opens
        int id, code;
        std::optional<int> answer;
    };
    const int list = LevelChooserSession::kList;
    const Case cases[] = {
        {"OK", {kRooms, kMaze, kMaze}, -1, IDOK, BN_CLICKED, 1},
        {"OK after moving", {kRooms, kMaze, kMaze}, 2, IDOK, BN_CLICKED, 2},
        {"double click", {kMaze, kMaze}, 1, list, LBN_DBLCLK, 1},
        {"Cancel", {kMaze, kMaze}, 1, IDCANCEL, BN_CLICKED, std::nullopt},
        {"nothing editable", {kRooms}, -1, IDOK, BN_CLICKED, std::nullopt},
        {"double click on nothing editable", {kRooms}, 0, list, LBN_DBLCLK, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        OpenChooser d(owner, c.levels);
        if (c.moveTo >= 0) d.moveTo(c.moveTo);
        d.notify(c.id, c.code);
        EXPECT_EQ(d.session.chosen(), c.answer);
        const bool ends = c.code == BN_CLICKED || c.answer.has_value();
        EXPECT_EQ(d.session.ended(), ends);
    }
}

TEST(Win32LevelChooser, OpensCentredWithTheQuestionAndEveryEntryInFull) {
    MAPEDIT_OWNER_OR_SKIP(owner, kOwnerArea);
    for (const int zoom : {1, 2}) {
        SCOPED_TRACE(zoom);
        OpenChooser d(owner, {kMaze, kRooms, {"a much longer name of a level", true}}, zoom);
        const RECT o = windowRect(owner), r = windowRect(d.window.get());
        EXPECT_LE(std::abs((r.left + r.right) - (o.left + o.right)), 2);
        EXPECT_LE(std::abs((r.top + r.bottom) - (o.top + o.bottom)), 2);
        const RECT client = clientRect(d.window.get());
        for (const int id :
             {LevelChooserSession::kQuestion, LevelChooserSession::kList, IDOK, IDCANCEL}) {
            const RECT place = rectInParent(d.item(id));
            EXPECT_TRUE(place.left >= 0 && place.top >= 0 && place.right <= client.right &&
                        place.bottom <= client.bottom)
                << id;
        }
        const HWND question = d.item(LevelChooserSession::kQuestion);
        const HWND list = d.item(LevelChooserSession::kList);
        const HDC dc = GetDC(question);
        SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(question, WM_GETFONT, 0, 0)));
        auto widthOf = [&](const std::wstring& text) {
            SIZE size{};
            GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
            return size.cx;
        };
        const RECT q = clientRect(question), l = clientRect(list);
        EXPECT_GE(q.right, widthOf(windowText(question)));
        for (std::size_t i = 0; i < d.request.levels.size(); ++i) {
            const std::wstring entry =
                wideFromBytes(levelListEntry(d.request.levels[i], static_cast<int>(i)));
            EXPECT_GE(l.right, widthOf(entry)) << i;
        }
        EXPECT_GE(l.bottom / SendMessageW(list, LB_GETITEMHEIGHT, 0, 0), 3);
        ReleaseDC(question, dc);
    }
}

}  // namespace
}  // namespace mapedit::test
