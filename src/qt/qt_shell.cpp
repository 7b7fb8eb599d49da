#include "qt/qt_shell.h"

#include <QMessageBox>
#include <QString>

namespace mapedit {

namespace {
// Level descriptions and messages are 8-bit text; show the bytes as Latin-1
// so that nothing is lost or rejected as invalid UTF-8.
QString fromBytes(const std::string& s) {
    return QString::fromLatin1(s.data(), static_cast<qsizetype>(s.size()));
}
}  // namespace

void QtShell::invalidate() {
    invalid_ = true;
    if (client_ != nullptr) client_->update();
}

void QtShell::setTitle(const std::string& title) {
    window_.setWindowTitle(fromBytes(title));
}

void QtShell::showMessage(const std::string& text, const std::string& caption) {
    QMessageBox box(QMessageBox::NoIcon, fromBytes(caption), fromBytes(text), QMessageBox::Ok,
                    &window_);
    box.exec();
}

bool QtShell::takeInvalidation() {
    const bool was = invalid_;
    invalid_ = false;
    return was;
}

}  // namespace mapedit
