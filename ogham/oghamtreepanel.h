#pragma once
#include <QFont>
#include <QFrame>
#include <array>
#include <memory>
#include <utility>

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

    // The panel's controls take their names with `suffix` ("lblTreeName" +
    // "One"), as the window names its panels.
    void setUp(const QString &suffix);
    // What the panel's tree stands for: "The Past" and so on.
    void setHeading(const QString &heading);
    // Shows the tree with every caption in the language in use.
    void showTree(const OghamTree &tree, const QPixmap &picture);
    QString heading() const { return m_heading; }
    QLabel *rulingAnimalCaption() const;
    QLabel *picture() const;
    QWidget *characteristics() const;

private:
    using AttributeRows = std::array<std::pair<QLabel *, QLabel *>, 9>;
    AttributeRows attributeRows() const;
    void fitAttributeRows();

    std::unique_ptr<Ui::OghamTreePanel> ui;
    QString m_heading;
    // The attribute rows as designed: the captions' column, then the values'.
    int m_captionLeft = 0, m_captionWidth = 0, m_valueLeft = 0, m_valueRight = 0;
    QFont m_captionFont, m_valueFont;
};
