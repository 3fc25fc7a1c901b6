#include "app/ClassServerLink.h"

#include "app/ClassServerDialog.h"

#include <QLabel>
#include <QMainWindow>
#include <QSettings>
#include <QStatusBar>

namespace tonalyst {

ClassServerLink::ClassServerLink(QMainWindow& window, QString settingsFile)
    : QObject(&window), m_window(window), m_settingsFile(std::move(settingsFile)) {
    recreateWorker();
}

void ClassServerLink::recreateWorker() {
    // A worker pushes one user's answers: the outbox is made for the user of the moment.
    PushWorker::OutboxFactory factory;
    if (m_outbox)
        factory = [maker = m_outbox, userId = m_userId] { return maker(userId); };
    m_worker = std::make_unique<PushWorker>(std::move(factory));
    connect(m_worker.get(), &PushWorker::pushed, this, &ClassServerLink::showStatus);
}

void ClassServerLink::setOutbox(OutboxMaker maker) {
    m_outbox = std::move(maker);
    recreateWorker();
    push();
}

void ClassServerLink::setUser(const QString& userId) {
    const bool otherUser = userId != m_userId;
    m_userId = userId;
    if (otherUser && m_outbox)
        recreateWorker();
    const QSettings stored(m_settingsFile, QSettings::IniFormat);
    m_settings = ClassServerSettings::load(stored, userId);
    // What was waiting was the last user's.
    if (m_line)
        m_line->clear();
    push();
}

void ClassServerLink::runEnded() {
    push();
}

void ClassServerLink::push() {
    if (!m_settings.enabled) {
        if (m_line)
            m_window.statusBar()->hide();
        return;
    }
    if (!m_outbox) {
        showLine(tr("Class server: on. Answers are sent once your answer history is kept."));
        return;
    }
    showLine(m_line && !m_line->text().isEmpty() ? m_line->text()
                                                 : tr("Class server: sending your answers ..."));
    m_worker->request(m_settings.server);
}

void ClassServerLink::showStatus(const PushStatus& status) {
    // A push for a server the user has since turned off says nothing.
    if (m_settings.enabled)
        showLine(pushStatusText(status));
}

void ClassServerLink::showLine(const QString& text) {
    if (!m_line) {
        m_line = new QLabel(&m_window);
        m_line->setObjectName(QStringLiteral("lblClassServer"));
        m_window.statusBar()->addWidget(m_line, 1);
    }
    m_line->setText(text);
    m_line->setToolTip(text);
    m_window.statusBar()->show();
}

QString ClassServerLink::statusText() const {
    return m_line && !m_window.statusBar()->isHidden() ? m_line->text() : QString();
}

void ClassServerLink::openDialog() {
    ClassServerDialog dialog(m_settings, *m_worker, &m_window);
    if (dialog.exec() != QDialog::Accepted)
        return;
    m_settings = dialog.settings();
    QSettings stored(m_settingsFile, QSettings::IniFormat);
    m_settings.save(stored, m_userId);
    push();
}

} // namespace tonalyst
