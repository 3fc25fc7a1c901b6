#include "startup/AccessibilityAids.h"

#include "platform/ControlNames.h"

#include <QApplication>
#include <QEvent>
#include <QRadioButton>
#include <QTimer>

namespace tonalyst {

namespace {

constexpr char kIdShown[] = "tonalystAccessibleIdShown";

void keepOptionsInTabChain(QRadioButton* focused) {
    QWidget* parent = focused->parentWidget();
    if (!parent)
        return;
    for (QRadioButton* option : parent->findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly))
        option->setFocusPolicy(static_cast<Qt::FocusPolicy>(option->focusPolicy() | Qt::TabFocus));
}

} // namespace

QString accessibleIdSuffix(const QObject* control) {
    const QString name = control->objectName();
    if (name.isEmpty() || name.startsWith(QLatin1String("qt_")))
        return {};
    const int index = controlIndex(control);
    return index < 0 ? QStringLiteral(" [id=%1]").arg(name) : QStringLiteral(" [id=%1(%2)]").arg(name).arg(index);
}

AccessibilityAids::AccessibilityAids(bool exposeIds, QObject* parent) : QObject(parent), m_exposeIds(exposeIds) {}

void AccessibilityAids::install(QApplication& app) {
    const bool ids = qEnvironmentVariableIntValue("TONALYST_ACCESSIBLE_IDS") != 0;
    app.installEventFilter(new AccessibilityAids(ids, &app));
}

bool AccessibilityAids::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn) {
        if (auto* option = qobject_cast<QRadioButton*>(watched)) {
            // The button takes the others out of the Tab chain after this filter has run.
            QTimer::singleShot(0, option, [option] { keepOptionsInTabChain(option); });
        }
    } else if (m_exposeIds && event->type() == QEvent::Polish && watched->isWidgetType() &&
               !watched->property(kIdShown).toBool()) {
        auto* widget = static_cast<QWidget*>(watched);
        const QString suffix = accessibleIdSuffix(widget);
        if (!suffix.isEmpty()) {
            widget->setProperty(kIdShown, true);
            const QString described =
                widget->accessibleDescription().isEmpty() ? widget->toolTip() : widget->accessibleDescription();
            widget->setAccessibleDescription(described.isEmpty() ? suffix.trimmed() : described + suffix);
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace tonalyst
