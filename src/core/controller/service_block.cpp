#include "core/controller/service_block.h"

namespace tavu {

void ServiceBlock::przelicznikChange() {}
void ServiceBlock::za_godzValueChanged() {}
void ServiceBlock::za_kmValueChanged() {}
void ServiceBlock::Ustaw_Click(const std::string&) {}
void ServiceBlock::TabSheet3Show() {}

}  // namespace tavu
