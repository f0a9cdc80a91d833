#pragma once
// Telling a page's show and hide events that mean its tab came to the front or
// went to the back from those of the window itself being shown, closed,
// minimised or restored.
#include <QHideEvent>
#include <QShowEvent>
#include <QWidget>
#include <functional>

namespace tavu::ui {

inline bool BroughtToFront(const QWidget& page, const QShowEvent& event) {
  return !event.spontaneous() && page.window()->isVisible();
}

// A closing window is no longer visible when its pages hear of it.
inline bool SentToBack(const QWidget& page, const QHideEvent& event) {
  return !event.spontaneous() && page.window()->isVisible();
}

// Runs `task` once the current event is done: the tab widget names the new
// active tab only after it has shown and hidden the pages.
inline void Later(QObject* context, std::function<void()> task) {
  QMetaObject::invokeMethod(context, std::move(task), Qt::QueuedConnection);
}

}  // namespace tavu::ui
