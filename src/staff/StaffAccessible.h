#pragma once

#include <QAccessibleWidget>

namespace tonalyst {

class StaffWidget;

// What assistive technology sees of the staff: a text that names the clef, the key
// signature and the notes from the lowest ("treble clef, key signature of 3 flats, E-flat 4,
// G 4, B-flat 4"), as its description and through the text interface.
class StaffAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit StaffAccessible(StaffWidget* staff);

    void* interface_cast(QAccessible::InterfaceType type) override;
    QString text(QAccessible::Text t) const override;

    // The text interface, read-only: the staff's text has no caret and no selection.
    void selection(int, int* startOffset, int* endOffset) const override;
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QString text(int startOffset, int endOffset) const override;
    int characterCount() const override;
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int* startOffset, int* endOffset) const override;

    // Installs the factory that gives every staff this interface.
    static void install();

private:
    QString content() const;
};

} // namespace tonalyst
