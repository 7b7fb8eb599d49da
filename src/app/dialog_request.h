#pragma once

#include <cstdint>
#include <variant>

#include "model/level.h"
#include "platform/shell.h"

namespace mapedit {

// Dialog templates by id.
namespace dialog {
constexpr int kMaze = 102;
constexpr int kMazePart = 103;
constexpr int kDoor = 104;
constexpr int kMonster = 105;
constexpr int kObject = 109;
constexpr int kTrap = 110;
constexpr int kRegion = 111;
constexpr int kMazewalk = 112;
constexpr int kDrawbridge = 114;
constexpr int kAltar = 115;
constexpr int kAbout = 116;
}  // namespace dialog

// What a property dialog edits: a template, an area, the level settings,
// a cell's byte or a packed value.
using DialogSubject = std::variant<std::monostate, LevelSettings*, MonsterSpec*, ObjectSpec*,
                                   TrapSpec*, AreaRecord*, std::uint8_t*, int*>;

// A property dialog asked for by the editor: its template and subject.
class DialogRequest : public PropertyDialog {
  public:
    DialogRequest(int templateId, DialogSubject subject)
        : templateId_(templateId), subject_(subject) {}
    int templateId() const override { return templateId_; }
    const DialogSubject& subject() const { return subject_; }

  private:
    int templateId_;
    DialogSubject subject_;
};

}  // namespace mapedit
