#pragma once
#include "oraclehost.h"
#include "oracleregistry.h"

#include <QMainWindow>
#include <array>
#include <memory>

namespace Ui {
class frmMDI;
}
class QAbstractButton;
class QLabel;
class QMdiSubWindow;
class QPushButton;

// The main window: banner, the five oracle buttons, the welcome panel and the
// area in which the oracle windows live.
class frmMDI : public QMainWindow, public OracleHost {
    Q_OBJECT
public:
    frmMDI(Services &services, OracleRegistry oracles, QWidget *parent = nullptr);
    ~frmMDI() override;

    void LaunchOracle(int oracleId);
    void CloseAllOracleWindows();

    // OracleHost
    Services &services() override { return m_services; }
    void setWelcomeVisible(bool visible) override;
    void adopt(OracleWindow *window) override;
    OracleWindow *findOracleWindow(const QString &className) const override;
    void updateMenuBar() override;
    void openLibrary() override;

private slots:
    void cmdSelectOption_Click(int index);
    void lblCaption_Click(int index);
    void lblCaption_MouseMove(int index);
    void picMain_MouseMove();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void MDIForm_Load();
    void layOutStrips();
    void placeOracleWindow(QMdiSubWindow *subWindow) const;
    int layoutWidth() const;
    void setOwnAccessKeys(bool on);
    void findOwnAccessKeys();
    void keepInView(QWidget *focused);
    void drawOracleWindowsIntoSight();
    void activateWindowBelow();
    bool oracleWindowShown() const;

    std::unique_ptr<Ui::frmMDI> ui;
    Services &m_services;
    OracleRegistry m_oracles;
    std::array<QPushButton *, OracleCount> cmdSelectOption{};
    std::array<QLabel *, 8> lblCaption{};
    QList<QAction *> m_ownMenuBar;
    QList<QAbstractButton *> m_ownAccessKeys; // buttons of the main window's own with an access key
};
