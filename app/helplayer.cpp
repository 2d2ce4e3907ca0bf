#include "app/helplayer.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QWidget>

namespace vorneta {

HelpLayer::HelpLayer(std::unique_ptr<HelpViewer> viewer, QObject *parent)
    : QObject(parent), viewer_(std::move(viewer))
{
}

HelpLayer::~HelpLayer()
{
    if (watching_ && qApp)
        qApp->removeEventFilter(this);
}

void HelpLayer::setApplicationHelpFile(const QString &file)
{
    applicationHelpFile_ = file;
}

QString HelpLayer::applicationHelpFile() const
{
    return applicationHelpFile_;
}

template <typename Request>
void HelpLayer::send(Request request)
{
    if (!viewer_)
        return;
    // The viewer is not the program's business: whatever goes wrong there stays there.
    try {
        request(*viewer_);
    } catch (...) {
    }
}

void HelpLayer::showContents()
{
    send([](HelpViewer &v) { v.showContents(); });
}

void HelpLayer::showKeyword(const QString &keyword)
{
    send([&](HelpViewer &v) { v.showKeyword(keyword); });
}

void HelpLayer::showContext(int context)
{
    send([&](HelpViewer &v) { v.showContext(context); });
}

void HelpLayer::quit()
{
    send([](HelpViewer &v) { v.quit(); });
}

void HelpLayer::watchF1(QMenuBar *menuBar)
{
    menuBar_ = menuBar;
    if (!watching_ && qApp) {
        qApp->installEventFilter(this);
        watching_ = true;
    }
}

QString HelpLayer::keywordFor(const QWidget *widget)
{
    for (const QWidget *w = widget; w; w = w->parentWidget()) {
        const QString keyword = w->property(keywordProperty).toString();
        if (!keyword.isEmpty())
            return keyword;
        if (w->isWindow())
            break;
    }
    return {};
}

bool HelpLayer::menuIsActive() const
{
    if (!menuBar_)
        return false;
    if (menuBar_->activeAction())
        return true;
    // An open menu is a popup window of its own; it belongs to the menu bar through its parents.
    for (const QWidget *w = QApplication::activePopupWidget(); w; w = w->parentWidget()) {
        if (w == menuBar_)
            return true;
        if (!qobject_cast<const QMenu *>(w))
            break;
    }
    return false;
}

bool HelpLayer::helpRequested()
{
    if (menuIsActive()) {
        showContext(0);
        return true;
    }
    const QWidget *start = QApplication::focusWidget();
    if (!start)
        start = QApplication::activeWindow();
    const QString keyword = keywordFor(start);
    if (keyword.isEmpty())
        return false;
    showKeyword(keyword);
    return true;
}

bool HelpLayer::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress && watched->isWidgetType()) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_F1 && key->modifiers() == Qt::NoModifier)
            return helpRequested();
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace vorneta
