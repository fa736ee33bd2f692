// Answers the modal windows a test opens: message boxes are read and
// accepted; any other modal window is handed to the test's handler, once
// per showing.
#pragma once

#include <QApplication>
#include <QEvent>
#include <QMessageBox>
#include <QPointer>
#include <QStringList>
#include <QTimer>
#include <functional>

class ModalAnswer : public QObject {
public:
    explicit ModalAnswer(std::function<void(QWidget *)> other = {}) : m_other(std::move(other))
    {
        m_timer.setInterval(5);
        QObject::connect(&m_timer, &QTimer::timeout, this, [this] { Poll(); });
        m_timer.start();
    }

    QStringList Messages; // texts of the message boxes answered, in order

protected:
    bool eventFilter(QObject *obj, QEvent *e) override
    {
        if (e->type() == QEvent::Hide && obj == m_last.data())
            m_last = nullptr; // answered and closed: it may be shown again
        return false;
    }

private:
    void Poll()
    {
        QWidget *w = QApplication::activeModalWidget();
        if (!w || !w->isVisible() || w == m_last.data())
            return;
        m_last = w;
        w->installEventFilter(this);
        if (auto *box = qobject_cast<QMessageBox *>(w)) {
            Messages << box->text();
            box->accept();
            return;
        }
        if (m_other)
            m_other(w);
    }

    QTimer m_timer;
    QPointer<QWidget> m_last;
    std::function<void(QWidget *)> m_other;
};
