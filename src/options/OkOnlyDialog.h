#pragma once

#include <QDialog>

#include <initializer_list>

namespace tonalyst {

// A small option dialog with OK as its only way out. However it is closed, the option
// shown is the one kept: the student never sees a choice that does not hold.
class OkOnlyDialog : public QDialog {
    Q_OBJECT
public:
    // Stores the option shown and closes.
    void pressOk();

    void reject() override;

protected:
    OkOnlyDialog(const char* windowName, const QString& title, QWidget* parent);

    // Lays the frames out above the closing row: an optional button at its left, OK
    // (named okName) at its right.
    void layOut(std::initializer_list<QWidget*> frames, const char* okName, QWidget* leftButton = nullptr);

    virtual void store() = 0;
};

} // namespace tonalyst
