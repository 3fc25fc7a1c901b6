#pragma once

#include <QObject>
#include <QString>

class QApplication;

namespace tonalyst {

// Application-wide aids for students who work without a mouse or with a screen reader.
// - Every option button stays a Tab stop, so a group of options is worked with Tab and
//   Space alone (the toolkit leaves only the focused one of a group in the Tab chain).
// - When asked (TONALYST_ACCESSIBLE_IDS=1 in the environment), every named control's
//   accessible description ends with its design name, "[id=cmdOK]" or for a member of a
//   control array "[id=note(5)]", so test tools on the accessibility bus find controls by
//   the names the program gives them. The toolkit's accessibility bridge has no identifier
//   of its own to carry them; screen-reader users are spared the names unless asked.
class AccessibilityAids final : public QObject {
    Q_OBJECT

public:
    AccessibilityAids(bool exposeIds, QObject* parent);

    // Installs the aids on the application, the identifiers when the environment asks.
    static void install(QApplication& app);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool m_exposeIds;
};

// " [id=cmdOK]", " [id=note(5)]": the suffix that carries a control's design name.
QString accessibleIdSuffix(const QObject* control);

} // namespace tonalyst
