#include "qt/qt_shell.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QString>

#include "qt/byte_text.h"
#include "qt/dialog_host.h"
#include "qt/level_chooser.h"
#include "qt/window_zoom.h"

namespace mapedit {

void QtShell::invalidate() {
    invalid_ = true;
    if (client_ != nullptr) client_->update();
}

void QtShell::setTitle(const std::string& title) {
    window_.setWindowTitle(fromBytes(titleWithModifiedMark(title)));
}

namespace {

MessageAnswer runMessageBox(QWidget& window, const std::string& text, const std::string& caption,
                            MessageButtons buttons, QMessageBox::Icon icon) {
    const auto standard = buttons == MessageButtons::Ok
                              ? QMessageBox::Ok
                              : QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    QMessageBox box(icon, fromBytes(caption), fromBytes(text), standard, &window);
    box.setFont(scaledFont(window));
    switch (box.exec()) {
        case QMessageBox::Ok:
            return MessageAnswer::Ok;
        case QMessageBox::Yes:
            return MessageAnswer::Yes;
        case QMessageBox::No:
            return MessageAnswer::No;
        default:
            return MessageAnswer::Cancel;
    }
}

}  // namespace

void QtShell::showMessage(const std::string& text, const std::string& caption, MessageKind kind) {
    runMessageBox(window_, text, caption, MessageButtons::Ok,
                  kind == MessageKind::Error ? QMessageBox::Critical : QMessageBox::Information);
}

// A message that asks is a question, whatever it is about.
MessageAnswer QtShell::askMessage(const std::string& text, const std::string& caption,
                                  MessageButtons buttons) {
    return runMessageBox(
        window_, text, caption, buttons,
        buttons == MessageButtons::Ok ? QMessageBox::Information : QMessageBox::Question);
}

namespace {

// A file dialog with the request's title, types and name; a save dialog
// takes any name, an open dialog only an existing file.
std::optional<ChosenFile> askPath(QWidget& window, const FileDialogRequest& request, bool save) {
    QFileDialog dialog(&window);
    dialog.setFont(scaledFont(window));
    dialog.setWindowTitle(fromBytes(request.title));
    dialog.setNameFilters(nameFilters(request));
    dialog.setDefaultSuffix(fromBytes(request.defaultExtension));
    // A name typed without an extension gets the one of the chosen type.
    QObject::connect(
        &dialog, &QFileDialog::filterSelected, &dialog,
        [&dialog, &request, filters = dialog.nameFilters()](const QString& filter) {
            dialog.setDefaultSuffix(fromBytes(defaultSuffix(request, filters.indexOf(filter))));
        });
    if (!request.initialPath.empty())
        dialog.selectFile(QString::fromLocal8Bit(request.initialPath));
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    const auto type = nameFilters(request).indexOf(dialog.selectedNameFilter());
    return ChosenFile{dialog.selectedFiles().front().toLocal8Bit().toStdString(),
                      static_cast<int>(std::max<qsizetype>(type, 0))};
}

}  // namespace

std::optional<std::string> QtShell::askOpenPath(const FileDialogRequest& request) {
    const std::optional<ChosenFile> chosen = askPath(window_, request, false);
    if (!chosen) return std::nullopt;
    return chosen->path;
}

std::optional<ChosenFile> QtShell::askSavePath(const FileDialogRequest& request) {
    return askPath(window_, request, true);
}

std::optional<int> QtShell::askLevel(const LevelChoiceRequest& request) {
    return chooseLevel(window_, request);
}

// Property dialogs are built from their templates by the dialog host.
DialogResult QtShell::runDialog(PropertyDialog& dialog) {
    return runPropertyDialog(window_, dialog);
}

void QtShell::setMenuCheck(int id, bool checked) {
    if (QAction* a = actions_.menuAction(id)) a->setChecked(checked);
}

void QtShell::setMenuRadio(int firstId, int lastId, int checkedId) {
    for (int id = firstId; id <= lastId; ++id) {
        if (QAction* a = actions_.menuAction(id)) a->setChecked(id == checkedId);
    }
}

void QtShell::setMenuEnabled(int id, bool enabled) {
    if (QAction* a = actions_.menuAction(id)) a->setEnabled(enabled);
}

// The shortcut after the tab stays.
void QtShell::setMenuText(int id, const std::string& text) {
    QAction* a = actions_.menuAction(id);
    if (a == nullptr) return;
    const QString old = a->text();
    const auto tab = old.indexOf('\t');
    a->setText(fromBytes(text) + (tab >= 0 ? old.mid(tab) : QString()));
}

// The group of the toolbar puts the other buttons up.
bool QtShell::isMenuEnabled(int id) const {
    const QAction* a = actions_.menuAction(id);
    return a == nullptr || a->isEnabled();
}

void QtShell::checkToolButton(int id) {
    if (QAction* a = actions_.toolAction(id)) a->setChecked(true);
}

// The window's close event arrives within close().
void QtShell::closeWindow() {
    closingForEditor_ = true;
    window_.close();
    closingForEditor_ = false;
}

bool QtShell::takeInvalidation() {
    const bool was = invalid_;
    invalid_ = false;
    return was;
}

std::string titleWithModifiedMark(const std::string& title) {
    // A "[*]" of the file's own name is doubled, which Qt shows as it is.
    std::string escaped;
    for (std::size_t at = 0; at < title.size();) {
        if (title.compare(at, 3, "[*]") == 0) {
            escaped += "[*][*]";
            at += 3;
        } else {
            escaped += title[at++];
        }
    }
    const std::string separator = " - ";
    const auto last = escaped.rfind(separator);
    if (last == std::string::npos) return escaped + "[*]";
    return escaped.substr(0, last) + "[*]" + escaped.substr(last);
}

QStringList nameFilters(const FileDialogRequest& request) {
    QStringList entries;
    for (const FileFilter& f : request.filters) entries << fromBytes(filterEntryName(f));
    return entries;
}

}  // namespace mapedit
