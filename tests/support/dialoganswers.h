#pragma once
// Answers the toolkit's own dialogs while the code under test waits in their
// exec(): each dialog that comes to the front is handed to `answer` once.
#include <QApplication>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <functional>

class DialogAnswers : public QObject {
public:
    explicit DialogAnswers(std::function<void(QWidget *)> answer)
        : m_answer(std::move(answer))
    {
        connect(&m_poll, &QTimer::timeout, this, [this] {
            QWidget *dialog = QApplication::activeModalWidget();
            if (!dialog || dialog == m_last)
                return;
            m_last = dialog;
            ++m_answered;
            // In a turn of its own: the answer may open a dialog in turn,
            // which this poll must see.
            QTimer::singleShot(0, dialog, [this, dialog] { m_answer(dialog); });
        });
        m_poll.start(10);
    }
    int answered() const { return m_answered; }

private:
    std::function<void(QWidget *)> m_answer;
    QTimer m_poll;
    QPointer<QWidget> m_last;
    int m_answered = 0;
};
