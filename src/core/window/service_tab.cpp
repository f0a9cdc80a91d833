#include "core/window/service_tab.h"

namespace tavu::window {
namespace {

TextBox Counter(Rgb textColor) {
  TextBox t;
  t.readOnly = true;
  t.color = colors::kBlack;
  t.textColor = textColor;
  return t;
}

Spin MakeSpin(double minimum, double maximum, double step, double value, bool typing) {
  Spin s;
  s.minimum = minimum;
  s.maximum = maximum;
  s.step = step;
  s.value = value;
  s.typing = typing;
  return s;
}

TextBox TimeOfDay() {
  TextBox t;
  t.enabled = false;
  t.readOnly = true;
  return t;
}

}  // namespace

ServiceTabControls::ServiceTabControls() {
  Praca_na_benzynie_Box.caption = "Praca na benzynie";
  Czas_benzyny_Edit = Counter(colors::kWindow);
  km_benzyna_Edit = Counter(colors::kWindow);
  Praca_na_gazie_Box.caption = "Praca na gazie";
  Czas_gazu_Edit = Counter(colors::kWindow);
  km_gaz_Edit = Counter(colors::kWindow);
  gaz_na_benzyna.minimum = 0;
  gaz_na_benzyna.maximum = 100;
  gaz_na_benzyna.decimals = 1;
  gaz_na_benzyna.unit = "% gaz";
  gaz_na_benzyna.onColor = colors::kGreen;
  gaz_na_benzyna.backColor = colors::kRed;

  Korekcja_box.caption = "Korekcja [h/km]";
  godz_Label.caption = "1 godz=";
  przelicznik = MakeSpin(30, 70, 1, 40, false);
  km_Label.caption = "km";

  Do_przegladu_Box.caption = "Do przeglądu";
  Za_godz_Label.caption = "za godz.";
  // At most 10 000 hours: the interval, in half-seconds on the gas counter,
  // stays far inside the 32 bits the controller keeps the due point in.
  za_godz = MakeSpin(0, 10'000, 10, 0, true);
  Za_km_Label.caption = "za km";
  za_km = MakeSpin(0, 700'000, 500, 0, true);
  Do_Przeglad_Edit = Counter(colors::kAqua);
  km_Do_Przeglad_Edit = Counter(colors::kAqua);
  Ustaw_przeglad_Button.caption = "Ustaw przegląd";
  Kasuj_alarm_BitBtn.caption = "Reset";
  Kasuj_alarm_BitBtn.hint = "Kasuj alarm";

  Data_pierwsza_adapt_Label.caption = "Data pierwszej adaptacji";
  Data_Pierwsza_Pick.enabled = false;
  Data_Pierwsza_time = TimeOfDay();
  Data_ostatnia_adapt_Label.caption = "Data ostatniej adaptacji";
  Data_Ostatnia_Pick.enabled = false;
  Data_Ostatnia_time = TimeOfDay();
}

}  // namespace tavu::window
