#include "app/HelpWindow.h"

#include "startup/AppIcon.h"
#include "startup/ScreenFit.h"

#include <QAction>
#include <QFile>
#include <QStyle>
#include <QTextBrowser>
#include <QToolBar>
#include <QVBoxLayout>

void initHelpResources() {
    static bool registered = false;
    if (registered)
        return;
    Q_INIT_RESOURCE(help);
    registered = true;
}

namespace tonalyst {

namespace {

QUrl helpPage(const char* file) {
    return QUrl(QStringLiteral("qrc:/help/") + QLatin1String(file));
}

QString helpStyleSheet() {
    QFile css(QStringLiteral(":/help/help.css"));
    if (!css.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(css.readAll());
}

} // namespace

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    initHelpResources();
    setObjectName(QStringLiteral("helpWindow"));
    setWindowTitle(tr("Tonalyst Help"));
    setWindowIcon(appIcon());

    m_browser = new QTextBrowser(this);
    m_browser->setObjectName(QStringLiteral("helpBrowser"));
    m_browser->setAccessibleName(tr("Help page"));
    m_browser->setOpenExternalLinks(true);
    m_browser->document()->setDefaultStyleSheet(helpStyleSheet());
    m_browser->document()->setDocumentMargin(18);
    m_browser->setFrameShape(QFrame::NoFrame);

    auto* toolBar = new QToolBar(this);
    toolBar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    QAction* back = toolBar->addAction(style()->standardIcon(QStyle::SP_ArrowBack), tr("Back"));
    back->setObjectName(QStringLiteral("helpBack"));
    back->setShortcut(QKeySequence::Back);
    back->setEnabled(false);
    QAction* forward = toolBar->addAction(style()->standardIcon(QStyle::SP_ArrowForward), tr("Forward"));
    forward->setObjectName(QStringLiteral("helpForward"));
    forward->setShortcut(QKeySequence::Forward);
    forward->setEnabled(false);
    toolBar->addSeparator();
    QAction* contents = toolBar->addAction(tr("Contents"));
    contents->setObjectName(QStringLiteral("helpContents"));
    QAction* theory = toolBar->addAction(tr("Theory Help"));
    theory->setObjectName(QStringLiteral("helpTheory"));
    QAction* program = toolBar->addAction(tr("Program Help"));
    program->setObjectName(QStringLiteral("helpProgram"));
    // Every button in sight: the tool bar would hide what it has no room for behind an arrow.
    toolBar->setMinimumWidth(toolBar->sizeHint().width());

    connect(back, &QAction::triggered, m_browser, &QTextBrowser::backward);
    connect(forward, &QAction::triggered, m_browser, &QTextBrowser::forward);
    connect(m_browser, &QTextBrowser::backwardAvailable, back, &QAction::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, forward, &QAction::setEnabled);
    connect(contents, &QAction::triggered, this, [this] { showPage(pageForContext(ContentsContext)); });
    connect(theory, &QAction::triggered, this, [this] { showPage(pageForContext(TheoryContext)); });
    connect(program, &QAction::triggered, this, [this] { showPage(pageForContext(ProgramContext)); });
    connect(m_browser, &QTextBrowser::sourceChanged, this, [this] {
        const QString title = m_browser->documentTitle();
        setWindowTitle(title.isEmpty() ? tr("Tonalyst Help") : tr("Tonalyst Help - %1").arg(title));
    });

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(toolBar);
    layout->addWidget(m_browser);
    resize(760, 640);
}

QUrl HelpWindow::pageForContext(int context) {
    switch (context) {
    case ContentsContext:
        return helpPage("index.html");
    case TheoryContext:
        return helpPage("theory.html");
    case ProgramContext:
        return helpPage("program.html");
    default:
        return {};
    }
}

void HelpWindow::showContents() {
    showPage(pageForContext(ContentsContext));
}

bool HelpWindow::showContext(int context) {
    const QUrl page = pageForContext(context);
    if (page.isEmpty())
        return false;
    showPage(page);
    return true;
}

bool HelpWindow::showForHelpMenuItem(int index) {
    if (index == 0) {
        showContents();
        return true;
    }
    return showContext(index);
}

QUrl HelpWindow::currentPage() const {
    return m_browser->source();
}

void HelpWindow::showPage(const QUrl& page) {
    if (m_browser->source() != page)
        m_browser->setSource(page);
    if (!isVisible())
        placeOnScreen(this, parentWidget());
    show();
    raise();
    activateWindow();
}

} // namespace tonalyst
