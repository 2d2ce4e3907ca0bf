#pragma once

#include <QString>

#include <memory>

namespace vorneta {

// What shows the help file. The program makes only these four requests of it and learns
// nothing back: a viewer that is missing or fails is nobody's business but its own.
class HelpViewer
{
public:
    virtual ~HelpViewer() = default;
    virtual void showContents() = 0;                       // the topics window
    virtual void showKeyword(const QString &keyword) = 0;  // the topics for a keyword (F1)
    virtual void showContext(int context) = 0;             // the topic for a context number
    virtual void quit() = 0;                               // the program no longer needs help
};

// The viewer the program uses.
std::unique_ptr<HelpViewer> makeHelpViewer();

}  // namespace vorneta
