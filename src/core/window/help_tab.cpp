#include "core/window/help_tab.h"

namespace tavu::window {

HelpTabControls::HelpTabControls() {
  Help_Memo.lines = {"Zawartość płyty instalacyjnej TAVU:",
                     "",
                     "1. Program serwisowy TAVU (katalog Program)",
                     "2. Sterowniki przejściówki USB - RS232 (katalog Sterowniki)",
                     "3. Instrukcja montażu sterownika (katalog Dokumentacja)",
                     "4. Instrukcja obsługi programu serwisowego (katalog Dokumentacja)",
                     "5. Schematy podłączeń instalacji (katalog Schematy)",
                     "",
                     "Aktualizacje programu: www.tavu.example"};
}

}  // namespace tavu::window
