#pragma once

#include <string>
#include <vector>

#include "platform/shell.h"

namespace mapedit {

// A shell without a window: remembers what it was asked to do.
class HeadlessShell : public Shell {
  public:
    struct Message {
        std::string text;
        std::string caption;
    };

    void invalidate() override { ++invalidations; }
    void setTitle(const std::string& t) override { title = t; }
    void showMessage(const std::string& text, const std::string& caption) override {
        messages.push_back({text, caption});
    }

    int invalidations = 0;
    std::string title;
    std::vector<Message> messages;
};

}  // namespace mapedit
