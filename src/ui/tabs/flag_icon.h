#pragma once
// Small drawn flags of the eight languages, by the name of the language menu
// item ("NiemieckiDE", "AngielskiGB", ...).
#include <QIcon>
#include <string>

namespace tavu::ui {

QIcon FlagIcon(const std::string& language);

}  // namespace tavu::ui
