#include "qt/level_chooser.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "qt/byte_text.h"
#include "qt/window_placement.h"
#include "qt/window_zoom.h"

namespace mapedit {

namespace {

// One entry per level; levels that cannot be edited are shown but cannot
// be selected. The first editable level is current.
void fillLevelList(QListWidget& list, const LevelChoiceRequest& request) {
    list.clear();
    for (std::size_t i = 0; i < request.levels.size(); ++i) {
        const LevelChoice& level = request.levels[i];
        auto* item =
            new QListWidgetItem(fromBytes(levelListEntry(level, static_cast<int>(i))), &list);
        if (!level.editable)
            item->setFlags(item->flags() & ~(Qt::ItemIsEnabled | Qt::ItemIsSelectable));
        if (level.editable && list.currentRow() < 0) list.setCurrentItem(item);
    }
}

}  // namespace

std::optional<int> chooseLevel(QWidget& parent, const LevelChoiceRequest& request) {
    QDialog dialog(&parent);
    dialog.setFont(scaledFont(parent));
    dialog.setWindowTitle(fromBytes(request.title));
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(new QLabel(fromBytes(levelQuestion(request)), &dialog));
    auto* list = new QListWidget(&dialog);
    fillLevelList(*list, request);
    layout->addWidget(list);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    layout->addWidget(buttons);
    QPushButton* ok = buttons->button(QDialogButtonBox::Ok);
    ok->setEnabled(list->currentRow() >= 0);
    QObject::connect(list, &QListWidget::currentRowChanged,
                     [ok](int row) { ok->setEnabled(row >= 0); });
    QObject::connect(list, &QListWidget::itemActivated, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    // Over the middle of the editor window, wherever it is.
    centreOnWindow(dialog, parent);
    if (dialog.exec() != QDialog::Accepted || list->currentRow() < 0) return std::nullopt;
    const int row = list->currentRow();
    if (!request.levels[static_cast<std::size_t>(row)].editable) return std::nullopt;
    return row;
}

}  // namespace mapedit
