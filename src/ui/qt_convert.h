#pragma once
// The model's plain values as Qt values: UTF-8 text and RGB colours.
#include <QColor>
#include <QString>
#include <string>

#include "core/platform/bytes.h"

namespace tavu::ui {

inline QString ToQString(const std::string& utf8) { return QString::fromStdString(utf8); }
inline QColor ToQColor(const Rgb& c) { return QColor(c.r, c.g, c.b); }

}  // namespace tavu::ui
