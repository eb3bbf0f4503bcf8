#pragma once
// What all nine oracle windows share: a fixed-size child of the main window
// with the oracle's icon, placed centred at the top, dressed with the
// promotional labels and menu bar of its look, giving the welcome panel back
// when it closes; the steps from a start window to its result and back; and
// the pause before a reading. The Oracle Library is one too, but resizable
// and dressed with the menu bar alone.
#include "oraclehost.h"
#include "oracleregistry.h"
#include "readingdescription.h"

#include <QPointer>
#include <QWidget>
#include <optional>

class QAbstractButton;
class QAction;
class QEventLoop;
class QLabel;
class QMdiSubWindow;
class QPushButton;
class ReadingCommands;
struct OracleWindowLook;

class OracleWindow : public QWidget {
    Q_OBJECT
public:
    OracleWindow(OracleHost &host, OracleId oracle);
    ~OracleWindow() override;

    // The single live instance of W, made, dressed and placed on first use.
    template <class W> static W *instance(OracleHost &host)
    {
        if (auto *live = host.findOracleWindow(QLatin1String(W::staticMetaObject.className())))
            return static_cast<W *>(live);
        auto *made = new W(host);
        made->dress();
        host.adopt(made);
        made->keepDesignedColours();
        return made;
    }

    QList<QAction *> menuBarActions() const { return m_menuBar; }
    // The nine keep their design size; the Library can be resized.
    bool isResizable() const { return !m_oracle; }

    void showWindow();
    void hideWindow();
    void closeWindow();
    bool isShown() const;
    // Closed windows linger until deleted; they count as gone.
    bool isClosed() const { return m_closed; }
    // Whether the window waits out its pause before a reading.
    bool isPausing() const { return m_pausing; }
    // Whether this result window's reading was opened from `start`.
    bool openedFrom(const OracleWindow *start) const { return m_start == start; }

signals:
    // A pause began (true) or ended, however it ended.
    void pauseChanged(bool pausing);

protected:
    // A window beside the nine oracle windows, with its own icon: resizable,
    // without promotional labels or a row in the looks table.
    OracleWindow(OracleHost &host, const QString &icon);

    OracleHost &host() const { return m_host; }
    Services &services() const { return m_host.services(); }

    // A File-menu item placed before "E&xit". Add items in the constructor;
    // mark `text` with QT_TR_NOOP, as it is translated in the window's class.
    template <class W> QAction *addFileItem(const char *name, const char *text, void (W::*handler)())
    {
        return addFileItem(name, {W::staticMetaObject.className(), text},
                           [window = static_cast<W *>(this), handler] { (window->*handler)(); });
    }
    // Result windows: `handler` runs for the Back button and for the File
    // menu's Back item.
    template <class W> void connectBack(QAbstractButton *button, void (W::*handler)())
    {
        connectButton(button, [window = static_cast<W *>(this), handler] { (window->*handler)(); });
        addBackItem([window = static_cast<W *>(this), handler] { (window->*handler)(); });
    }
    // Result windows: the Exit button closes the window; Enter and Esc press
    // it unless the focused control wants the key.
    void connectExit(QPushButton *exit);
    // Windows that show a reading: the File menu offers to copy, save and
    // print it. Call after the window's own File items.
    void offerReadingCommands();
    // The reading now shown, or none: the commands follow it, and so does the
    // text that reads it aloud.
    void setReading(std::optional<ReadingDescription> reading);
    // The label that holds the reading's text becomes where a reading is
    // heard: it takes the focus when a reading appears, named by the whole
    // reading, so a screen reader says all of it at once and again when
    // asked. Enter and Esc still leave the window from there.
    void readAloudIn(QLabel *text);
    // What the reading text says of a reading: all of it, unless the window
    // shows only a part of it at a time.
    virtual QString spokenText(const ReadingDescription &reading) const;
    // A reading of this window's oracle, made now, still without pieces.
    ReadingDescription newReading() const;
    // The control that has the focus when the window first shows, in place
    // of its first tab stop.
    void focusWhenShown(QWidget *control) { m_firstFocus = control; }

    // Forward: this start window hides and `result`, already filled, shows.
    void showReading(OracleWindow &result);
    // Back: this result window closes and its start window shows again.
    void backToStart();
    // What a start window puts back when Back returns to it.
    virtual void readyForAnotherReading() { }

    // Waits `seconds` while the window repaints and its menus work. False if
    // the window was closed meanwhile: the caller must then stop at once.
    // A second pause while one runs returns false at once.
    bool PauseSeconds(int seconds);

    // Sets the window's texts again in the language now in use: the form's
    // own through retranslateUi, then what the code set, a piece on show
    // rendered anew from the draw the window keeps.
    virtual void retranslate() { }

    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool focusNextPrevChild(bool next) override;

private:
    OracleWindow(OracleHost &host, std::optional<OracleId> oracle, const QString &icon);
    void dress();
    void keepDesignedColours();
    void focusFirstTabStop();
    const OracleWindowLook &look() const;
    struct SourceText {
        const char *context, *text;
    };
    QAction *addFileItem(const char *name, SourceText text, std::function<void()> run);
    void translateFileItems();
    void addBackItem(std::function<void()> run);
    void connectButton(QAbstractButton *button, std::function<void()> run);

    OracleHost &m_host;
    std::optional<OracleId> m_oracle; // none for the Library
    ReadingCommands *m_readingCommands = nullptr;
    QPointer<QLabel> m_readingText;
    QList<QAction *> m_fileItems;
    QList<SourceText> m_fileItemTexts; // one per item of m_fileItems
    QList<QAction *> m_menuBar;
    QPointer<OracleWindow> m_start; // a result window's start window
    QPointer<QWidget> m_focusBeforeReading; // a start window's control that had the focus
    QPointer<QWidget> m_firstFocus;         // the control that has the focus when the window first shows
    QEventLoop *m_pause = nullptr;
    bool m_pausing = false;
    bool m_closed = false;
    bool m_retranslating = false;
};
