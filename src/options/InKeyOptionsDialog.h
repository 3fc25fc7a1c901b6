#pragma once

#include "theory/HeardInKey.h"

#include <QDialog>
#include <QGroupBox>

#include <initializer_list>

class QCheckBox;
class QSpinBox;

namespace tonalyst {

class OptionButtonGroup;

// What every ear-training-in-a-key activity sets alike: the mode of its keys, how many
// sharps or flats they may have, whether the cadence is skipped while the key stays, and
// the tempo.
class InKeyCommonGroup : public QWidget {
    Q_OBJECT
public:
    explicit InKeyCommonGroup(QWidget* parent = nullptr);

    void setOptions(const InKeyCommon& common);
    InKeyCommon options() const;

private:
    OptionButtonGroup* m_mode;
    QSpinBox* m_accidentals;
    QCheckBox* m_skipCadence;
    QSpinBox* m_tempo;
};

// The options dialog of one ear-training-in-a-key activity. It shows the options it was
// given each time it opens; OK stores what it shows in them, Cancel leaves them as they
// were.
class InKeyOptionsDialog : public QDialog {
    Q_OBJECT
public:
    void pressOk();
    void pressCancel();
    void reject() override;
    void setVisible(bool visible) override;

protected:
    InKeyOptionsDialog(const char* windowName, const QString& title, QWidget* parent);

    // The activity's own frames at the left, the common ones at the right, OK and Cancel
    // below.
    void layOut(std::initializer_list<QWidget*> frames);
    InKeyCommonGroup& common() const { return *m_common; }

    // Shows the stored options; stores the options shown.
    virtual void load() = 0;
    virtual void store() = 0;

private:
    InKeyCommonGroup* m_common;
};

// A spin box named for the control arrays, for a person by accessibleName.
QSpinBox* makeSpinBox(const char* name, int minimum, int maximum, const QString& accessibleName,
                      int index = -1);

} // namespace tonalyst
