#pragma once

#include "classserver/ClassServerSettings.h"

#include <QDialog>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace tonalyst {

class PushWorker;

// "Class Server ...": whether this user's answers go to the class server, and which one.
// The connection is tested on the worker's thread, so the dialog never waits for it.
class ClassServerDialog final : public QDialog {
    Q_OBJECT

public:
    ClassServerDialog(const ClassServerSettings& settings, PushWorker& worker, QWidget* parent = nullptr);

    ClassServerSettings settings() const;

private:
    void testConnection();
    void showTestResult(bool ok, const QString& message);

    QCheckBox* m_enabled;
    QLineEdit* m_server;
    QPushButton* m_test;
    QLabel* m_result;
    PushWorker& m_worker;
};

} // namespace tonalyst
