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

private:
    std::unique_ptr<Ui::PleaseWaitPanel> ui;
};
