#pragma once

// Command ids of the menu bar, its accelerators and the toolbar.
// Stable numbers: the window's menu and every edit script name them.
namespace mapedit::command {

constexpr int kOpen = 100;
constexpr int kSave = 101;
constexpr int kSaveAs = 102;
constexpr int kQuit = 103;
constexpr int kCut = 110;
constexpr int kCopy = 111;
constexpr int kPaste = 112;
constexpr int kDelete = 113;
constexpr int kUndo = 114;
constexpr int kRedo = 115;
constexpr int kNewGeometry = 120;
constexpr int kProperty = 121;
constexpr int kRefreshBackground = 122;
constexpr int kShowRegion = 150;
constexpr int kShowMonster = 151;
constexpr int kShowObject = 152;
constexpr int kTest = 200;
constexpr int kTest2 = 201;
constexpr int kFirstVariant = 290;  // 290, 291, 292: the Variant entries in order
constexpr int kLastVariant = 292;
constexpr int kAbout = 300;
constexpr int kNewRegion = 400;
constexpr int kFirstAreaCommand = 401;  // 401..414: the areas of the Region menu
constexpr int kLastAreaCommand = 414;
constexpr int kFirstTool = 2000;  // 2000..2008: the toolbar buttons in order

}  // namespace mapedit::command
