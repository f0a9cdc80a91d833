#include "core/info_links.h"

namespace tavu {

void InfoLinks::TAVU_Linl_labelClick(const std::string& label) {
  if (const auto* link = model_.findLink(label)) links_.open(link->address);
}

void InfoLinks::TAVU_Linl_labelMouseMove(const std::string& label) {
  if (auto* link = model_.findLink(label)) link->color = colors::kBlue;
}

void InfoLinks::Panel1MouseMove() {
  for (auto* link : {&model_.TAVU_Linl_label, &model_.TAVU_Linl_new_label, &model_.Label23, &model_.Label45})
    link->color = colors::kWindowText;
}

}  // namespace tavu
