#pragma once

#include "platform/Clock.h"
#include "platform/Prompter.h"
#include "progress/ProgressDesktop.h"
#include "progress/ProgressStatistics.h"

#include <QFutureWatcher>
#include <QThreadPool>
#include <QWidget>

#include <memory>

class QComboBox;
class QLabel;
class QPushButton;
class QScrollArea;

namespace tonalyst {

class ActivitySection;

// How a student is doing over time: a chart per activity with its figures as a table,
// the weak spots and the confusions, for a period and activity chosen in the window. The
// figures of each period are read on a worker thread, so a long history never holds the
// window up.
class ProgressWindow final : public QWidget {
    Q_OBJECT

public:
    ProgressWindow(const QString& userId, ProgressDesktop desktop, Clock& clock, Prompter& prompter,
                   QWidget* parent = nullptr);
    ~ProgressWindow() override;

    // True while answers are read, figures worked out or a file written.
    bool isBusy() const;
    // The dates the chosen period covers.
    ProgressQuery query() const;
    QList<ActivitySection*> sections() const;

    // Shown whole on the screen, over the window it is opened from.
    void setVisible(bool visible) override;

signals:
    // The tables and charts show the chosen period and activity.
    void figuresShown();

private:
    void buildControls();
    void startComputing();
    void figuresComputed();
    void showFigures();
    void addNextSection(int showing);
    void updateTabOrder();
    void exportCsv();
    void exported();

    // How an export went: the answers written, or why none were.
    struct Export {
        QString path;
        int answers = 0;
        QString error;
    };

    struct Figures {
        int generation = 0;
        FiguresLoad load;
    };

    QString m_userId;
    ProgressDesktop m_desktop;
    Clock& m_clock;
    Prompter& m_prompter;

    std::unique_ptr<ProgressStatistics> m_statistics;
    bool m_anyAnswers = false;
    // A history that cannot be read is said once, not at every change of period.
    bool m_toldError = false;
    QFutureWatcher<Figures> m_computing;
    QFutureWatcher<Export> m_exporting;
    // The window's reading and exporting run on threads of its own, apart from the pool Qt
    // itself uses for drawing; destroyed first, it waits for a read still running.
    QThreadPool m_workers;
    // Figures worked out for a period since changed are not shown.
    int m_generation = 0;
    // The activities whose sections are still to be built, and which showing they belong to.
    std::vector<int> m_pendingSections;
    int m_showing = 0;
    bool m_awaitingFigures = false;
    bool m_awaitingExport = false;

    QComboBox* m_period;
    QComboBox* m_activity;
    QLabel* m_summary;
    QPushButton* m_export;
    QPushButton* m_close;
    QScrollArea* m_scroll;
};

} // namespace tonalyst
