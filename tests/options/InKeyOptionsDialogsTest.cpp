#include "Controls.h"
#include "options/CadenceOptionsDialog.h"
#include "options/ChordFunctionOptionsDialog.h"
#include "options/ProgressionOptionsDialog.h"
#include "options/ScaleDegreeOptionsDialog.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QSpinBox>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <variant>

namespace tonalyst {
namespace {

// What the student does to one control: clicks it, or enters a number.
struct Click {
    const char* name;
    int index = -1;
};
struct Enter {
    const char* name;
    int index;
    int value;
};
using Change = std::variant<Click, Enter>;

void makeChanges(const QWidget& dialog, const std::vector<Change>& changes) {
    for (const Change& change : changes) {
        if (const auto* click = std::get_if<Click>(&change))
            test::click(dialog, click->name, click->index);
        else {
            const auto& enter = std::get<Enter>(change);
            test::control<QSpinBox>(dialog, enter.name, enter.index).setValue(enter.value);
        }
    }
}

struct DialogCase {
    const char* name;
    std::function<std::unique_ptr<InKeyOptionsDialog>(InKeySettings&)> make;
    std::vector<Change> changes;
    // The settings after every change above, from the defaults.
    std::function<void(InKeySettings&)> changed;
};

// Every common control moved off its default.
const std::vector<Change> kCommonChanges{Click{"optinkeymode", 2}, Enter{"spnaccidentals", -1, 5},
                                         Click{"chkskipcadence"}, Enter{"spntempo", -1, 120}};
const InKeyCommon kChangedCommon{InKeyMode::Both, 5, true, 120};

std::vector<Change> withCommon(std::vector<Change> own) {
    own.insert(own.end(), kCommonChanges.begin(), kCommonChanges.end());
    return own;
}

TEST(InKeyOptionsDialogs, OkStoresWhatIsShownCancelKeepsTheOptionsAndEveryControlIsNamed) {
    const std::vector<DialogCase> cases{
        {"Scale Degrees",
         [](InKeySettings& s) { return std::make_unique<ScaleDegreeOptionsDialog>(s.degrees); },
         // The minor keys' solfège can be chosen once solfège is.
         withCommon({Click{"optdegrees", 1}, Enter{"spngroupsize", -1, 3}, Click{"optdegreenames", 1},
                     Click{"optminorsolfege", 1}}),
         [](InKeySettings& s) {
             s.degrees = {kChangedCommon, true, 3, true, true};
         }},
        {"Chord Functions",
         [](InKeySettings& s) { return std::make_unique<ChordFunctionOptionsDialog>(s.functions); },
         withCommon({Click{"chkfunctions", 0}, Click{"chkfunctions", 1}, Click{"chkfunctions", 2},
                     Click{"chkfunctions", 3}, Click{"chkfunctions", 4}}),
         [](InKeySettings& s) { s.functions = {kChangedCommon, true, true, true, true, true}; }},
        {"Progressions",
         [](InKeySettings& s) { return std::make_unique<ProgressionOptionsDialog>(s.progressions); },
         // Each end pushes the other along rather than leave a range that is inside out.
         withCommon({Enter{"spnchords", 0, 6}, Enter{"spnchords", 1, 4}, Enter{"spnchords", 1, 5},
                     Click{"chkprogression", 0}, Click{"chkprogression", 1}}),
         [](InKeySettings& s) {
             s.progressions = {kChangedCommon, 4, 5, true, true};
         }},
        {"Cadences", [](InKeySettings& s) { return std::make_unique<CadenceOptionsDialog>(s.cadences); },
         withCommon({Click{"chkcadences", 0}, Click{"chkcadences", 1}}),
         [](InKeySettings& s) {
             s.cadences = {kChangedCommon, false, false};
         }},
    };
    for (const DialogCase& each : cases) {
        SCOPED_TRACE(each.name);
        InKeySettings settings;
        const std::unique_ptr<InKeyOptionsDialog> dialog = each.make(settings);

        dialog->show();
        test::click(*dialog, "cmdok");
        EXPECT_EQ(settings, InKeySettings()) << "the defaults shown as they are";

        dialog->show();
        makeChanges(*dialog, each.changes);
        test::click(*dialog, "cmdcancel");
        EXPECT_FALSE(dialog->isVisible());
        EXPECT_EQ(settings, InKeySettings()) << "Cancel keeps the options";

        dialog->show();
        makeChanges(*dialog, each.changes);
        test::click(*dialog, "cmdok");
        InKeySettings expected;
        each.changed(expected);
        EXPECT_EQ(settings, expected) << "OK stores every change";

        // Shown again, the dialog shows what was stored, not its defaults.
        dialog->show();
        test::click(*dialog, "cmdok");
        EXPECT_EQ(settings, expected);

        for (const QWidget* control : dialog->findChildren<QWidget*>()) {
            if (!qobject_cast<const QAbstractButton*>(control) && !qobject_cast<const QSpinBox*>(control))
                continue;
            EXPECT_FALSE(control->objectName().isEmpty()) << control->metaObject()->className();
            EXPECT_FALSE(QAccessible::queryAccessibleInterface(const_cast<QWidget*>(control))
                             ->text(QAccessible::Name)
                             .trimmed()
                             .isEmpty())
                << control->objectName().toStdString();
        }
    }
}

} // namespace
} // namespace tonalyst
