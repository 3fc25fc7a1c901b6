#pragma once

#include <QUrl>
#include <QWidget>

class QTextBrowser;

// Registers the help pages, which live in a static library and are not linked in
// unless something asks for them. Safe to call more than once.
void initHelpResources();

namespace tonalyst {

// The program's help: HTML pages built into the program, shown with back, forward and
// contents buttons. One window serves the whole run; it is hidden when closed. A
// language's pages are a lang section of help.qrc under the same names, which Qt's
// resources choose by the program's locale; the English pages are the fallback.
class HelpWindow final : public QWidget {
    Q_OBJECT

public:
    // The help contexts: where the Contents, Theory Help and Program Help items open.
    enum Context { ContentsContext = 1, TheoryContext = 2, ProgramContext = 3 };

    explicit HelpWindow(QWidget* parent = nullptr);

    // The page of a help context; an empty URL for a context that has none.
    static QUrl pageForContext(int context);

    // Shows the window at the contents page.
    void showContents();
    // Shows the window at a context's page. False, and nothing shown, for an unknown context.
    bool showContext(int context);
    // The Help menu's items in order: 0 the contents, 1 to 3 the contexts of the same number.
    bool showForHelpMenuItem(int index);

    QUrl currentPage() const;

private:
    void showPage(const QUrl& page);

    QTextBrowser* m_browser = nullptr;
};

} // namespace tonalyst
