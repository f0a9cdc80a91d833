#include "core/map/adaptation.h"

namespace tavu {

void Adaptation::Button_startClick() {}
void Adaptation::Button_stopClick() {}

}  // namespace tavu
