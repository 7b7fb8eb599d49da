#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>
#include <vector>

#include "platform/level_choice.h"

namespace mapedit {

// The modal "which level" dialog over `owner`, its font following the
// editor's zoom: the chosen level from 0, one that can be edited, or
// nothing when cancelled.
std::optional<int> chooseLevel(HWND owner, const LevelChoiceRequest& request, int zoom);

// One showing of the level question: the question, the list of levels
// (those that cannot be edited shown grey and never selected; the first
// that can be is selected at the start), OK, greyed while nothing is
// selected, and Cancel. A double click on a level chooses it.
class LevelChooserSession {
  public:
    static constexpr int kQuestion = 100;
    static constexpr int kList = 101;

    LevelChooserSession(HWND owner, const LevelChoiceRequest& request, int zoom);

    std::optional<int> runModal();
    // The dialog, hidden, or null when it cannot be created; the caller
    // destroys it.
    HWND openModeless();
    // The answer, once the dialog has ended.
    std::optional<int> chosen() const { return chosen_; }
    bool ended() const { return ended_; }

  private:
    static INT_PTR CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void initialise(HWND window);
    void fillList(HWND list);
    void selectionChanged(HWND window);
    void end(HWND window, bool ok);
    bool drawEntry(const DRAWITEMSTRUCT& item) const;

    HWND owner_;
    const LevelChoiceRequest& request_;
    std::vector<std::uint16_t> words_;
    int selected_ = -1;
    bool ended_ = false;
    std::optional<int> chosen_;
};

}  // namespace mapedit
