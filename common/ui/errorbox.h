#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace vorneta {

// The application title: caption of the error box and name on the taskbar.
QString applicationTitle();

// The error box: application-modal, the application title as caption, the stop icon,
// OK only, the failure's message followed by a full stop where it needs one.
void showErrorBox(const QString &message, QWidget *parent = nullptr);

// Runs one event handler. A failure it throws ends the handler where it happened; the
// error box reports it and the program goes on. Nothing escapes into the event loop.
void guarded(const std::function<void()> &handler, QWidget *parent = nullptr);

}  // namespace vorneta
