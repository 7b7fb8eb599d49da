#include "qt/about_box.h"

#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <algorithm>

#include "qt/dialog_units.h"
#include "qt/pixel_art_image.h"
#include "qt/window_placement.h"

namespace mapedit {

namespace {

// A text wider than its place in the layout (fonts differ between
// desktops) widens its label and the box, keeping the right margin,
// rather than being cut off.
void fitText(QDialog& box, QLabel& text) {
    QRect place = text.geometry();
    const int needed = text.sizeHint().width();
    if (needed <= place.width()) return;
    const int margin = box.width() - (place.x() + place.width());
    place.setWidth(needed);
    text.setGeometry(place);
    box.setFixedWidth(std::max(box.width(), place.x() + place.width() + margin));
}

}  // namespace

DialogResult runAboutBox(QWidget& owner) {
    QDialog box(&owner, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);
    box.setWindowTitle("About");
    box.setFont(dialogFont());
    const DialogBaseUnits units = dialogBaseUnits(box.font());
    box.setFixedSize(dialogRect(units, 0, 0, 163, 43).size());

    auto* icon = new QLabel(&box);
    icon->setPixmap(QPixmap::fromImage(pixelArtImage(programIcon(), 2)));
    icon->setGeometry(dialogRect(units, 7, 7, 18, 21));
    icon->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    auto* text = new QLabel(kAboutText, &box);
    text->setGeometry(dialogRect(units, 31, 7, 120, 8));
    fitText(box, *text);

    auto* ok = new QPushButton("OK", &box);
    ok->setGeometry(dialogRect(units, 119, 22, 37, 14));
    ok->setDefault(true);
    QObject::connect(ok, &QPushButton::clicked, &box, &QDialog::accept);

    centreOnScreen(box);
    return box.exec() == QDialog::Accepted ? DialogResult::Ok : DialogResult::Cancel;
}

}  // namespace mapedit
