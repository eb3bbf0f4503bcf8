#pragma once
// "Copy Reading", "Save Reading As…" and "Print Reading…": the File-menu
// commands of a window that shows a reading.
#include "readingdescription.h"

#include <QKeySequence>
#include <QObject>
#include <optional>

class QAction;
class QWidget;
struct Services;

class ReadingCommands : public QObject {
    Q_OBJECT
public:
    ReadingCommands(QWidget *window, Services &services);

    // A separator, then the three commands, for the File menu.
    QList<QAction *> menuItems() const { return m_items; }
    // The reading the commands act on; with none they are switched off.
    void setReading(std::optional<ReadingDescription> reading);
    const std::optional<ReadingDescription> &reading() const { return m_reading; }

    void copyReading();
    void saveReading();
    void printReading();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QAction *command(const char *name, QKeySequence::StandardKey key, void (ReadingCommands::*run)());

    QWidget *m_window;
    Services &m_services;
    QList<QAction *> m_items;
    std::optional<ReadingDescription> m_reading;
};
