#pragma once

#include "app/helpviewer.h"

#include <QString>
#include <QStringList>

#include <memory>

class QProcess;

namespace vorneta {

// The help file shown by Qt Assistant, driven by remote-control commands on its standard input.
//
// The viewer process is started on the first request with the program's help collection and
// is started again on a later request if it has ended in between (the user closed it, or it
// died). A request that starts the viewer names its page on the command line where it can: a
// page asked for by remote control while Assistant is still starting may be replaced by the
// page Assistant opens at start. The page of a keyword is therefore looked up in the help file
// itself; a keyword with no single page is left to Assistant's index. A viewer that is not installed, a collection that is missing or a viewer that fails
// is nobody's business: the request is dropped without a word and nothing else changes.
class AssistantHelpViewer final : public HelpViewer
{
public:
    // program: the Assistant executable; collection: the help collection file (.qhc).
    AssistantHelpViewer(QString program, QString collection);
    ~AssistantHelpViewer() override;

    AssistantHelpViewer(const AssistantHelpViewer &) = delete;
    AssistantHelpViewer &operator=(const AssistantHelpViewer &) = delete;

    void showContents() override;
    void showKeyword(const QString &keyword) override;
    void showContext(int context) override;
    void quit() override;

    // Whether a viewer process is running now.
    bool isRunning() const;

    // Qt Assistant in Qt's own binary folder.
    static QString defaultProgram();
    // The help collection found next to the running program: the installed layout
    // (<prefix>/bin/vorneta and <prefix>/share/vorneta/help/vorneta.qhc) first, then the build
    // folder's (help/vorneta.qhc beside the executable). Empty when there is none.
    static QString findCollection();
    // The start page, the topic of context number 0.
    static QString startPage();
    // The one page that the index of the collection's help files gives for keyword, as a
    // qthelp URL; empty when there is none, or more than one, or the collection cannot be read.
    static QString pageForKeyword(const QString &collection, const QString &keyword);

private:
    // Starts the viewer unless it is running; startArguments are added when it starts now.
    // Returns whether it was started now; running() tells whether it runs at all.
    bool startIfNeeded(const QStringList &startArguments = {});
    void send(const QString &command);

    QString program_;
    QString collection_;
    std::unique_ptr<QProcess> process_;
};

}  // namespace vorneta
