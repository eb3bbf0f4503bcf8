#include "oraclewindow.h"

#include "clickable.h"
#include "commonmenus.h"
#include "look.h"
#include "oraclewindowlooks.h"
#include "readingcommands.h"
#include "readingoutput.h"
#include "services.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QEventLoop>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QShortcut>
#include <QTimer>
#include <utility>

OracleWindow::OracleWindow(OracleHost &host, OracleId oracle)
    : OracleWindow(host, oracle, QLatin1String(OracleIcon.at(oracle)))
{
}

OracleWindow::OracleWindow(OracleHost &host, const QString &icon)
    : OracleWindow(host, std::nullopt, icon)
{
}

OracleWindow::OracleWindow(OracleHost &host, std::optional<OracleId> oracle, const QString &icon)
    : m_host(host)
    , m_oracle(oracle)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_StyledBackground); // the forms colour their backgrounds by style sheet
    setWindowIcon(QIcon(icon));
    if (!m_oracle)
        setFont(desktopFont()); // not laid out in pixels: the Library follows the desktop
}

OracleWindow::~OracleWindow() = default;

const OracleWindowLook &OracleWindow::look() const
{
    const OracleWindowLook *look = oracleWindowLook(metaObject()->className());
    if (!look)
        qFatal("Augurium: %s is not one of the oracle windows", metaObject()->className());
    return *look;
}

void OracleWindow::dress()
{
    MenuBarLook menus{.fileItems = m_fileItems};
    if (m_oracle) {
        const OracleWindowLook &look = this->look();
        placePromotions(this, services(), look.promotions);
        menus = {look.updateCaption, QLatin1String(look.makeMoney), m_fileItems};
    }
    pressFocusedButtonOnEnter(this);
    m_menuBar = buildCommonMenuBar(
        this, services(), menus, [this] { closeWindow(); }, [&host = m_host] { host.openLibrary(); });
    if (!m_oracle)
        setMenuFont(m_menuBar, desktopFont());
}

// Once in its frame: the move there dresses the controls anew by the form's
// style sheet, which would take the desktop's colours back.
void OracleWindow::keepDesignedColours()
{
    if (m_oracle)
        dressAsDesigned(this);
}

QAction *OracleWindow::addFileItem(const char *name, SourceText text, std::function<void()> run)
{
    auto *item = new QAction(QCoreApplication::translate(text.context, text.text), this);
    item->setObjectName(QLatin1String(name));
    connect(item, &QAction::triggered, this, std::move(run));
    m_fileItems.append(item);
    m_fileItemTexts.append(text);
    return item;
}

void OracleWindow::translateFileItems()
{
    for (qsizetype i = 0; i < m_fileItemTexts.size(); ++i)
        m_fileItems[i]->setText(QCoreApplication::translate(m_fileItemTexts[i].context, m_fileItemTexts[i].text));
}

void OracleWindow::offerReadingCommands()
{
    m_readingCommands = new ReadingCommands(this, services());
    m_fileItems.append(m_readingCommands->menuItems()); // after the items with a text of their window
}

void OracleWindow::setReading(std::optional<ReadingDescription> reading)
{
    // A reading told again in another language leaves the focus where it is.
    if (m_readingText && reading) {
        m_readingText->setAccessibleName(spokenText(*reading));
        // A window in sight that shows the text only later moves the focus
        // there itself.
        if (!isShown())
            focusWhenShown(m_readingText);
        else if (m_readingText->isVisible() && !m_retranslating)
            m_readingText->setFocus(Qt::OtherFocusReason);
    }
    m_readingCommands->setReading(std::move(reading));
}

void OracleWindow::readAloudIn(QLabel *text)
{
    m_readingText = text;
    if (text->focusPolicy() == Qt::StrongFocus)
        return; // ready already: the window goes back to a text it read before
    text->setFocusPolicy(Qt::StrongFocus);
    showFocusMark(text);
}

QString OracleWindow::spokenText(const ReadingDescription &reading) const
{
    return spokenReading(reading);
}

ReadingDescription OracleWindow::newReading() const
{
    return {oracleName(m_oracle.value()), services().clock.now(), {}, {}};
}

void OracleWindow::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        if (!m_oracle) { // the desktop's font, in the new language's Han forms
            setFont(desktopFont());
            setMenuFont(m_menuBar, desktopFont());
        }
        m_retranslating = true;
        translateFileItems();
        retranslate();
        m_retranslating = false;
    }
    QWidget::changeEvent(event);
}

void OracleWindow::addBackItem(std::function<void()> run)
{
    const OracleWindowLook::BackItem &back = look().back;
    if (!back.name)
        qFatal("Augurium: %s has no Back in its File menu", metaObject()->className());
    addFileItem(back.name, {"OracleWindow", back.text}, std::move(run));
}

void OracleWindow::connectButton(QAbstractButton *button, std::function<void()> run)
{
    connect(button, &QAbstractButton::clicked, this, std::move(run));
}

namespace {
// Keypad Enter, left by the focused control, presses the button. Not a
// shortcut: shortcuts take their keys before a screen reader hears them, and
// on this key a screen reader tells where the user is.
class KeypadEnterPresses final : public QObject {
public:
    KeypadEnterPresses(QWidget *window, QPushButton *button)
        : QObject(window)
        , m_button(button)
    {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress || !m_button)
            return false;
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() != Qt::Key_Enter || (key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
            return false;
        m_button->click();
        return true;
    }

private:
    QPointer<QPushButton> m_button;
};
}

void OracleWindow::connectExit(QPushButton *exit)
{
    connect(exit, &QPushButton::clicked, this, &OracleWindow::closeWindow);
    exit->setDefault(true);
    new KeypadEnterPresses(this, exit);
    for (const QKeySequence &key : {QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Escape)}) {
        auto *shortcut = new QShortcut(key, this);
        shortcut->setContext(Qt::WidgetWithChildrenShortcut);
        connect(shortcut, &QShortcut::activated, exit, &QPushButton::click);
    }
}

namespace {
QMdiSubWindow *frameOf(const QWidget *window)
{
    return qobject_cast<QMdiSubWindow *>(window->parentWidget());
}
}

void OracleWindow::showWindow()
{
    QMdiSubWindow *frame = frameOf(this);
    if (!frame || m_closed)
        return;
    frame->show();
    frame->mdiArea()->setActiveSubWindow(frame);
    focusFirstTabStop();
    m_host.updateMenuBar();
}

// The keys go to the window in front: when it first shows, to the control
// named for that; otherwise to its first tab stop, unless one of its
// controls already holds the focus.
void OracleWindow::focusFirstTabStop()
{
    if (const QPointer<QWidget> first = std::exchange(m_firstFocus, nullptr);
        first && first->isVisible() && first->isEnabled()) {
        first->setFocus(Qt::OtherFocusReason);
        return;
    }
    const QWidget *focused = QApplication::focusWidget();
    if (focused && isAncestorOf(focused) && focused->isVisible())
        return;
    for (QWidget *w = nextInFocusChain(); w != this && isAncestorOf(w); w = w->nextInFocusChain())
        if ((w->focusPolicy() & Qt::TabFocus) && w->isEnabled() && w->isVisible()) {
            w->setFocus(Qt::TabFocusReason);
            return;
        }
}

void OracleWindow::hideWindow()
{
    if (QMdiSubWindow *frame = frameOf(this))
        frame->hide();
    m_host.updateMenuBar();
}

void OracleWindow::closeWindow()
{
    if (QMdiSubWindow *frame = frameOf(this))
        frame->close();
    else
        close();
}

bool OracleWindow::isShown() const
{
    const QMdiSubWindow *frame = frameOf(this);
    return frame && frame->isVisible();
}

void OracleWindow::showReading(OracleWindow &result)
{
    result.m_start = this;
    m_focusBeforeReading = focusWidget();
    hideWindow();
    result.showWindow();
    m_host.setWelcomeVisible(false);
}

void OracleWindow::backToStart()
{
    const QPointer<OracleWindow> start = m_start;
    if (start)
        start->readyForAnotherReading();
    closeWindow(); // shows the welcome panel
    if (!start || start->isClosed())
        return; // nothing to go back to: the welcome panel stays
    // The focus goes back where the user left it, if that is still in sight,
    // or else where the start window, made ready for another reading, put it.
    const QPointer<QWidget> ready = start->focusWidget();
    start->showWindow();
    for (QWidget *left : {start->m_focusBeforeReading.data(), ready.data()})
        if (left && left->isVisible() && left->isEnabled()) {
            left->setFocus(Qt::OtherFocusReason);
            break;
        }
    m_host.setWelcomeVisible(false);
}

bool OracleWindow::PauseSeconds(int seconds)
{
    if (m_pausing || m_closed)
        return false;
    const QPointer<OracleWindow> alive(this);
    m_pausing = true;
    emit pauseChanged(true);
    const Clock &clock = services().clock;
    const qint64 end = clock.monotonicMsecs() + qint64(seconds) * 1000;
    bool waited = true;
    for (qint64 left = end - clock.monotonicMsecs(); waited && left > 0; left = end - clock.monotonicMsecs()) {
        QEventLoop loop;
        waited = false;
        QTimer::singleShot(left, &loop, [&loop, &waited] {
            waited = true;
            loop.quit();
        });
        m_pause = &loop;
        loop.exec();
        if (!alive)
            return false;
        m_pause = nullptr;
        // Cut short: the window closed, or the program is ending.
        waited = waited && !m_closed;
    }
    m_pausing = false;
    emit pauseChanged(false);
    return waited;
}

// Tab goes round the window's own controls. Left to the toolkit, the frame
// around the window would take the focus on the way round, only to hand it
// on at once: a screen reader then announces the frame, not the control.
bool OracleWindow::focusNextPrevChild(bool next)
{
    if (m_pausing)
        return true; // nothing in the window is for the keys while a reading is drawn
    QWidget *from = QApplication::focusWidget();
    if (!from || !isAncestorOf(from))
        return QWidget::focusNextPrevChild(next);
    for (QWidget *w = next ? from->nextInFocusChain() : from->previousInFocusChain(); w != from;
         w = next ? w->nextInFocusChain() : w->previousInFocusChain()) {
        if (isAncestorOf(w) && (w->focusPolicy() & Qt::TabFocus) && !w->focusProxy() && w->isVisibleTo(this)
            && w->isEnabled()) {
            w->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            return true;
        }
    }
    return true;
}

void OracleWindow::closeEvent(QCloseEvent *event)
{
    event->accept();
    m_closed = true;
    if (m_pause)
        m_pause->quit(); // a reading waiting in this window ends here
    m_host.setWelcomeVisible(true);
    m_host.updateMenuBar();
}
