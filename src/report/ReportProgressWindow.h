#pragma once

#include <QDialog>
#include <QStringList>

class QLabel;
class QProgressBar;

namespace tonalyst {

// frmrepmsg: says what is being done and how far the data file has been read.
class ReportProgressWindow final : public QDialog {
    Q_OBJECT

public:
    explicit ReportProgressWindow(QWidget* parent = nullptr);

    // Clears the window, writes the lines into it, and shows it at 0 percent at once.
    void showLines(const QStringList& lines);
    void setPercent(int percent);

private:
    QLabel* m_text;
    QProgressBar* m_bar;
    QLabel* m_percent;
};

} // namespace tonalyst
