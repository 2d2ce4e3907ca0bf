#include "app/helpviewer.h"

#include "app/assistanthelpviewer.h"

namespace vorneta {

std::unique_ptr<HelpViewer> makeHelpViewer()
{
    // Qt Assistant with the help collection installed beside the program. When either is
    // missing the viewer drops every request by itself.
    return std::make_unique<AssistantHelpViewer>(AssistantHelpViewer::defaultProgram(),
                                                 AssistantHelpViewer::findCollection());
}

}  // namespace vorneta
