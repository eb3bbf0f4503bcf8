#pragma once
#include <QFrame>
#include <memory>

namespace Ui {
class OghamTreePanel;
}
class QLabel;
class QPixmap;
struct OghamTree;

// One tree of a reading: heading, name, picture, nine attributes and the
// characteristics paragraph. The reading window holds three.
class OghamTreePanel : public QFrame {
    Q_OBJECT
public:
    explicit OghamTreePanel(QWidget *parent = nullptr);
    ~OghamTreePanel() override;

    // Sets the heading; the panel's controls take their names with `suffix`
    // ("lblTreeName" + "One"), as the window names its panels.
    void setUp(const QString &heading, const QString &suffix);
    void showTree(const OghamTree &tree, const QPixmap &picture);
    QString heading() const;
    QLabel *rulingAnimalCaption() const;
    QLabel *picture() const;
    QWidget *characteristics() const;

private:
    std::unique_ptr<Ui::OghamTreePanel> ui;
};
