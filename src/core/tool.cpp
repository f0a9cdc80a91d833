#include "core/tool.h"

#include "core/link/variant_profile.h"

namespace tavu {

Tool::Tool(const platform::Platform& platform)
    : platform_(platform), link_(platform, model_, MakeLinkHooks()), session_(platform, model_, link_) {}

LinkHooks Tool::MakeLinkHooks() {
  LinkHooks hooks;
  hooks.applyVariant = [this](const std::string& variant) { ApplyVariantProfile(model_, variant); };
  hooks.disconnect = [this] { session_.rozlacz1Click(); };
  hooks.afterEvent = [this] {
    if (onChanged_) onChanged_();
  };
  // The decoders and the data-file write join here as they are built.
  return hooks;
}

}  // namespace tavu
