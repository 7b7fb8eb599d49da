#pragma once

#include <QWidget>

#include "platform/shell.h"

namespace mapedit {

// Window services for the editor on top of a Qt window.
class QtShell : public Shell {
  public:
    // `window` takes the title and owns message boxes; the client repaints.
    explicit QtShell(QWidget& window) : window_(window) {}
    void setClient(QWidget* client) { client_ = client; }

    void invalidate() override;
    void setTitle(const std::string& title) override;
    void showMessage(const std::string& text, const std::string& caption) override;

    // Whether a full paint was asked for since the last call.
    bool takeInvalidation();

  private:
    QWidget& window_;
    QWidget* client_ = nullptr;
    bool invalid_ = true;
};

}  // namespace mapedit
