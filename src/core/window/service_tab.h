#pragma once
// The "Serwis" tab: the work-time counters on petrol and on gas, the gas share,
// the service interval and what remains of it, and the adaptation dates.
#include "core/window/controls.h"

namespace tavu::window {

// Days since 30 December 1899; the fraction is the time of day.
inline constexpr double kNeverDate = 39630.0;  // 1 July 2008: no date recorded

// A date picker that shows the date of `value` in the long date format.
struct DatePicker : Control {
  double value = kNeverDate;
};

struct ServiceTabControls {  // TabSheet10
  ServiceTabControls();

  Panel Praca_na_benzynie_Box;  // "Praca na benzynie"
  TextBox Czas_benzyny_Edit;
  TextBox km_benzyna_Edit;
  Panel Praca_na_gazie_Box;  // "Praca na gazie"
  TextBox Czas_gazu_Edit;
  TextBox km_gaz_Edit;
  Gauge gaz_na_benzyna;  // share of gas in the running time, %

  Panel Korekcja_box;  // "Korekcja [h/km]"
  Label godz_Label;    // "1 godz="
  Spin przelicznik;    // km per hour of running
  Label km_Label;      // "km"

  Panel Do_przegladu_Box;  // "Do przeglądu"
  Label Za_godz_Label;     // "za godz."
  Spin za_godz;            // service interval in hours
  Label Za_km_Label;       // "za km"
  Spin za_km;              // the same interval in km
  TextBox Do_Przeglad_Edit;
  TextBox km_Do_Przeglad_Edit;
  Button Ustaw_przeglad_Button;  // "Ustaw przegląd"
  Button Kasuj_alarm_BitBtn;     // "Reset"

  Label Data_pierwsza_adapt_Label;  // "Data pierwszej adaptacji"
  DatePicker Data_Pierwsza_Pick;
  TextBox Data_Pierwsza_time;
  Label Data_ostatnia_adapt_Label;  // "Data ostatniej adaptacji"
  DatePicker Data_Ostatnia_Pick;
  TextBox Data_Ostatnia_time;
};

}  // namespace tavu::window
