#pragma once
#include <QFrame>
#include <memory>

namespace Ui {
class GoodLuckPanel;
}
class QLabel;

// One culture's panel of a reading: its heading, and the drawn symbol's
// picture, name and description. The result window holds seven, one per culture.
class GoodLuckPanel : public QFrame {
    Q_OBJECT
public:
    explicit GoodLuckPanel(QWidget *parent = nullptr);
    ~GoodLuckPanel() override;

    // The controls take their names from the culture's, as the window names
    // its panel ("fraIndian": "picIndian", "lblIndianName", "lblIndianDesc").
    void setUp();
    void setHeading(const QString &heading);
    void showSymbol(const QPixmap &picture, const QString &name, const QString &description);
    // The label with the description: where the symbol is read aloud.
    QLabel *readingText() const;

private:
    std::unique_ptr<Ui::GoodLuckPanel> ui;
};
