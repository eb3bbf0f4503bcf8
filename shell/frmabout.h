#pragma once
#include <QDialog>
#include <memory>

namespace Ui {
class frmAbout;
}
struct Services;

class frmAbout : public QDialog {
    Q_OBJECT
public:
    explicit frmAbout(Services &services, QWidget *parent = nullptr);
    ~frmAbout() override;

    // Shows a fresh box, modal and centred on the screen; returns when it closes.
    static void showModal(Services &services, QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    // Centres the whole window, title bar and borders included, on its screen.
    void centreOnScreen();

    std::unique_ptr<Ui::frmAbout> ui;
    bool m_framed = false;
};
