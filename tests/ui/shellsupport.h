#pragma once

// What the shell tests share: a help viewer that records the requests, the program set up once
// per process, and a way to act on a modal window once it is up.

#include "app/helpviewer.h"
#include "app/program.h"

#include <QApplication>
#include <QStringList>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>

namespace vorneta::test {

// Writes "contents", "keyword:<k>", "context:<n>" and "quit" into a log the test owns.
class RecordingViewer final : public HelpViewer
{
public:
    explicit RecordingViewer(QStringList &log) : log_(log) {}
    void showContents() override { log_ << QStringLiteral("contents"); }
    void showKeyword(const QString &keyword) override { log_ << QStringLiteral("keyword:") + keyword; }
    void showContext(int context) override { log_ << QStringLiteral("context:%1").arg(context); }
    void quit() override { log_ << QStringLiteral("quit"); }

private:
    QStringList &log_;
};

inline void initialiseOnce()
{
    static bool done = false;
    if (!done) {
        initialiseApplication(*qobject_cast<QApplication *>(QCoreApplication::instance()));
        done = true;
    }
}

// Runs action on the first application-modal window that is not `besides` as soon as the event
// loop shows one (the calling test then enters that modal loop).
inline void whenModal(std::function<void(QWidget *)> action, QWidget *besides = nullptr)
{
    auto *poll = new QTimer;
    poll->setInterval(5);
    QObject::connect(poll, &QTimer::timeout, [poll, action, besides] {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal || modal == besides || !modal->isVisible())
            return;
        poll->stop();
        poll->deleteLater();
        action(modal);
    });
    poll->start();
}

}  // namespace vorneta::test
