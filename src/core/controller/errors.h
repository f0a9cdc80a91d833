#pragma once
// The current errors from every live frame, the controller's error register from
// the settings image, the blinking error strip and the reset of both lists.
// Both lists are numbered lines of the message rows' current
// texts; a memo line holds its text without the CR LF that ends it.
#include "core/lang/language_table.h"
#include "core/link/link_engine.h"
#include "core/window/window_model.h"

namespace tavu {

class Errors {
 public:
  Errors(window::WindowModel& model, LinkEngine& link, const LanguageTable& texts);

  // Step 16 of DecodeLiveFrame: bytes 34, 35 and 48 of the live reply. A reply
  // too short to hold byte 48 changes nothing.
  void ListCurrentErrors(const Bytes& liveFrame);
  // The 40 register bytes and the byte after them.
  void ListRegisteredErrors(const Bytes& registerBytes);
  void Button2Click();
  void Error_LedClick();

 private:
  std::string Line(int number, std::size_t row) const;
  std::string InjectorLine(int number, std::uint8_t mask) const;

  window::WindowModel& model_;
  LinkEngine& link_;
  const LanguageTable& texts_;
};

}  // namespace tavu
