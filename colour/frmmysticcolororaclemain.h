#pragma once
#include "oraclewindow.h"

#include <QDateTime>
#include <QFont>
#include <memory>
#include <optional>

namespace Ui {
class frmMysticColorOracleMain;
}
class QLineEdit;

// The one window of the Mystical Color oracle: the input panel with the two
// names, and in the same place the result panel with the lucky colour; below,
// the birth day that a saved Tallymere reading fills.
class frmMysticColorOracleMain : public OracleWindow {
    Q_OBJECT
public:
    explicit frmMysticColorOracleMain(OracleHost &host);
    ~frmMysticColorOracleMain() override;

private slots:
    void cmdNext_Click();
    void cmdBack_Click();
    void cmdOpen_Click();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void retranslate() override;

private:
    // What was asked for the reading on show: the names as typed, the birth
    // day as it stood. A month read from a saved reading is kept by its
    // number, so that it is told in the language in use.
    struct Asked {
        QString first, last;
        int month = 0;
        QString monthText; // when the month is not one of a saved reading
        QString date, year;
    };

    bool ValidateNames();
    void showPanel(QWidget *panel);
    // Backspace and letters A to Z; in another language than English, every
    // letter of the Latin script too. False when the key is refused.
    bool txtName_KeyPress(QLineEdit *field, const QString &typed);
    void showResult();
    void fitReading();
    void fitWelcome();
    ReadingDescription describeReading() const;
    void showSavedMonth(const QString &written);
    int savedMonthShown() const;
    void setCodeTexts();

    std::unique_ptr<Ui::frmMysticColorOracleMain> ui;
    int m_colour = 0;             // the colour the result panel holds; 0 before the first
    std::optional<Asked> m_asked; // while a reading is on show
    QDateTime m_when;             // when it was asked
    int m_savedMonth = 0;         // 1 to 12 while the month box shows a saved reading's month
    QString m_savedMonthShown;    // the month as the box was given it
    QFont m_readingFont;          // the reading's, as designed
    int m_welcomeHeight = 0;      // as designed
};
