#include "staff/NotePalette.h"

#include "platform/ControlNames.h"
#include "staff/GlyphLabel.h"
#include "staff/PaletteButton.h"
#include "staff/StaffGeometry.h"
#include "staff/TwipScale.h"

#include <QEvent>
#include <QGridLayout>

#include <array>

namespace tonalyst {

namespace {
constexpr int kButtonWidth = 375; // twips
constexpr int kButtonPitch = 480;
constexpr int kButtonHeight = 480;
constexpr int kSignHeight = 360;
// Marked for lupdate here, translated when the buttons are named.
constexpr std::array<const char*, kAccidentalCodes> kPaletteNames{
    QT_TRANSLATE_NOOP("tonalyst::NotePalette", "Note"),
    QT_TRANSLATE_NOOP("tonalyst::NotePalette", "Note with a natural"),
    QT_TRANSLATE_NOOP("tonalyst::NotePalette", "Note with a sharp"),
    QT_TRANSLATE_NOOP("tonalyst::NotePalette", "Note with a flat"),
    QT_TRANSLATE_NOOP("tonalyst::NotePalette", "Note with a double sharp"),
    QT_TRANSLATE_NOOP("tonalyst::NotePalette", "Note with a double flat")};
} // namespace

NotePalette::NotePalette(QWidget* parent) : QWidget(parent) {
    nameControl(this, "palette");
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setVerticalSpacing(0);
    for (int code = 0; code < kAccidentalCodes; ++code) {
        auto* button = new PaletteButton(code, this);
        nameControl(button, "Command1", code);
        button->setToolTip(tr("Drag onto the staff"));
        button->setAccessibleName(tr(kPaletteNames[static_cast<std::size_t>(code)]));
        // Dragging takes a mouse; from the keyboard notes are typed in the Notes field.
        button->setFocusPolicy(Qt::NoFocus);
        auto* sign = new GlyphLabel(this);
        nameControl(sign, "imgacc", code);
        if (code > NoSign)
            sign->setGlyph(accidentalGlyph(code));
        layout->addWidget(button, 0, code, Qt::AlignHCenter);
        layout->addWidget(sign, 1, code, Qt::AlignHCenter);
        m_buttons[static_cast<std::size_t>(code)] = button;
        m_signs[static_cast<std::size_t>(code)] = sign;
    }
    applyScale();
}

void NotePalette::applyScale() {
    const TwipScale scale = TwipScale::of(*this);
    const QSize button = scale.toPixels(QSize(kButtonWidth, kButtonHeight));
    const QSize sign = scale.toPixels(QSize(kButtonWidth, kSignHeight));
    auto* grid = static_cast<QGridLayout*>(layout());
    grid->setHorizontalSpacing(qRound((kButtonPitch - kButtonWidth) * scale.x));
    for (PaletteButton* b : m_buttons) {
        b->refreshPicture();
        b->setFixedSize(button);
    }
    for (GlyphLabel* s : m_signs) {
        s->setFixedSize(sign);
        s->setStaffSpace(staffgeometry::kLineSpacing * scale.y);
    }
}

bool NotePalette::event(QEvent* event) {
    if (event->type() == QEvent::ScreenChangeInternal)
        applyScale();
    return QWidget::event(event);
}

} // namespace tonalyst
