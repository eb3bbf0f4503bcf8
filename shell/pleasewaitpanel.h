#pragma once
#include <QFrame>
#include <memory>

namespace Ui {
class PleaseWaitPanel;
}

// "Please Wait" and four still red dots: what the Domino and Mahjong start
// windows show in place of their picture while the user waits.
class PleaseWaitPanel : public QFrame {
    Q_OBJECT
public:
    explicit PleaseWaitPanel(QWidget *parent = nullptr);
    ~PleaseWaitPanel() override;

    // Shows the panel in place of `picture` and holds the focus while the user
    // waits: it acts on no key, so an impatient Enter opens nothing (had the
    // picture's hiding passed the focus on, it could reach a link).
    void standInFor(QWidget *picture);
    // Puts `picture` back, with the focus, so that Enter draws again.
    void giveBackTo(QWidget *picture);

protected:
    void changeEvent(QEvent *event) override;

private:
    std::unique_ptr<Ui::PleaseWaitPanel> ui;
};
