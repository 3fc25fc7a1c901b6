#pragma once

#include "staff/StaffTypes.h"

#include <QWidget>

#include <array>

namespace tonalyst {

class GlyphLabel;
class PaletteButton;

// The six note buttons the student drags onto the staff (`Command1`), one per accidental
// code, each with its accidental sign under it (`imgacc`).
class NotePalette : public QWidget {
    Q_OBJECT

public:
    explicit NotePalette(QWidget* parent = nullptr);
    // Sizes the buttons and signs for the staff's present zoom.
    void applyScale();

protected:
    bool event(QEvent* event) override;

private:
    std::array<PaletteButton*, kAccidentalCodes> m_buttons{};
    std::array<GlyphLabel*, kAccidentalCodes> m_signs{};
};

} // namespace tonalyst
