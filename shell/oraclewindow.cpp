#include "oraclewindow.h"

#include <QCloseEvent>
#include <QIcon>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QShortcut>

OracleWindow::OracleWindow(OracleHost &host, const QString &iconPath)
    : m_host(host)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_StyledBackground); // the forms colour their backgrounds by style sheet
    setWindowIcon(QIcon(iconPath));
}

QMdiSubWindow *OracleWindow::subWindow() const
{
    return qobject_cast<QMdiSubWindow *>(parentWidget());
}

void OracleWindow::showWindow()
{
    QMdiSubWindow *sub = subWindow();
    if (!sub)
        return;
    sub->show();
    sub->mdiArea()->setActiveSubWindow(sub);
}

void OracleWindow::hideWindow()
{
    if (QMdiSubWindow *sub = subWindow())
        sub->hide();
}

void OracleWindow::closeWindow()
{
    if (QMdiSubWindow *sub = subWindow())
        sub->close();
    else
        close();
}

bool OracleWindow::isShown() const
{
    const QMdiSubWindow *sub = subWindow();
    return sub && sub->isVisible();
}

void OracleWindow::setMenuBar(const MenuBarLook &look)
{
    m_menuBar = buildCommonMenuBar(this, services(), look, [this] { closeWindow(); });
}

void OracleWindow::makeDefaultAndCancel(QPushButton *button)
{
    button->setDefault(true);
    for (const QKeySequence &key : {QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter),
                                   QKeySequence(Qt::Key_Escape)}) {
        auto *shortcut = new QShortcut(key, this);
        shortcut->setContext(Qt::WidgetWithChildrenShortcut);
        connect(shortcut, &QShortcut::activated, button, &QPushButton::click);
    }
}

void OracleWindow::closeEvent(QCloseEvent *event)
{
    event->accept();
    m_closed = true;
    m_host.setWelcomeVisible(true);
}
