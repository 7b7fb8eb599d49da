#include "qt/dialog_host.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>

#include "platform/dialog_template.h"
#include "qt/byte_text.h"
#include "qt/dialog_units.h"
#include "qt/pixel_art_image.h"
#include "qt/qt_dialog_controls.h"

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

// Builds the dialog's controls in template order and wires what the user
// does with them to the procedure.
class DialogBuilder {
  public:
    DialogBuilder(QDialog& box, PropertyDialog& dialog, QtDialogControls& controls,
                  DialogBaseUnits units)
        : box_(box), dialog_(dialog), controls_(controls), units_(units) {}

    void build(const ControlTemplate& c) {
        // Any control that starts a group ends the radio group before it.
        if (c.has(kGroupStart)) group_ = nullptr;
        QWidget* w = make(c);
        const DialogRect& r = c.rect;
        QRect place = dialogRect(units_, r.x, r.y, r.width, r.height);
        // A drop-down's template height includes its opened list.
        if (c.kind == ControlKind::DropDown) place.setHeight(w->sizeHint().height());
        w->setGeometry(place);
        if (c.has(kDisabled)) w->setEnabled(false);
        if (c.kind == ControlKind::GroupBox) w->lower();
        if (auto* label = qobject_cast<QLabel*>(w); label != nullptr && !label->text().isEmpty()) {
            fitText(box_, *label);
        }
        if (c.id != kNoControlId) controls_.add(c.id, w);
    }

  private:
    QWidget* make(const ControlTemplate& c) {
        switch (c.kind) {
            case ControlKind::Label:
                return new QLabel(fromBytes(c.text), &box_);
            case ControlKind::GroupBox:
                return new QGroupBox(fromBytes(c.text), &box_);
            case ControlKind::Icon:
                return icon();
            case ControlKind::Edit:
                return new QLineEdit(&box_);
            case ControlKind::Radio:
                return radio(c);
            case ControlKind::CheckBox:
                return reacting(new QCheckBox(fromBytes(c.text), &box_), c.id);
            case ControlKind::DropDown:
                return dropDown(c);
            case ControlKind::Button:
                break;
        }
        return button(c);
    }

    QWidget* icon() {
        auto* label = new QLabel(&box_);
        label->setPixmap(QPixmap::fromImage(pixelArtImage(programIcon(), 2)));
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        return label;
    }

    // A radio group runs from a control that starts a group to the next.
    QWidget* radio(const ControlTemplate& c) {
        if (group_ == nullptr) group_ = new QButtonGroup(&box_);
        auto* r = new QRadioButton(fromBytes(c.text), &box_);
        group_->addButton(r);
        return reacting(r, c.id);
    }

    QWidget* dropDown(const ControlTemplate& c) {
        auto* list = new QComboBox(&box_);
        const int id = c.id;
        QObject::connect(list, &QComboBox::activated, &box_,
                         [this, id] { dialog_.controlChanged(controls_, id); });
        return list;
    }

    QWidget* button(const ControlTemplate& c) {
        auto* b = new QPushButton(fromBytes(c.text), &box_);
        b->setDefault(c.has(kDefaultButton));
        b->setAutoDefault(c.has(kDefaultButton));
        if (c.id == kOkButton) {
            QObject::connect(b, &QPushButton::clicked, &box_, [this] {
                dialog_.accept(controls_);
                box_.accept();
            });
        } else if (c.id == kCancelButton) {
            QObject::connect(b, &QPushButton::clicked, &box_, &QDialog::reject);
        } else {
            reacting(b, c.id);
        }
        return b;
    }

    template <typename Button>
    QWidget* reacting(Button* b, int id) {
        QObject::connect(b, &QAbstractButton::clicked, &box_,
                         [this, id] { dialog_.controlChanged(controls_, id); });
        return b;
    }

    QDialog& box_;
    PropertyDialog& dialog_;
    QtDialogControls& controls_;
    DialogBaseUnits units_;
    QButtonGroup* group_ = nullptr;
};

}  // namespace

DialogResult runPropertyDialog(QWidget& owner, PropertyDialog& dialog) {
    const DialogTemplate& t = dialog.dialogTemplate();
    QDialog box(&owner, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);
    box.setWindowTitle(fromBytes(t.caption));
    QFont font = dialogFont();
    font.setPointSize(t.fontSize);
    box.setFont(font);
    const DialogBaseUnits units = dialogBaseUnits(font);
    box.setFixedSize(dialogRect(units, 0, 0, t.width, t.height).size());
    QtDialogControls controls(box);
    DialogBuilder builder(box, dialog, controls, units);
    for (const ControlTemplate& c : t.controls) builder.build(c);
    dialog.initialise(controls);
    return box.exec() == QDialog::Accepted ? DialogResult::Ok : DialogResult::Cancel;
}

}  // namespace mapedit
