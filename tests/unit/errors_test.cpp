// The current errors of a live frame, the recorded ones of the register, the
// blinking strip and the reset.
#include "core/controller/errors.h"

#include <gtest/gtest.h>

#include "virtual_platform.h"
#include "wire_helpers.h"

namespace tavu {
namespace {

using Lines = std::vector<std::string>;

class ErrorsTest : public ::testing::Test {
 protected:
  Bytes Frame(std::uint8_t b34, std::uint8_t b35, std::uint8_t b48) const {
    Bytes frame = testing::Reply(0x55, 60);
    frame[34] = b34;
    frame[35] = b35;
    frame[48] = b48;
    return frame;
  }

  testing::RecordingPort port;
  testing::VirtualPlatform vp{port};
  window::WindowModel model;
  LanguageTable texts;
  LinkEngine link{vp.view, model, texts, {}};
  Errors errors{model, link, texts};
};

TEST_F(ErrorsTest, CurrentErrorsFromTheLiveFrame) {
  struct Case {
    std::uint8_t b34, b35, b48;
    Lines lines;
  };
  const Case cases[] = {
      {0xFF, 0xFF, 0xFF, {}},
      {0xDF, 0xFF, 0x03, {"1 - Napięcie stacyjki za niskie"}},
      {0xFB, 0xFA, 0x02, {"1 - Błąd napięcia", "2 - Błąd wtryskiwacza :  1 3", "3 - Złe ustawienia"}},
      {0x03, 0xFF, 0xFF,  // bits 0 and 1 of byte 34 are not read
       {"1 - Błąd napięcia", "2 - Cisnienie gazu za wysokie", "3 - Cisnienie gazu za niskie",
        "4 - Napięcie stacyjki za niskie", "5 - Brak wtrysku benzyny", "6 - Błędna praca układu benzynowego"}},
      {0xFF, 0x7F, 0xFD, {"1 - Błąd wtryskiwacza :  8", "2 - Błąd zasilania"}},
      {0xFF, 0x00, 0xFC, {"1 - Błąd wtryskiwacza :  1 2 3 4 5 6 7 8", "2 - Złe ustawienia", "3 - Błąd zasilania"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message() << std::hex << int(c.b34) << ' ' << int(c.b35) << ' ' << int(c.b48));
    model.Actual_errors_Memo.lines = {"stale"};
    errors.ListCurrentErrors(Frame(c.b34, c.b35, c.b48));
    EXPECT_EQ(model.Actual_errors_Memo.lines, c.lines);
    EXPECT_EQ(model.Error_Led.visible, !c.lines.empty());
  }
}

TEST_F(ErrorsTest, TheStripBlinksOnEveryFrame) {
  const Rgb red = colors::kRed, light{255, 60, 60};
  ASSERT_EQ(model.Error_Led.color, red);
  errors.ListCurrentErrors(Frame(0xFB, 0xFF, 0xFF));
  EXPECT_EQ(model.Error_Led.color, light);
  errors.ListCurrentErrors(Frame(0xFB, 0xFF, 0xFF));
  EXPECT_EQ(model.Error_Led.color, red);
  errors.ListCurrentErrors(Frame(0xFF, 0xFF, 0xFF));  // hidden, blinking all the same
  EXPECT_EQ(model.Error_Led.color, light);
  EXPECT_FALSE(model.Error_Led.visible);
}

TEST_F(ErrorsTest, RecordedErrorsFromTheRegister) {
  const auto reg = [](std::initializer_list<std::uint8_t> head, std::uint8_t fill, std::uint8_t after = 0xFF) {
    Bytes r(head);
    r.resize(40, fill);
    r.push_back(after);
    return r;
  };
  Bytes oneErasedThenZeros(40, 0x00);
  oneErasedThenZeros[0] = 0xFF;
  oneErasedThenZeros.push_back(0x7F);  // the byte after the register: the last entry's mask
  const std::string allCylinders = " - Błąd wtryskiwacza :  1 2 3 4 5 6 7 8";
  struct Case {
    const char* name;
    Bytes bytes;
    std::function<void(const Lines&)> check;
  };
  const Case cases[] = {
      {"a voltage error and an injector entry", reg({0x02, 0x00, 0xFE}, 0xFF),
       [](const Lines& l) { EXPECT_EQ(l, (Lines{"1 - Błąd napięcia", "2 - Błąd wtryskiwacza :  1"})); }},
      {"erased", reg({}, 0xFF), [](const Lines& l) { EXPECT_TRUE(l.empty()); }},
      {"every code once", reg({1, 2, 3, 4, 5, 6, 7, 8, 9, 200}, 0xFF),
       [](const Lines& l) {
         EXPECT_EQ(l, (Lines{"1 - Za długi czas wtrysku gazu", "2 - Błąd napięcia", "3 - Cisnienie gazu za wysokie",
                             "4 - Cisnienie gazu za niskie", "5 - Napięcie stacyjki za niskie",
                             "6 - Brak wtrysku benzyny", "7 - Błędna praca układu benzynowego", "8 - Błąd zasilania"}));
       }},
      {"forty zeros: twenty injector lines", reg({}, 0x00),
       [&](const Lines& l) {
         ASSERT_EQ(l.size(), 20u);
         EXPECT_EQ(l.front(), "1" + allCylinders);
         EXPECT_EQ(l.back(), "20" + allCylinders);
       }},
      {"the last entry takes its mask from the byte after", oneErasedThenZeros,
       [&](const Lines& l) {
         ASSERT_EQ(l.size(), 20u);
         EXPECT_EQ(l[18], "19" + allCylinders);
         EXPECT_EQ(l[19], "20 - Błąd wtryskiwacza :  8");
       }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    model.Register_errors_memo.lines = {"stale"};
    errors.ListRegisteredErrors(c.bytes);
    c.check(model.Register_errors_memo.lines);
  }
}

TEST_F(ErrorsTest, ListsFollowTheCurrentLanguage) {
  texts.SetCell(0, 2, " - Voltage error");
  texts.SetCell(0, 4, "Ошибка питания");
  texts.UseColumn(0, 2);
  errors.ListCurrentErrors(Frame(0xFB, 0xFF, 0xFF));
  EXPECT_EQ(model.Actual_errors_Memo.lines, Lines{"1 - Voltage error"});
  texts.UseColumn(0, 4);
  errors.ListCurrentErrors(Frame(0xFB, 0xFF, 0xFF));
  EXPECT_EQ(model.Actual_errors_Memo.lines, Lines{"1Ошибка питания"});
}

TEST_F(ErrorsTest, ResetClearsBothListsAndTellsTheController) {
  model.Actual_errors_Memo.lines = {"1 - Błąd napięcia"};
  model.Register_errors_memo.lines = {"1 - Błąd zasilania"};
  errors.Button2Click();
  EXPECT_EQ(link.Queue().current, (Bytes{0xAA, 0x10, 0x00, 0xBA}));
  EXPECT_TRUE(link.Queue().next.empty());
  EXPECT_EQ(link.CommandAttempts, 4);
  EXPECT_TRUE(model.Actual_errors_Memo.lines.empty());
  EXPECT_TRUE(model.Register_errors_memo.lines.empty());
}

TEST_F(ErrorsTest, ClickingTheStripOpensTheErrorTab) {
  errors.Error_LedClick();
  EXPECT_EQ(model.tab_control.active, "TabSheet5");
}

}  // namespace
}  // namespace tavu
