#pragma once
#include "librarycatalogue.h"
#include "oraclewindow.h"

#include <array>
#include <memory>
#include <vector>

namespace Ui {
class frmOracleLibrary;
}
class QComboBox;
class QTreeWidgetItem;

// The Oracle Library: every piece of the five oracles in one list, filtered
// as the user types, with the chosen piece's pictures, names and reading
// beside it; "Read this one" opens the oracle's own result window with that
// piece, Back returning here. A tree is read in the present, with a past and
// a future the user picks. A change of language builds the list again,
// keeping the piece in sight, the search and the trees chosen.
class frmOracleLibrary : public OracleWindow {
    Q_OBJECT
public:
    explicit frmOracleLibrary(OracleHost &host);
    ~frmOracleLibrary() override;

private slots:
    void txtSearch_Change();
    void treEntries_CurrentChange();
    void cboTree_Change();
    void cmdRead_Click();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void retranslate() override;

private:
    void fillList();
    QTreeWidgetItem *applySearch();
    void fitListToNames(bool widenOnly);
    void makeRoomForTexts();
    void nameClearButton();
    void nameReadButton();
    const LibraryEntry *currentEntry() const;
    void showEntry(const LibraryEntry *entry);
    void placeTreeOnShow(int tree);
    bool threeDifferentTrees() const;
    QString whyNoReading() const;
    void updateRead();
    template <class W> W *freshResultWindow();

    std::unique_ptr<Ui::frmOracleLibrary> ui;
    std::vector<LibraryEntry> m_entries;
    std::vector<QTreeWidgetItem *> m_items; // m_items[i] lists m_entries[i]
    std::array<QComboBox *, 2> m_trees{};   // past and future; the tree on show is the present
    int m_presentTree = 0;                  // the last tree on show
    bool m_readsThree = false;              // the Read button reads three trees
};
