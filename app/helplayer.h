#pragma once

#include "app/helpviewer.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <memory>

class QMenuBar;
class QWidget;

namespace vorneta {

// The program's help requests, passed on to a help viewer: the topics window, the topics for a
// keyword, the topic for context number 0, and the quit request. Whatever the viewer does or
// fails to do is not reported back; a request never fails.
//
// The layer also answers F1 for the whole application. With a menu of the watched menu bar
// open or highlighted, F1 asks for context 0. Otherwise the walk starts at the widget with the
// keyboard focus and goes up through its parents, within its window, to the first widget with
// a help keyword (the dynamic property "helpKeyword"), and asks for the topics of that keyword;
// a window where no widget has one gets no help.
class HelpLayer : public QObject
{
    Q_OBJECT

public:
    static constexpr const char *keywordProperty = "helpKeyword";

    explicit HelpLayer(std::unique_ptr<HelpViewer> viewer, QObject *parent = nullptr);
    ~HelpLayer() override;

    // The application-wide help file, "Help.hlp", kept for the requests that name no file.
    void setApplicationHelpFile(const QString &file);
    QString applicationHelpFile() const;

    void showContents();
    void showKeyword(const QString &keyword);
    void showContext(int context);
    void quit();

    // Starts answering F1; menuBar is the main window's menu, whose open menus get context 0.
    void watchF1(QMenuBar *menuBar);

    // The keyword F1 asks for from this widget: the first one found walking up its parents
    // within its window, empty when there is none.
    static QString keywordFor(const QWidget *widget);

    // Handles one press of F1 as the keyboard would; true when a request was made.
    bool helpRequested();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool menuIsActive() const;
    template <typename Request>
    void send(Request request);

    std::unique_ptr<HelpViewer> viewer_;
    QString applicationHelpFile_;
    QPointer<QMenuBar> menuBar_;
    bool watching_ = false;
};

}  // namespace vorneta
