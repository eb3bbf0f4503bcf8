#pragma once
#include "oraclewindow.h"

#include <array>
#include <memory>

namespace Ui { class frmCelticOghamOracleDisplay; }
class QLabel;
class QPlainTextEdit;

// The reading: three panels, "The Past", "The Future" and "The Present" from
// left to right, each showing one tree.
class frmCelticOghamOracleDisplay : public OracleWindow {
    Q_OBJECT
public:
    enum Position { Past, Present, Future }; // panels One, Two, Three

    explicit frmCelticOghamOracleDisplay(OracleHost &host);
    ~frmCelticOghamOracleDisplay() override;

    void showTree(Position position, int tree);

private slots:
    void cmdBack_Click();

private:
    struct Panel {
        QLabel *lblTreeName;
        std::array<QLabel *, 9> values; // Keywords ... LuckyFlower
        QPlainTextEdit *txtCharacteristics;
        QLabel *picImage;
    };
    std::unique_ptr<Ui::frmCelticOghamOracleDisplay> ui;
    std::array<Panel, 3> m_panels;
};
