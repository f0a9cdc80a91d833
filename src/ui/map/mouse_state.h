#pragma once
// A Qt mouse event's buttons and modifier keys as the core's MouseState.
#include <QMouseEvent>

#include "core/map/map_editors.h"

namespace tavu::ui {

inline MouseState ToMouseState(const QMouseEvent& event) {
  // A press reports the button that went down; a release or a move the ones still held.
  const Qt::MouseButtons held = event.buttons() | event.button();
  const Qt::KeyboardModifiers keys = event.modifiers();
  MouseState s;
  s.left = held.testFlag(Qt::LeftButton);
  s.right = held.testFlag(Qt::RightButton);
  s.middle = held.testFlag(Qt::MiddleButton);
  s.shift = keys.testFlag(Qt::ShiftModifier);
  s.ctrl = keys.testFlag(Qt::ControlModifier);
  s.alt = keys.testFlag(Qt::AltModifier);
  s.doubleClick = event.type() == QEvent::MouseButtonDblClick;
  return s;
}

}  // namespace tavu::ui
