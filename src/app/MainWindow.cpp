#include "app/MainWindow.h"

#include "app/AnswerChoices.h"
#include "app/AnswerHistory.h"
#include "app/ClassServerLink.h"
#include "app/DefaultButton.h"
#include "app/EarTrainingWindow.h"
#include "app/MainMenus.h"
#include "app/MainWindowCycleAdapter.h"
#include "app/MainWindowDesk.h"
#include "app/MainWindowLayout.h"
#include "app/MidiLink.h"
#include "app/OptionDialogs.h"
#include "app/ShellDialogs.h"
#include "app/StatusPanel.h"
#include "captions/AnswerCaptions.h"
#include "classserver/HistoryOutbox.h"
#include "cycle/QuestionCycle.h"
#include "cycle/RunModel.h"
#include "intervals/ToneFileName.h"
#include "platform/ControlNames.h"
#include "staff/MusicFont.h"
#include "staff/NotesField.h"
#include "staff/StaffPanel.h"
#include "startup/LanguageChoice.h"
#include "startup/LanguageDialog.h"
#include "theory/AnswerMenus.h"
#include "theory/ChordNames.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QGridLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QTimer>
#include <QVBoxLayout>
#include <QtMath>

#include <algorithm>
#include <cmath>
#include <functional>
#include <utility>

namespace tonalyst {

namespace {

// A label's text is its accessible name, which a screen reader reads whenever it changes;
// the description says what the text is.
QLabel* makeLabel(QWidget* parent, const char* name, const QString& description) {
    auto* label = new QLabel(parent);
    nameControl(label, name);
    label->setAccessibleDescription(description);
    return label;
}

QPushButton* makeButton(QWidget* parent, const char* name, const QString& caption) {
    auto* button = new QPushButton(caption, parent);
    nameControl(button, name);
    button->setMinimumWidth(120);
    // Enter on a focused button presses that button, as in a dialog.
    button->setAutoDefault(true);
    return button;
}

// The widest text the answer type column can hold: a chord, key or interval type in the
// answer font, or an inversion in the inversion label's font.
int widestAnswerType(const QFont& typeFont, const QFont& inversionFont, const QStringList& captions) {
    const QFontMetrics type(typeFont);
    const QFontMetrics inversion(inversionFont);
    int widest = 0;
    const auto measure = [&widest](const QFontMetrics& metrics, const QString& caption) {
        widest = std::max({widest, metrics.horizontalAdvance(caption), metrics.boundingRect(caption).width()});
    };
    for (const QString& caption : captions)
        measure(type, caption);
    for (InversionOption notation : {InversionOption::Basic, InversionOption::FiguredBass})
        for (int notes : {3, 4})
            for (const std::string& label : inversionMenuLabels(notes, notation))
                measure(inversion, shownInversion(label));
    return widest;
}

// Calls back when the application's palette changes, which the widgets that follow it are
// not told of.
class PaletteWatch final : public QObject {
public:
    PaletteWatch(QObject* parent, std::function<void()> changed) : QObject(parent), m_changed(std::move(changed)) {
        qApp->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == qApp && event->type() == QEvent::ApplicationPaletteChange)
            m_changed();
        return false;
    }

private:
    std::function<void()> m_changed;
};

// An empty label takes no height; one line of text, measured as the label measures it.
void reserveLine(QLabel* label) {
    const QString text = label->text();
    label->setText(QStringLiteral("Xg"));
    const int height = label->sizeHint().height();
    label->setText(text);
    label->setMinimumHeight(height);
}

} // namespace

void MainWindow::addButtonKey(QPushButton* button, const QKeySequence& key, const QString& tip) {
    auto* shortcut = new QShortcut(key, this);
    connect(shortcut, &QShortcut::activated, button, [button] {
        if (button->isVisible() && button->isEnabled())
            button->animateClick();
    });
    button->setToolTip(QStringLiteral("%1 (%2)").arg(tip, key.toString(QKeySequence::NativeText)));
}

MainWindow::MainWindow(Platform& platform, QWidget* parent)
    : QMainWindow(parent), m_platform(platform), m_records(platform.files, platform.clock) {
    nameControl(this, "frmFrontend");
    setWindowTitle(tr("Tonalyst"));

    m_menus = new MainMenus(menuBar());
    m_answerChoices = new AnswerChoices(*m_menus, this);
    connect(m_answerChoices, &AnswerChoices::chosen, this,
            [this](const QString& part1, const QString& part2) {
                // Chosen, not played: the history keeps no keys for it.
                m_cycle->setPlayed(QString());
                answerChosen(part1, part2);
            });
    m_earTraining = new EarTrainingWindow(this);
    buildCentralArea();
    // Both windows show the one run model; the menus say what the switches would do.
    m_model = new RunModel(this);
    m_status->follow(*m_model);
    m_earTraining->follow(*m_model);
    connect(m_model, &RunModel::questionNumberChanged, m_questionNumber, &QLabel::setText);
    connect(m_model, &RunModel::tonesOnChanged, this, [this](bool on) {
        m_menus->tones->setText(on ? tr("&Tones off") : tr("&Tones on"));
    });
    connect(m_model, &RunModel::beepOnChanged, this, [this](bool on) {
        m_menus->beep->setText(on ? tr("&Beep off") : tr("&Beep on"));
    });

    m_elapsedTimer = new QTimer(this);
    nameControl(m_elapsedTimer, "Timer1");
    m_elapsedTimer->setInterval(1000);
    connect(m_elapsedTimer, &QTimer::timeout, this, &MainWindow::tickElapsed);
    m_idleTimer = new QTimer(this);
    nameControl(m_idleTimer, "Timer2");
    m_idleTimer->setInterval(1000);
    connect(m_idleTimer, &QTimer::timeout, this, &MainWindow::checkIdle);

    // The option dialogs come up with their defaults confirmed, so every setting exists
    // before the first question.
    m_options = std::make_unique<OptionDialogs>(m_settings, m_platform, this, [this] {
        return m_state.selected->earTraining() || m_state.current->earTraining();
    });
    m_shell = std::make_unique<ShellDialogs>(m_platform, this);
    m_classServer = new ClassServerLink(*this, QDir(m_platform.files.stateDir()).filePath(QStringLiteral("classserver.ini")));
    connect(m_options.get(), &OptionDialogs::inversionsChanged, this,
            [this](bool on) { m_menus->inversion->setChecked(on); });
    connect(m_options.get(), &OptionDialogs::helpRequested, this, [this] { openHelp(3); });
    connect(m_options.get(), &OptionDialogs::clefChosen, this, &MainWindow::applyChosenClef);

    m_history = std::make_unique<AnswerHistory>(
        m_platform.files.dataDir(), m_records.dataFilePath(),
        [this](const QString& message) { m_platform.prompter.message(message, Prompter::Icon::Exclamation); });
    m_classServer->setOutbox([historyPath = HistoryStore::pathIn(m_platform.files.dataDir()),
                              writer = &m_history->writer()](const QString& userId) {
        return std::make_unique<HistoryOutbox>(historyPath, userId, *writer);
    });

    m_cycleView = std::make_unique<CycleAdapter>(*this);
    m_desk = std::make_unique<Desk>(*this);
    m_cycle = std::make_unique<QuestionCycle>(m_state, m_settings, *m_cycleView,
                                              CycleServices{m_platform.clock, m_platform.prompter, m_platform.random},
                                              m_records, &m_intervals);
    m_cycle->setAnswerObserver(m_history.get());

    connectMenus();
    connectEarTrainingWindow();
    connectNamePad();

    enablecontrols(false);
    m_start->setEnabled(true);
    m_start->setFocus();
    m_idleTimer->start();
    setStatus(StatusPanel::ActivityValue, QString::fromStdString(m_state.current->statusText()));
    setStatus(StatusPanel::MethodValue, tr("practice"));
    setAnswerWasVisible(false);
    m_inversion->hide();
    m_showChoices->hide();
    m_hideDisplay->hide();

    matchMenuBarBackground();
    new PaletteWatch(this, [this] { matchMenuBarBackground(); });
    fitToScreen();

    // Both files must exist before the first run ends; a run interrupted last time is
    // finished here.
    const WriteOutcome seal = m_records.ensureseal();
    if (!seal.message.isEmpty())
        m_platform.prompter.message(seal.message, seal.icon);
}

MainWindow::~MainWindow() {
    // The keyboard's reading thread stops while everything its notes reach is still here.
    delete m_midi;
    // The push worker's outbox has the history writer store its marks, so the worker stops
    // while the writer is still there to answer; what the writer still has for the class
    // server link is handed over before the link goes.
    if (m_history)
        m_history->writer().flush();
    delete m_classServer;
    delete m_menus;
}

// Measured at the natural size, with the texts at their own size.
void MainWindow::fitToScreen() {
    const QScreen* screen = this->screen();
    const QMargins frame = windowFrame(this);
    if (!screen || (screen->availableGeometry() == m_fittedScreen && frame == m_fittedFrame))
        return;
    m_fittedScreen = screen->availableGeometry();
    m_fittedFrame = frame;
    scaleTexts(1.0);
    m_naturalSize = fitMainWindowToScreen(this, m_staffPanel, frame);
    scaleTexts(m_textScale);
}

// The window opens no larger than its screen shows, where the screen allows.
QSize MainWindow::sizeHint() const {
    const QSize wanted = QMainWindow::sizeHint();
    const QScreen* screen = this->screen();
    if (!screen)
        return wanted;
    const QSize room = screen->availableGeometry().marginsRemoved(windowFrame(this)).size();
    return wanted.boundedTo(room).expandedTo(minimumSizeHint());
}

// The factor is the window's own growth, which the texts cannot change: they never make
// the window grow, nor the staff shrink and the texts with it.
void MainWindow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    if (m_naturalSize.isEmpty())
        return;
    const qreal grown =
        std::min(qreal(width()) / m_naturalSize.width(), qreal(height()) / m_naturalSize.height());
    // In steps, so that a window dragged larger does not set the fonts at every pixel.
    const qreal factor = std::max(1.0, std::floor(grown * 10) / 10);
    if (factor != m_textScale) {
        m_textScale = factor;
        scaleTexts(factor);
    }
}

void MainWindow::scaleTexts(qreal factor) {
    for (auto base = m_baseFonts.cbegin(); base != m_baseFonts.cend(); ++base) {
        QFont font = base.value();
        font.setPointSizeF(font.pointSizeF() * factor);
        if (base.key()->font() == font)
            continue;
        base.key()->setFont(font);
        base.key()->setMinimumHeight(0);
        reserveLine(base.key());
    }
    m_answerGrid->setColumnMinimumWidth(0, qCeil(m_answerTypeWidth * factor));
}

// The disabled menu titles, and the blank spacers between the menus, are drawn on the
// disabled colours' window background, which a dark palette may leave light: the bar
// keeps its one background.
void MainWindow::matchMenuBarBackground() {
    QPalette bar = menuBar()->palette();
    const QColor background = QApplication::palette(menuBar()).color(QPalette::Active, QPalette::Window);
    if (bar.color(QPalette::Disabled, QPalette::Window) == background)
        return;
    bar.setColor(QPalette::Disabled, QPalette::Window, background);
    menuBar()->setPalette(bar);
}

bool MainWindow::event(QEvent* event) {
    const bool handled = QMainWindow::event(event);
    switch (event->type()) {
    case QEvent::Show:
    case QEvent::Move:
    case QEvent::ScreenChangeInternal:
        // The screen, or the frame the window manager put around the window, is known
        // only now.
        fitToScreen();
        break;
    default:
        break;
    }
    return handled;
}

// The note names change at once where they are drawn from notes and keys; the question
// and its key line are named anew from the next question on.
void MainWindow::showNaming() {
    m_staffPanel->showNaming();
    m_answerChoices->showNaming();
    if (m_cycle->currentSlot())
        showAnswerParts();
}

void MainWindow::applyWeakSpots() {
    m_cycle->setWeakSpots(m_menus->favorWeakSpots->isChecked() ? &m_history->weakSpots() : nullptr);
}

void MainWindow::buildCentralArea() {
    auto* central = new QWidget(this);
    setCentralWidget(central);

    m_questionNumber = makeLabel(central, "lblQuesnum", tr("Question number"));
    m_question1 = makeLabel(central, "lblQues1", tr("Question"));
    m_question2 = makeLabel(central, "lblQues2", tr("Question, continued"));
    QFont prompt = m_question1->font();
    prompt.setPointSizeF(prompt.pointSizeF() * 1.25);
    m_question1->setFont(prompt);
    m_question2->setFont(prompt);
    prompt.setBold(true);
    m_questionNumber->setFont(prompt);

    initStaffResources();
    m_staffPanel = new StaffPanel(m_platform.beeper, central);
    connect(m_staffPanel, &StaffPanel::noteSounded, this, &MainWindow::soundNote);

    m_chordType = makeLabel(central, "lblchordtype", tr("First part of your answer"));
    m_chordName = makeLabel(central, "lblchordname", tr("Second part of your answer"));
    m_inversionLabel = makeLabel(central, "lblinversion", tr("Inversion of your answer"));
    m_inversion = new QComboBox(central);
    nameControl(m_inversion, "ComboInversion");
    m_inversion->setAccessibleName(tr("Inversion"));
    m_answerWas = makeLabel(central, "lblanswerwas", tr("Verdict on your answer"));
    m_answerWas->setText(tr("your answer was ...."));
    m_answerMessage = makeLabel(central, "lblanswermsg", tr("Feedback"));
    m_answerMessage->setWordWrap(true);
    QFont answer = m_chordType->font();
    answer.setPointSizeF(answer.pointSizeF() * 1.2);
    answer.setBold(true);
    m_chordType->setFont(answer);
    m_chordName->setFont(answer);

    m_start = makeButton(central, "cmdStart", tr("Start"));
    m_showChoices = makeButton(central, "Command5", tr("Show Choices"));
    m_clear = makeButton(central, "cmdClear", tr("Clear"));
    m_submit = makeButton(central, "cmdOK", tr("Submit Answer"));
    new DefaultButton(this, m_submit);
    m_hideDisplay = makeButton(central, "cmdhidedisplay", tr("Hide Display"));
    // Esc presses Clear, as the window's cancel button, and empties the Notes field of
    // the names it refused.
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, [this] {
        m_staffPanel->notesField()->showOutcome(QString(), QString());
        m_clear->animateClick();
    });
    // The captions stay as they are; the keys are told in the tooltips.
    addButtonKey(m_submit, QKeySequence(Qt::CTRL | Qt::Key_Return), tr("Submit your answer"));
    addButtonKey(m_showChoices, QKeySequence(Qt::Key_F4), tr("Pop up the answer choices"));
    m_clear->setToolTip(tr("Clear the staff or the answer, or repeat the tones (Esc)"));
    m_start->setToolTip(tr("Start a run of questions"));
    m_hideDisplay->setToolTip(tr("Return to the ear-training window"));

    m_status = new StatusPanel("fraStatus", tr("Status"), central);
    auto* statusFrame = new QFrame(central);
    nameControl(statusFrame, "Shape10", 0);
    auto* statusLayout = new QVBoxLayout(statusFrame);
    statusLayout->setContentsMargins(0, 0, 0, 0);
    statusLayout->addWidget(m_status);
    statusLayout->addStretch();

    m_answerTypeWidth =
        widestAnswerType(m_chordType->font(), m_inversionLabel->font(), m_answerChoices->captions());
    m_answerGrid = arrangeMainWindow({central,
                                      {m_questionNumber, m_question1, m_question2},
                                      m_staffPanel,
                                      m_answerWas,
                                      m_chordType,
                                      m_chordName,
                                      m_inversionLabel,
                                      m_inversion,
                                      m_answerMessage,
                                      m_answerTypeWidth,
                                      {m_start, m_showChoices, m_clear, m_submit, m_hideDisplay},
                                      statusFrame});

    // Enter on the empty Notes field submits, as Submit Answer would.
    connect(m_staffPanel, &StaffPanel::submitRequested, m_submit, &QPushButton::click);

    // A label holds a line's height while it is empty, so that filling it moves nothing.
    for (QLabel* label : {m_questionNumber, m_question1, m_question2, m_answerWas, m_chordType, m_chordName,
                          m_inversionLabel, m_answerMessage}) {
        reserveLine(label);
        m_baseFonts.insert(label, label->font());
    }
    // What comes and goes with the run and its questions keeps its room while hidden, so
    // that the window keeps its size and nothing moves under the pointer: the buttons
    // stay where they were when Start gives way to them.
    for (QWidget* widget : std::initializer_list<QWidget*>{m_start, m_inversion, m_inversionLabel, m_answerWas,
                                                           m_chordType, m_chordName, m_answerMessage}) {
        QSizePolicy policy = widget->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        widget->setSizePolicy(policy);
    }

    m_controls = {m_showChoices, m_clear,          m_submit,    m_hideDisplay,   m_inversion,
                  m_question1,   m_question2,      m_questionNumber, m_chordType, m_chordName,
                  m_inversionLabel, m_answerMessage, m_answerWas};
}

void MainWindow::connectMenus() {
    // A checkable item flips its own check mark when clicked; the handlers decide the
    // marks themselves, so the flip is undone first.
    for (int i = 0; i < m_menus->activities.size(); ++i)
        connect(m_menus->activities[i], &QAction::triggered, this, [this, i](bool checked) {
            m_menus->activities[i]->setChecked(!checked);
            chooseActivity(i);
        });
    connect(m_menus->practice, &QAction::triggered, this, &MainWindow::choosePractice);
    connect(m_menus->test, &QAction::triggered, this, &MainWindow::chooseTest);
    connect(m_menus->quitTest, &QAction::triggered, this, &MainWindow::reset);
    connect(m_menus->quit, &QAction::triggered, this, &MainWindow::quit);
    connect(m_menus->tones, &QAction::triggered, this, &MainWindow::toggleTones);
    connect(m_menus->beep, &QAction::triggered, this, &MainWindow::toggleBeep);
    connect(m_menus->viewStatus, &QAction::triggered, this, [this](bool checked) {
        m_menus->viewStatus->setChecked(!checked);
        toggleStatusBar();
    });
    connect(m_menus->data, &QAction::triggered, this, &MainWindow::openReport);
    connect(m_menus->progress, &QAction::triggered, this, &MainWindow::openProgress);
    connect(m_menus->classServer, &QAction::triggered, m_classServer, &ClassServerLink::openDialog);
    connect(m_menus->idle, &QAction::triggered, this, [this] { m_shell->execAutoQuit(); });
    connect(m_menus->about, &QAction::triggered, this, [this] { m_shell->execAbout(); });
    for (int i = 0; i < m_menus->helpOn.size(); ++i)
        connect(m_menus->helpOn[i], &QAction::triggered, this, [this, i] { openHelp(i); });
    auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(f1, &QShortcut::activated, this, [this] { openHelp(1); });

    connect(m_menus->keySettings, &QAction::triggered, this, [this] { m_options->execKeySettings(); });
    connect(m_menus->chordSettings, &QAction::triggered, this, [this] { m_options->execChordSettings(); });
    connect(m_menus->inversion, &QAction::triggered, this, [this] {
        // The check mark mirrors the dialog's setting, never a click on the item itself.
        m_menus->inversion->setChecked(m_settings.inversions != InversionOption::Off);
        m_options->execInversion();
    });
    connect(m_menus->intervalOption, &QAction::triggered, this, [this] { m_options->execIntervalOption(); });
    connect(m_menus->earTrainingChords, &QAction::triggered, this,
            [this] { m_options->execEarTrainingChords(); });
    for (int i = 0; i < m_menus->activityOptions.size(); ++i)
        connect(m_menus->activityOptions[i], &QAction::triggered, this,
                [this, activity = m_menus->activityOptionsFor[i]] { activity->editOptions(*m_desk); });
    connect(m_menus->clef, &QAction::triggered, this, [this] { m_options->execClef(); });
    connect(m_menus->viewKeySig, &QAction::triggered, this, [this] {
        m_menus->viewKeySig->setChecked(false);
        m_options->execKeySigDisplay();
    });
    connect(m_menus->testLength, &QAction::triggered, this, [this] { m_options->execTestLength(); });
    m_menus->midiInput->setEnabled(false);
    // J works while a test has the Options menu closed, too.
    addAction(m_menus->respell);
    connect(m_menus->respell, &QAction::triggered, this, &MainWindow::respell);
    connect(m_menus->language, &QAction::triggered, this, [this] {
        const QString settings = languageSettingsFile(m_platform.files.stateDir());
        const QString before = chosenLanguage(settings, m_userId);
        const QString namingBefore = chosenNaming(settings, m_userId);
        LanguageDialog dialog(before, namingBefore, this);
        if (dialog.exec() != QDialog::Accepted)
            return;
        if (dialog.naming() != namingBefore) {
            saveChosenNaming(settings, m_userId, dialog.naming());
            applyNamingOf(settings, m_userId);
            showNaming();
        }
        if (dialog.code() == before)
            return;
        saveChosenLanguage(settings, m_userId, dialog.code());
        // The windows are made in their language; remaking them all mid-run would lose
        // the student's place.
        m_platform.prompter.message(tr("The language changes the next time Tonalyst starts."),
                                    Prompter::Icon::Information);
    });
    connect(m_menus->favorWeakSpots, &QAction::toggled, this, [this](bool on) {
        // Read while the student gets ready, not when Start is pressed.
        if (on)
            m_history->readWeakSpotsAhead([this] { applyWeakSpots(); });
        else
            applyWeakSpots();
    });

    connect(m_start, &QPushButton::clicked, this, &MainWindow::start);
    connect(m_submit, &QPushButton::clicked, this, &MainWindow::submit);
    connect(m_inversion, &QComboBox::activated, this, &MainWindow::inversionChosen);
    connect(m_clear, &QPushButton::clicked, this, &MainWindow::clear);
    connect(m_showChoices, &QPushButton::clicked, this, &MainWindow::showChoices);
    connect(m_hideDisplay, &QPushButton::clicked, this, &MainWindow::hideDisplay);
}

void MainWindow::connectEarTrainingWindow() {
    connect(m_earTraining, &EarTrainingWindow::submitRequested, m_submit, &QPushButton::click);
    connect(m_earTraining, &EarTrainingWindow::showChoicesRequested, m_showChoices, &QPushButton::click);
    connect(m_earTraining, &EarTrainingWindow::repeatRequested, this, [this] {
        m_clear->click();
        m_earTraining->submitButton()->setFocus();
    });
    connect(m_earTraining, &EarTrainingWindow::resetRequested, this, &MainWindow::reset);
    connect(m_earTraining, &EarTrainingWindow::optionsRequested, this,
            [this] { m_state.current->editOptions(*m_desk); });
    connect(m_earTraining, &EarTrainingWindow::showDisplayRequested, this, [this] {
        showMainWindow();
        m_showChoices->click();
    });
    connect(m_earTraining, &EarTrainingWindow::closeRequested, this, [this] {
        endrun();
        terminate();
    });
}

} // namespace tonalyst
