#pragma once

#include <QDialog>
#include <QStringList>

class QPlainTextEdit;

namespace tonalyst {

// frmrepdisplay: the compiled report as fixed-column text, with Close, Print Report and Back.
// The report dialog decides what the buttons do.
class ReportDisplayWindow final : public QDialog {
    Q_OBJECT

public:
    explicit ReportDisplayWindow(QWidget* parent = nullptr);

    void clearReport();
    // Adds a report below whatever the window already shows.
    void appendLines(const QStringList& lines);
    QString reportText() const;

signals:
    void closeClicked();
    void printClicked();
    void backClicked();

private:
    QPlainTextEdit* m_surface;
    QStringList m_lines;
};

} // namespace tonalyst
