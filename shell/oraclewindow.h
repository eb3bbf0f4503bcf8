#pragma once
// What all nine oracle windows share: a fixed-size child of the main window
// with the oracle's icon, placed centred at the top, carrying the common menu
// bar, and giving the welcome panel back when it closes.
#include "commonmenus.h"
#include "oraclehost.h"

#include <QWidget>

class QMdiSubWindow;
class QPushButton;

class OracleWindow : public QWidget {
    Q_OBJECT
public:
    OracleWindow(OracleHost &host, const QString &iconPath);

    // The single live instance of W, made (and placed) on first use.
    template <class W>
    static W *instance(OracleHost &host)
    {
        if (auto *live = host.findOracleWindow(QLatin1String(W::staticMetaObject.className())))
            return static_cast<W *>(live);
        auto *made = new W(host);
        host.adopt(made);
        return made;
    }

    QList<QAction *> menuBarActions() const { return m_menuBar; }

    void showWindow();
    void hideWindow();
    void closeWindow();
    bool isShown() const;
    // Closed windows linger until deleted; they count as gone.
    bool isClosed() const { return m_closed; }

protected:
    OracleHost &host() const { return m_host; }
    Services &services() const { return m_host.services(); }
    QMdiSubWindow *subWindow() const;

    // Call once from the derived constructor, after setupUi.
    void setMenuBar(const MenuBarLook &look);
    // Enter and Esc press this button unless the focused control wants the key.
    void makeDefaultAndCancel(QPushButton *button);

    void closeEvent(QCloseEvent *event) override;

private:
    OracleHost &m_host;
    QList<QAction *> m_menuBar;
    bool m_closed = false;
};
