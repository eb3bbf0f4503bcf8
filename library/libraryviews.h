#pragma once
// The Library's list, tree boxes and reading text: reached by typing a
// piece's name as a person says it, and marked plainly when they have the
// focus.
#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QListView>
#include <QTextBrowser>
#include <QTreeWidget>

// What has been typed into a list so far: keys that follow each other within
// the desktop's keyboard input interval add up to one name.
class TypeAhead {
public:
    // The name typed so far, `key` added; `fresh` tells whether it began anew.
    QString add(const QString &key, bool &fresh);

private:
    QString m_typed;
    QElapsedTimer m_since;
};

// Typing "holly" reaches The Holly Tree, and the row that has the focus
// shows the program's focus mark, which stands out on a selected row too.
// A screen reader hears the row the user is on as the list takes the focus
// and as the row changes, and only then: a search that moves the row while
// the user types elsewhere leaves the reader where the user is.
class PieceList : public QTreeWidget {
    Q_OBJECT
public:
    using QTreeWidget::QTreeWidget;
    using QTreeWidget::sizeHintForColumn; // how wide the longest name needs the list
    void keyboardSearch(const QString &search) override;
    // Opens the headings, and only them: a piece has nothing to open.
    void openHeadings();

protected:
    void drawRow(QPainter *painter, const QStyleOptionViewItem &options, const QModelIndex &index) const override;
    void currentChanged(const QModelIndex &current, const QModelIndex &previous) override;
    void focusInEvent(QFocusEvent *event) override;

private:
    void tellCurrentRow();

    TypeAhead m_typeAhead;
};

// A box that picks the tree of the past or of the future. A screen reader
// hears its label and the tree in it as one ("The Past: The Oak Tree"), on
// the way in, when asked where it is, and on each change of tree.
class TreeChooser : public QComboBox {
    Q_OBJECT
public:
    explicit TreeChooser(QWidget *parent = nullptr);
    // Its label's words, without the access key's mark, then the tree chosen.
    QString spokenName() const;
    // What it tells screen readers as the value of the tree at `index`: its
    // place in the list, counted on from a base no other box shares.
    int spokenValue(int index) const { return m_valueBase + index + 1; }

private:
    int m_valueBase;
};

// A line that appears to say that something happened (nothing was found):
// screen readers say it as it appears, wherever the focus is.
class NoticeLabel : public QLabel {
    Q_OBJECT
public:
    explicit NoticeLabel(QWidget *parent = nullptr);
};

// The list of a tree box, reached the same way as the pieces.
class TreeNameList : public QListView {
    Q_OBJECT
public:
    using QListView::QListView;
    void keyboardSearch(const QString &search) override;

private:
    TypeAhead m_typeAhead;
};

// The reading beside the list: framed by the focus mark while it has the
// focus, for it is read and scrolled by keys.
class ReadingText : public QTextBrowser {
    Q_OBJECT
public:
    using QTextBrowser::QTextBrowser;

protected:
    void paintEvent(QPaintEvent *event) override;
    void scrollContentsBy(int dx, int dy) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
};
