#include "frmmdi.h"
#include "ui_frmmdi.h"

#include "clickable.h"
#include "commonmenus.h"
#include "look.h"
#include "modhelp.h"
#include "oraclewindow.h"
#include "screenreader.h"
#include "services.h"

#include <QApplication>
#include <QCloseEvent>
#include <QIcon>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPointer>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <algorithm>

namespace {
// lblCaption index of each oracle's link title, by OracleId.
constexpr int FirstLinkCaption = 3;
constexpr int ButtonBarHeight = 60;

// How far to scroll along one axis so that [low, high] comes into [viewLow,
// viewHigh]; where it cannot all fit, its start comes first.
int scrollNeeded(int low, int high, int viewLow, int viewHigh)
{
    if (low < viewLow)
        return low - viewLow;
    if (high > viewHigh)
        return std::min(high - viewHigh, low - viewLow);
    return 0;
}
}

frmMDI::frmMDI(Services &services, OracleRegistry oracles, QWidget *parent)
    : QMainWindow(parent)
    , ui(std::make_unique<Ui::frmMDI>())
    , m_services(services)
    , m_oracles(std::move(oracles))
{
    describeToScreenReaders();
    retellFocusOnActivation(this);
    ui->setupUi(this);
    // The strips are laid out in pixels; the area between them, where the
    // Library also opens, follows the desktop's colours.
    for (QWidget *strip : std::initializer_list<QWidget *>{ui->Picture6, ui->Picture1, ui->picMain, ui->PicCoBrand})
        dressAsDesigned(strip);
    findOwnAccessKeys();
    setWindowIcon(QIcon(QStringLiteral(":/shell/augurium.png")));
    QFont banner = ui->lblStarloomBanner->font(); // a size between whole points, which a form cannot hold
    banner.setPointSizeF(9.75);
    ui->lblStarloomBanner->setFont(banner);
    cmdSelectOption = {ui->cmdSelectOption_0, ui->cmdSelectOption_1, ui->cmdSelectOption_2, ui->cmdSelectOption_3,
                       ui->cmdSelectOption_4};
    lblCaption = {ui->lblCaption_0, ui->lblCaption_1, ui->lblCaption_2, ui->lblCaption_3,
                  ui->lblCaption_4, ui->lblCaption_5, ui->lblCaption_6, ui->lblCaption_7};
    const std::array<QLabel *, OracleCount> icons{ui->Picture2, ui->Picture3, ui->Picture4, ui->Picture5, ui->Picture7};

    for (int id = 0; id < OracleCount; ++id) {
        icons[id]->setPixmap(QIcon(QLatin1String(OracleIcon[id])).pixmap(QSize(32, 32), devicePixelRatio()));
        connect(cmdSelectOption[id], &QPushButton::clicked, this, [this, id] { cmdSelectOption_Click(id); });
    }
    for (int index = 0; index < int(lblCaption.size()); ++index) {
        const bool link = index >= FirstLinkCaption;
        makeClickable(
            lblCaption[index], [this, index] { lblCaption_Click(index); },
            link ? std::optional(Pointer::Link) : std::nullopt);
        if (!link)
            lblCaption[index]->setFocusPolicy(Qt::NoFocus); // a heading, not a command
        lblCaption[index]->setMouseTracking(true);
        lblCaption[index]->installEventFilter(this);
    }
    ui->picMain->setMouseTracking(true);
    ui->picMain->installEventFilter(this);

    makeClickable(
        ui->Picture6, [this] { OpenHomePage(m_services.urls); }, Pointer::Link);
    ui->Picture6->setFocusPolicy(Qt::NoFocus); // the banner text on it is the same link
    makeClickable(
        ui->lblStarloomBanner, [this] { OpenHomePage(m_services.urls); }, Pointer::Link);
    makeClickable(
        ui->Label7, [this] { OpenFullyBrandedPage(m_services.urls); }, Pointer::Link);
    connect(ui->cmdMdiExit, &QPushButton::clicked, this, &QWidget::close);
    pressFocusedButtonOnEnter(this);
    // Tab takes the launcher buttons left to right, the oracle titles top to
    // bottom, then the links; set here, as the labels take the focus only now.
    const QList<QWidget *> tabOrder{ui->cmdSelectOption_1, ui->cmdSelectOption_2, ui->cmdSelectOption_3,
                                    ui->cmdSelectOption_0, ui->cmdSelectOption_4, ui->lblCaption_4,
                                    ui->lblCaption_5,      ui->lblCaption_6,      ui->lblCaption_3,
                                    ui->lblCaption_7,      ui->lblStarloomBanner, ui->Label7,
                                    ui->cmdMdiExit};
    for (qsizetype i = 1; i < tabOrder.size(); ++i)
        setTabOrder(tabOrder[i - 1], tabOrder[i]);

    m_ownMenuBar = buildCommonMenuBar(
        this, m_services, {}, [this] { close(); }, [this] { openLibrary(); });
    menuBar()->addActions(m_ownMenuBar);
    connect(ui->mdiArea, &QMdiArea::subWindowActivated, this, &frmMDI::updateMenuBar);
    // A window bigger than the free area (a small screen, a large scale) can
    // still be scrolled into reach.
    ui->mdiArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    ui->mdiArea->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    // ...and followed with the keyboard: the area scrolls to the control that
    // takes the focus, once the step that moved it has settled.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget *, QWidget *now) {
        QMetaObject::invokeMethod(
            this,
            [this, focused = QPointer<QWidget>(now)] {
                if (focused && focused == QApplication::focusWidget())
                    keepInView(focused);
            },
            Qt::QueuedConnection);
    });
    centralWidget()->installEventFilter(this);

    MDIForm_Load();
    ui->cmdSelectOption_1->setFocus(); // the first launcher button, not the banner above it

    // Restored, the client area has its design size, centred on the screen;
    // the welcome panel gives up height on smaller screens, never the strips.
    resize(792, 546 + menuBar()->sizeHint().height());
    move(screen()->availableGeometry().center() - rect().center());
}

frmMDI::~frmMDI()
{
    // The client goes first, while the handlers it may still signal can run.
    disconnect(ui->mdiArea, nullptr, this, nullptr);
    delete takeCentralWidget();
}

// Maximised, the strips' contents are centred on the screen's width; restored
// or resized, on the window's own, which keeps them and the Exit button in
// sight.
int frmMDI::layoutWidth() const
{
    return isMaximized() ? screen()->geometry().width() : centralWidget()->width();
}

// The titles take their text's size once; every size of the window then
// centres them again.
void frmMDI::MDIForm_Load()
{
    for (int index = 0; index < int(lblCaption.size()); ++index)
        if (index != 1)
            lblCaption[index]->resize(lblCaption[index]->sizeHint());
    layOutStrips();
}

void frmMDI::layOutStrips()
{
    const int W = layoutWidth();
    const auto centre = [W](QWidget *w) { w->move(std::max(0, qRound((W - w->width()) / 2.0)), w->y()); };
    centre(ui->lblStarloomBanner);
    centre(ui->picButtonContainer);
    for (QLabel *caption : lblCaption)
        centre(caption);
    ui->cmdMdiExit->move(W - (ui->cmdMdiExit->width() + 8), ui->cmdMdiExit->y());

    // A window narrower than the launcher row scrolls the row, its scroll
    // bar added below the strip's design height rather than over the buttons.
    const int client = centralWidget()->width();
    const QWidget *row = ui->picButtonContainer;
    const bool scrolls = row->width() > client;
    ui->Picture1->setFixedHeight(ButtonBarHeight
                                 + (scrolls ? ui->Picture1->horizontalScrollBar()->sizeHint().height() : 0));
    ui->picButtonStrip->resize(std::max(client, row->x() + row->width()), ButtonBarHeight);
}

void frmMDI::cmdSelectOption_Click(int index)
{
    LaunchOracle(index);
}

void frmMDI::lblCaption_Click(int index)
{
    CloseAllOracleWindows();
    if (index >= FirstLinkCaption)
        LaunchOracle(index - FirstLinkCaption);
}

void frmMDI::lblCaption_MouseMove(int index)
{
    if (index < FirstLinkCaption)
        return;
    QFont font = lblCaption[index]->font();
    font.setUnderline(true);
    lblCaption[index]->setFont(font);
}

void frmMDI::picMain_MouseMove()
{
    for (QLabel *label : lblCaption) {
        QFont font = label->font();
        font.setUnderline(false);
        label->setFont(font);
    }
}

void frmMDI::LaunchOracle(int oracleId)
{
    if (oracleId < 0 || oracleId >= OracleCount)
        return;
    CloseAllOracleWindows();
    setWelcomeVisible(false);
    OracleWindow *start = m_oracles[oracleId](*this);
    start->showWindow();
    if (auto *sub = qobject_cast<QMdiSubWindow *>(start->parentWidget()))
        placeOracleWindow(sub);
}

void frmMDI::CloseAllOracleWindows()
{
    for (const char *name : OracleWindowClosingOrder)
        if (OracleWindow *window = findOracleWindow(QLatin1String(name)))
            window->closeWindow();
}

void frmMDI::openLibrary()
{
    setWelcomeVisible(false);
    // The area takes the panel's room now, so that a new Library is fitted into all of it.
    centralWidget()->layout()->activate();
    m_oracles.library(*this)->showWindow();
}

// A window closing over another still in sight (the Library over an oracle
// window, or one over the Library) leaves the welcome panel away.
void frmMDI::setWelcomeVisible(bool visible)
{
    visible = visible && !oracleWindowShown();
    ui->picMain->setVisible(visible);
    // An oracle window closing takes the focus with it: the keys come back
    // to the launcher, as at the start, not to nowhere.
    const QWidget *focused = QApplication::focusWidget();
    if (visible && (!focused || ui->mdiArea->isAncestorOf(focused)))
        ui->cmdSelectOption_1->setFocus(Qt::OtherFocusReason);
}

void frmMDI::adopt(OracleWindow *window)
{
    // The launcher finds its windows by class; the object name says the same.
    window->setObjectName(QLatin1String(window->metaObject()->className()));
    const Qt::WindowFlags frame = Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                                  | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    QMdiSubWindow *sub = ui->mdiArea->addSubWindow(window, frame);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    sub->setWindowIcon(window->windowIcon()); // the frame's title bar shows the frame's icon
    sub->setOption(QMdiSubWindow::RubberBandResize, false);
    if (window->isResizable()) {
        // Its form's size, as far as the area holds it, but never so small
        // that its texts are cut: the area scrolls to the rest, its scroll
        // bar then taking some of the width. The frame around it is what the
        // frame adds to the form's own size hint.
        const QSize frame = sub->sizeHint() - window->sizeHint();
        const QSize least = window->minimumSizeHint() + frame;
        QSize area = ui->mdiArea->viewport()->size();
        if (least.height() > area.height())
            area.rwidth() -= ui->mdiArea->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
        sub->resize((window->size() + frame).boundedTo(area).expandedTo(least));
    } else {
        window->setFixedSize(window->size());
        sub->adjustSize();
        sub->setFixedSize(sub->size());
    }
    sub->hide();
    sub->installEventFilter(this); // its close hands the keys on
    placeOracleWindow(sub);
}

void frmMDI::placeOracleWindow(QMdiSubWindow *subWindow) const
{
    // Centred like the strips, but not past the area's right edge where it
    // fits, and never left of its left edge, where no scroll bar could reach it.
    const int centred = qRound((layoutWidth() - subWindow->width()) / 2.0);
    subWindow->move(std::max(0, std::min(centred, ui->mdiArea->viewport()->width() - subWindow->width())), 0);
}

// A narrower main window draws its oracle windows in from the right, as far
// as they fit, rather than leave them cut off; one at the left edge, or
// scrolled past it, stays. The Library, which can be resized, first gives up
// the size the area lost, down to the least it needs.
void frmMDI::drawOracleWindowsIntoSight()
{
    const QSize area = ui->mdiArea->viewport()->size();
    for (QMdiSubWindow *sub : ui->mdiArea->subWindowList()) {
        if (const auto *window = qobject_cast<const OracleWindow *>(sub->widget()); window && window->isResizable()) {
            const QSize least = window->minimumSizeHint() + (sub->size() - window->size());
            sub->resize(sub->size().boundedTo(area).expandedTo(least));
            if (sub->y() > 0)
                sub->move(sub->x(), std::max(0, std::min(sub->y(), area.height() - sub->height())));
        }
        if (sub->x() > 0)
            sub->move(std::max(0, std::min(sub->x(), area.width() - sub->width())), sub->y());
    }
}

// Scrolls the launcher row, or the area, so that the control with the focus,
// in a row wider than the window or a window larger than the area, is in
// sight, its focus mark included.
void frmMDI::keepInView(QWidget *focused)
{
    constexpr int Margin = 4;
    if (ui->picButtonStrip->isAncestorOf(focused)) {
        ui->Picture1->ensureWidgetVisible(focused, Margin, 0);
        return;
    }
    QWidget *viewport = ui->mdiArea->viewport();
    if (!viewport->isAncestorOf(focused))
        return;
    const QRect control =
        QRect(focused->mapTo(viewport, QPoint()), focused->size()).adjusted(-Margin, -Margin, Margin, Margin);
    const QRect view = viewport->rect();
    QScrollBar *across = ui->mdiArea->horizontalScrollBar();
    QScrollBar *down = ui->mdiArea->verticalScrollBar();
    across->setValue(across->value() + scrollNeeded(control.left(), control.right(), view.left(), view.right()));
    down->setValue(down->value() + scrollNeeded(control.top(), control.bottom(), view.top(), view.bottom()));
}

// A window closing leaves none active, and the keys would fall through to
// the launcher: the window below it, the one last active of those still in
// sight, becomes the active window again, with the focus where it was.
void frmMDI::activateWindowBelow()
{
    if (!isActiveWindow() || ui->mdiArea->activeSubWindow())
        return;
    const QList<QMdiSubWindow *> order = ui->mdiArea->subWindowList(QMdiArea::ActivationHistoryOrder);
    for (auto sub = order.rbegin(); sub != order.rend(); ++sub) {
        auto *window = qobject_cast<OracleWindow *>((*sub)->widget());
        if (!(*sub)->isVisible() || !window || window->isClosed())
            continue;
        const QPointer<QWidget> focused = window->focusWidget();
        window->showWindow();
        if (focused && focused->isVisible() && focused->isEnabled())
            focused->setFocus(Qt::OtherFocusReason);
        return;
    }
}

bool frmMDI::oracleWindowShown() const
{
    const QList<QMdiSubWindow *> subs = ui->mdiArea->subWindowList();
    return std::any_of(subs.begin(), subs.end(), [](const QMdiSubWindow *sub) {
        const auto *window = qobject_cast<const OracleWindow *>(sub->widget());
        return sub->isVisible() && window && !window->isClosed();
    });
}

OracleWindow *frmMDI::findOracleWindow(const QString &className) const
{
    for (QMdiSubWindow *sub : ui->mdiArea->subWindowList()) {
        auto *window = qobject_cast<OracleWindow *>(sub->widget());
        if (window && !window->isClosed() && QLatin1String(window->metaObject()->className()) == className)
            return window;
    }
    return nullptr;
}

// An active oracle window's menus stand in the main window's menu bar; with
// none active, hidden or closing, the main window's own are there.
void frmMDI::updateMenuBar()
{
    const QMdiSubWindow *active = ui->mdiArea->activeSubWindow();
    const auto *window = active && active->isVisible() ? qobject_cast<OracleWindow *>(active->widget()) : nullptr;
    const bool oracleActive = window && !window->isClosed();
    setOwnAccessKeys(!oracleActive);
    const QList<QAction *> wanted = oracleActive ? window->menuBarActions() : m_ownMenuBar;
    if (menuBar()->actions() == wanted)
        return;
    for (QAction *action : menuBar()->actions())
        menuBar()->removeAction(action);
    menuBar()->addActions(wanted);
}

// The main window's own access keys (the Exit button's Alt+E) act only while
// no oracle window is active: inside one, keys act on that window, and Alt+E
// must not end the program there.
void frmMDI::setOwnAccessKeys(bool on)
{
    for (QAbstractButton *button : std::as_const(m_ownAccessKeys))
        button->setShortcut(on ? QKeySequence::mnemonic(button->text()) : QKeySequence());
}

bool frmMDI::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == centralWidget() && event->type() == QEvent::Resize) {
        layOutStrips();
        // Once the area has its new size.
        QMetaObject::invokeMethod(this, &frmMDI::drawOracleWindowsIntoSight, Qt::QueuedConnection);
    }
    if (event->type() == QEvent::Close && qobject_cast<QMdiSubWindow *>(watched))
        QMetaObject::invokeMethod(this, &frmMDI::activateWindowBelow, Qt::QueuedConnection); // once it is gone
    if (event->type() == QEvent::MouseMove) {
        if (watched == ui->picMain)
            picMain_MouseMove();
        else if (const auto found = std::find(lblCaption.begin(), lblCaption.end(), watched);
                 found != lblCaption.end()) {
            lblCaption_MouseMove(int(found - lblCaption.begin()));
            return true; // not on to the panel beneath, which would clear the underline
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void frmMDI::findOwnAccessKeys()
{
    m_ownAccessKeys.clear();
    for (QAbstractButton *button : centralWidget()->findChildren<QAbstractButton *>())
        if (!QKeySequence::mnemonic(button->text()).isEmpty())
            m_ownAccessKeys.append(button);
}

void frmMDI::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::WindowStateChange)
        layOutStrips();
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        findOwnAccessKeys();
        updateMenuBar(); // a new text gives a button its access key back, even under an oracle window
        MDIForm_Load();  // the titles take their new text's size
    }
    QMainWindow::changeEvent(event);
}

void frmMDI::closeEvent(QCloseEvent *event)
{
    CloseAllOracleWindows();
    event->accept();
}
