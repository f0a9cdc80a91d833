#include "core/window/map_tab.h"

namespace tavu::window {
namespace {

Series MakeSeries(std::string title, SeriesKind kind, bool rightAxis, int pointSize = 0) {
  Series s;
  s.title = std::move(title);
  s.kind = kind;
  s.rightAxis = rightAxis;
  s.pointSize = pointSize;
  return s;
}

ColoredButton MakeButton(std::string caption, Rgb textColor) {
  ColoredButton b;
  b.caption = std::move(caption);
  b.textColor = textColor;
  return b;
}

Tab MakeTab(std::string name, std::string caption) {
  Tab t;
  t.name = std::move(name);
  t.caption = std::move(caption);
  return t;
}

}  // namespace

MapTabControls::MapTabControls() {
  PageControl1.tabs = {MakeTab("Typ_E", "Typ 1"), MakeTab("TypB", "Typ 2"), MakeTab("TypS", "Typ 3")};
  PageControl1.active = "Typ_E";

  using K = SeriesKind;
  Chart1.series = {MakeSeries("Mnożnik", K::Line, false),        MakeSeries("Obszar_od", K::Line, false),
                   MakeSeries("Obszar_do", K::Line, false),      MakeSeries("Wskaznik", K::LineAndPoints, true, 5),
                   MakeSeries("Wykres_Gaz", K::Line, true),      MakeSeries("Wykres_Petrol", K::Line, true),
                   MakeSeries("Punkty", K::Points, true, 4),     MakeSeries("Punkty", K::Points, true, 4)};

  Chart2.bottomMinorTicks = 2;
  Chart2.series = {MakeSeries("Mnożnik", K::Line, false),        MakeSeries("Obszar_od", K::Points, false, 9),
                   MakeSeries("Obszar_do", K::Points, false, 9), MakeSeries("Wskaznik", K::LineAndPoints, true, 5),
                   MakeSeries("Wykres_Gaz", K::Line, true),      MakeSeries("Wykres_Petrol", K::Line, true),
                   MakeSeries("Punkty", K::Points, true, 4),     MakeSeries("Punkty", K::Points, true, 4)};
  Chart2.series[0].penWidth = 2;
  Chart2.series[1].handCursor = true;
  Chart2.series[3].dashed = true;
  Chart2.series[4].dashed = true;

  PaintBox1.hint = "Zmiana korekcji-zaznacz obszar zmian na wykresie i przesuń strzałkami góra/dół";
  Panel4.height = kPanel4Low;
  Button3.caption = "X";
  zoom.caption = kZoomOutCaption;
  zoom_S.caption = kZoomOutCaption;
  BitBtn1 = MakeButton("Gaz", colors::kGreen);
  BitBtn2 = MakeButton("Petrol", colors::kRed);
  BitBtn1a = MakeButton("Gaz", colors::kGreen);
  BitBtn2a = MakeButton("Petrol", colors::kRed);
  lupa_button.visible = false;
}

}  // namespace tavu::window
