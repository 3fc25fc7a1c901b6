#include "staff/StaffAccessible.h"

#include "staff/StaffWidget.h"

namespace tonalyst {

namespace {

QAccessibleInterface* staffFactory(const QString& className, QObject* object) {
    if (className == QLatin1String("tonalyst::StaffWidget") && object && object->isWidgetType())
        return new StaffAccessible(static_cast<StaffWidget*>(object));
    return nullptr;
}

} // namespace

StaffAccessible::StaffAccessible(StaffWidget* staff) : QAccessibleWidget(staff, QAccessible::StaticText) {}

void StaffAccessible::install() {
    static const bool installed = [] {
        QAccessible::installFactory(staffFactory);
        return true;
    }();
    (void)installed;
}

void* StaffAccessible::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

QString StaffAccessible::content() const {
    return static_cast<const StaffWidget*>(widget())->spokenText();
}

QString StaffAccessible::text(QAccessible::Text t) const {
    switch (t) {
    case QAccessible::Name:
        return widget()->accessibleName();
    case QAccessible::Description:
        // Anything the widget was described with follows the staff's own text.
        return widget()->accessibleDescription().isEmpty()
                   ? content()
                   : content() + QLatin1Char(' ') + widget()->accessibleDescription();
    case QAccessible::Value:
        return content();
    default:
        return QAccessibleWidget::text(t);
    }
}

void StaffAccessible::selection(int, int* startOffset, int* endOffset) const {
    *startOffset = 0;
    *endOffset = 0;
}

QString StaffAccessible::text(int startOffset, int endOffset) const {
    return content().mid(startOffset, endOffset - startOffset);
}

int StaffAccessible::characterCount() const {
    return static_cast<int>(content().size());
}

QString StaffAccessible::attributes(int, int* startOffset, int* endOffset) const {
    *startOffset = 0;
    *endOffset = characterCount();
    return QString();
}

} // namespace tonalyst
