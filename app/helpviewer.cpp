#include "app/helpviewer.h"

namespace vorneta {

namespace {

// No viewer: every request is quietly dropped.
class NoHelpViewer final : public HelpViewer
{
public:
    void showContents() override {}
    void showKeyword(const QString &) override {}
    void showContext(int) override {}
    void quit() override {}
};

}  // namespace

std::unique_ptr<HelpViewer> makeHelpViewer()
{
    return std::make_unique<NoHelpViewer>();
}

}  // namespace vorneta
