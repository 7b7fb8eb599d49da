// The dialog templates built in memory read back, item by item, as the
// templates they were built from.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "resources/dialog_templates.h"
#include "win32/dialog_template_builder.h"
#include "win32/wide_text.h"

namespace mapedit {
namespace {

struct ParsedItem {
    std::uint32_t style = 0;
    DialogRect rect;
    int id = 0;
    std::uint16_t classAtom = 0;
    std::wstring text;
};

struct ParsedDialog {
    std::uint32_t style = 0;
    int width = 0, height = 0;
    std::wstring caption, font;
    int points = 0;
    std::vector<ParsedItem> items;
    std::vector<std::size_t> itemOffsets;  // in words
};

// Reads an extended dialog template as Windows does.
class Reader {
  public:
    explicit Reader(const std::vector<std::uint16_t>& words) : words_(words) {}
    std::uint16_t word() { return words_.at(at_++); }
    std::uint32_t dword() {
        const std::uint32_t low = word();
        return low | (static_cast<std::uint32_t>(word()) << 16);
    }
    std::wstring text() {
        std::wstring s;
        for (std::uint16_t c = word(); c != 0; c = word()) s += static_cast<wchar_t>(c);
        return s;
    }
    DialogRect rect() {
        DialogRect r;
        for (int* v : {&r.x, &r.y, &r.width, &r.height}) *v = static_cast<std::int16_t>(word());
        return r;
    }
    void alignToDword() { at_ += at_ % 2; }
    std::size_t at() const { return at_; }
    bool atEnd() const { return at_ == words_.size(); }

  private:
    const std::vector<std::uint16_t>& words_;
    std::size_t at_ = 0;
};

ParsedDialog parse(const std::vector<std::uint16_t>& words) {
    Reader in(words);
    ParsedDialog d;
    EXPECT_EQ(in.word(), 1);
    EXPECT_EQ(in.word(), 0xFFFF);
    in.dword();
    in.dword();
    d.style = in.dword();
    const int count = in.word();
    const DialogRect r = in.rect();
    d.width = r.width;
    d.height = r.height;
    EXPECT_EQ(in.word(), 0);  // menu
    EXPECT_EQ(in.word(), 0);  // class
    d.caption = in.text();
    d.points = in.word();
    EXPECT_EQ(in.word(), FW_NORMAL);
    in.word();
    d.font = in.text();
    for (int i = 0; i < count; ++i) {
        in.alignToDword();
        d.itemOffsets.push_back(in.at());
        ParsedItem item;
        in.dword();
        in.dword();
        item.style = in.dword();
        item.rect = in.rect();
        item.id = static_cast<int>(in.dword());
        EXPECT_EQ(in.word(), 0xFFFF);
        item.classAtom = in.word();
        item.text = in.text();
        EXPECT_EQ(in.word(), 0);
        d.items.push_back(item);
    }
    EXPECT_TRUE(in.atEnd());
    return d;
}

TEST(DialogTemplateWords, ReadBackAsEveryTemplateWithItsControlsInOrder) {
    for (const DialogTemplate* t : dialogTemplates()) {
        SCOPED_TRACE(t->id);
        const ParsedDialog d = parse(dialogTemplateWords(*t, 13));
        EXPECT_EQ(d.caption, wideFromBytes(t->caption));
        EXPECT_EQ(d.font, L"MS Shell Dlg");
        EXPECT_EQ(d.points, 13);
        EXPECT_EQ(d.width, t->width);
        EXPECT_EQ(d.height, t->height);
        EXPECT_EQ(d.style & (DS_SETFONT | DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU),
                  static_cast<std::uint32_t>(DS_SETFONT | DS_MODALFRAME | WS_POPUP | WS_CAPTION |
                                             WS_SYSMENU));
        ASSERT_EQ(d.items.size(), t->controls.size());
        for (std::size_t i = 0; i < d.items.size(); ++i) {
            const ControlTemplate& c = t->controls[i];
            const ParsedItem& item = d.items[i];
            SCOPED_TRACE(c.text);
            EXPECT_EQ(d.itemOffsets[i] % 2, 0u) << "items start on double words";
            EXPECT_EQ(item.id, c.id);
            EXPECT_EQ(item.rect.x, c.rect.x);
            EXPECT_EQ(item.rect.y, c.rect.y);
            EXPECT_EQ(item.rect.width, c.rect.width);
            EXPECT_EQ(item.rect.height, c.rect.height);
            EXPECT_EQ(item.style & (WS_CHILD | WS_VISIBLE),
                      static_cast<std::uint32_t>(WS_CHILD | WS_VISIBLE));
            EXPECT_EQ((item.style & WS_GROUP) != 0, c.has(kGroupStart));
            EXPECT_EQ((item.style & WS_DISABLED) != 0, c.has(kDisabled));
            if (c.kind != ControlKind::Icon) {
                EXPECT_EQ(item.text, wideFromBytes(c.text));
            }
        }
    }
}

}  // namespace
}  // namespace mapedit
