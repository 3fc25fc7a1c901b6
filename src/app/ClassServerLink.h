#pragma once

#include "classserver/ClassServerSettings.h"
#include "classserver/PushWorker.h"

#include <QObject>
#include <QString>

class QLabel;
class QMainWindow;

namespace tonalyst {

// The main window's tie to the class server: sends the user's waiting answers at start
// and after each run, on a worker, and keeps the status bar's line about them. The status
// bar appears only once the user has turned the class server on.
class ClassServerLink final : public QObject {
    Q_OBJECT

public:
    // `settingsFile`: where each user's choice is kept.
    ClassServerLink(QMainWindow& window, QString settingsFile);

    // Where a user's waiting answers are: the answer history, made on the worker's thread.
    using OutboxMaker = std::function<std::unique_ptr<AnswerOutbox>(const QString& userId)>;
    void setOutbox(OutboxMaker maker);
    void setUser(const QString& userId);
    void runEnded();
    void openDialog();

    const ClassServerSettings& settings() const { return m_settings; }
    PushWorker& worker() { return *m_worker; }
    QString statusText() const;

private:
    void push();
    void showStatus(const PushStatus& status);
    void showLine(const QString& text);
    void recreateWorker();

    QMainWindow& m_window;
    QString m_settingsFile;
    QString m_userId;
    ClassServerSettings m_settings;
    OutboxMaker m_outbox;
    std::unique_ptr<PushWorker> m_worker;
    QLabel* m_line = nullptr;
};

} // namespace tonalyst
