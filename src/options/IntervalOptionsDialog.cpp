#include "options/IntervalOptionsDialog.h"

#include "options/DialogButtons.h"
#include "options/OptionButtonGroup.h"
#include "platform/ControlNames.h"
#include "platform/Prompter.h"

#include <QBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>

#include <algorithm>

namespace tonalyst {

namespace {

enum { CommonIntervals = 0, AdvancedIntervals = 1 };
enum { ChosenKeys = 0, AllNotes = 1 };

// A read-only list tall enough to show every line without scrolling.
QPlainTextEdit* makeList(const char* name, const QString& accessibleName, const QStringList& lines) {
    auto* list = new QPlainTextEdit;
    nameControl(list, name);
    list->setAccessibleName(accessibleName);
    list->setReadOnly(true);
    list->setPlainText(lines.join(QLatin1Char('\n')));
    list->setLineWrapMode(QPlainTextEdit::NoWrap);
    list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    const QFontMetrics metrics = list->fontMetrics();
    const int margins = 2 * (list->frameWidth() + static_cast<int>(list->document()->documentMargin()));
    list->setFixedHeight(13 * metrics.lineSpacing() + margins);
    int widest = 0;
    for (const QString& line : lines)
        widest = std::max(widest, metrics.horizontalAdvance(line));
    list->setMinimumWidth(widest + margins + metrics.averageCharWidth());
    return list;
}

} // namespace

IntervalOptionsDialog::IntervalOptionsDialog(QuestionSettings& settings, Prompter& prompter,
                                             std::function<bool()> isEarTraining, QWidget* parent)
    : OkOnlyDialog("frmintervaloption", tr("Options: Interval Settings"), parent), m_settings(settings),
      m_prompter(prompter), m_isEarTraining(std::move(isEarTraining)) {
    m_types = new OptionButtonGroup(
        tr("Interval Type Options"), "optinterval",
        {tr("common intervals"),
         tr("advanced intervals (this option precludes \"all possible notes\" option below -see help)")});
    auto* lists = new QWidget;
    auto* listRow = new QHBoxLayout(lists);
    listRow->setContentsMargins(0, 0, 0, 0);
    listRow->addWidget(makeList(
        "Text1", tr("Common intervals"),
        {tr("perfect unison"), tr("minor second"), tr("major second"), tr("minor third"), tr("major third"),
         tr("perfect fourth"), tr("diminished fifth (tri-tone)"), tr("perfect fifth"), tr("minor sixth"),
         tr("major sixth"), tr("minor seventh"), tr("major seventh"), tr("perfect octave")}));
    listRow->addWidget(
        makeList("Text2", tr("Advanced intervals"),
                 {tr("all common intervals, "), QString(), tr("plus..."), QString(), tr("augmented second"),
                  tr("diminished third"), tr("diminished fourth"), tr("augmented fourth"),
                  tr("augmented fifth"), tr("augmented sixth"), tr("diminished seventh")}));
    m_types->addBelow(lists);

    m_notes = new OptionButtonGroup(
        tr("Interval Note Selection"), "optintbase",
        {tr("select from chosen keys"),
         tr("select from all possible notes (this option precludes advanced intervals-see help)")});

    QPushButton* help = makeFrameButton(tr("Help"), "Command2");
    connect(help, &QPushButton::clicked, this, &IntervalOptionsDialog::helpRequested);
    layOut({m_types, m_notes}, "Command1", help);

    connect(m_types, &OptionButtonGroup::optionClicked, this, [this](int index) {
        if (index == AdvancedIntervals)
            advancedIntervalsClicked();
    });
    connect(m_notes, &OptionButtonGroup::optionClicked, this, [this](int index) {
        if (index == AllNotes)
            m_types->select(CommonIntervals);
    });

    m_types->select(m_settings.intervalType == IntervalType::Advanced ? AdvancedIntervals : CommonIntervals);
    m_notes->select(m_settings.intervalNotes == IntervalNotes::AllNotes ? AllNotes : ChosenKeys);
}

void IntervalOptionsDialog::selectCommonIntervals() {
    m_types->select(CommonIntervals);
    m_settings.intervalType = IntervalType::Common;
}

void IntervalOptionsDialog::store() {
    m_settings.intervalType =
        m_types->selected() == AdvancedIntervals ? IntervalType::Advanced : IntervalType::Common;
    m_settings.intervalNotes =
        m_notes->selected() == AllNotes ? IntervalNotes::AllNotes : IntervalNotes::ChosenKeys;
}

void IntervalOptionsDialog::advancedIntervalsClicked() {
    if (m_isEarTraining()) {
        m_prompter.message(tr("Option not allowed for ear training"), Prompter::Icon::None);
        m_types->select(CommonIntervals);
        return;
    }
    m_notes->select(ChosenKeys);
}

} // namespace tonalyst
