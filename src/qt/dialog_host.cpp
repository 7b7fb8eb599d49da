#include "qt/dialog_host.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <vector>

#include "platform/dialog_template.h"
#include "qt/byte_text.h"
#include "qt/dialog_units.h"
#include "qt/pixel_art_image.h"
#include "qt/qt_dialog_controls.h"
#include "qt/window_zoom.h"

namespace mapedit {

namespace {

// The width in pixels a control needs to show its whole text: the text
// itself, plus the indicator of a radio or check box, the margins of a
// button, the indent of a group box's title.
int widthForText(const QWidget& w) {
    const QFontMetrics metrics(w.font());
    const QStyle& style = *w.style();
    if (const auto* b = qobject_cast<const QPushButton*>(&w)) {
        return metrics.horizontalAdvance(b->text()) +
               2 * (style.pixelMetric(QStyle::PM_ButtonMargin) +
                    style.pixelMetric(QStyle::PM_DefaultFrameWidth));
    }
    if (const auto* g = qobject_cast<const QGroupBox*>(&w)) {
        if (g->title().isEmpty()) return 0;
        return metrics.horizontalAdvance(g->title()) + 2 * metrics.averageCharWidth();
    }
    if (qobject_cast<const QAbstractButton*>(&w) != nullptr) return w.sizeHint().width();
    if (const auto* l = qobject_cast<const QLabel*>(&w); l != nullptr && !l->text().isEmpty()) {
        return l->sizeHint().width();
    }
    return 0;
}

// Builds the dialog's controls in template order and wires what the user
// does with them to the procedure.
class DialogBuilder {
  public:
    DialogBuilder(QDialog& box, PropertyDialog& dialog, QtDialogControls& controls)
        : box_(box), dialog_(dialog), controls_(controls) {}

    void build(const ControlTemplate& c) {
        // Any control that starts a group ends the radio group before it.
        if (c.has(kGroupStart)) group_ = nullptr;
        QWidget* w = make(c);
        if (c.has(kDisabled)) w->setEnabled(false);
        if (c.kind == ControlKind::GroupBox) w->lower();
        if (c.id != kNoControlId) controls_.add(c.id, w);
        built_.push_back({w, &c});
    }

    // What each text needs, with the dialog's caption, which must fit the
    // title bar beside the window's own buttons.
    std::vector<TextPlace> textPlaces(const DialogTemplate& t) const {
        std::vector<TextPlace> places;
        const QFontMetrics metrics(box_.font());
        places.push_back({{0, 0, t.width, t.height},
                          metrics.horizontalAdvance(fromBytes(t.caption)) + 6 * metrics.height(),
                          0});
        for (const Built& b : built_) {
            const bool oneLine = b.control->kind == ControlKind::Label ||
                                 b.control->kind == ControlKind::Radio ||
                                 b.control->kind == ControlKind::CheckBox;
            places.push_back({b.control->rect, widthForText(*b.widget),
                              oneLine ? QFontMetrics(b.widget->font()).height() : 0});
        }
        return places;
    }

    void place(DialogBaseUnits units) {
        for (const Built& b : built_) {
            const DialogRect& r = b.control->rect;
            QRect place = qtDialogRect(units, r.x, r.y, r.width, r.height);
            // A drop-down's template height includes its opened list.
            if (b.control->kind == ControlKind::DropDown) {
                place.setHeight(b.widget->sizeHint().height());
            }
            b.widget->setGeometry(place);
        }
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
    QButtonGroup* group_ = nullptr;
    struct Built {
        QWidget* widget;
        const ControlTemplate* control;
    };
    std::vector<Built> built_;
};

}  // namespace

DialogResult runPropertyDialog(QWidget& owner, PropertyDialog& dialog) {
    const DialogTemplate& t = dialog.dialogTemplate();
    QDialog box(&owner, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);
    box.setWindowTitle(fromBytes(t.caption));
    const QFont font = scaledFont(owner, t.fontSize);
    box.setFont(font);
    QtDialogControls controls(box);
    DialogBuilder builder(box, dialog, controls);
    for (const ControlTemplate& c : t.controls) builder.build(c);
    const std::vector<TextPlace> places = builder.textPlaces(t);
    const DialogBaseUnits units = unitsToFit(dialogBaseUnits(font), places);
    box.setFixedSize(qtDialogRect(units, 0, 0, t.width, t.height).size());
    builder.place(units);
    dialog.initialise(controls);
    return box.exec() == QDialog::Accepted ? DialogResult::Ok : DialogResult::Cancel;
}

}  // namespace mapedit
