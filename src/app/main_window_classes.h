#pragma once
// The classes TForm1's description names, each with the settings the
// description stores for it, registered with a reader that builds form.

#include <QWidget>
#include <utility>
#include <vector>

namespace lumora {

class TForm1;
class TFormReader;

// What the settings leave for after the reading: the tab order.
struct TForm1Loading {
  std::vector<std::pair<int, QWidget*>> tab_order;
};

void RegisterForm1Classes(TFormReader& reader, TForm1& form, TForm1Loading& loading);

// Chains the focus through the controls by their stored tab order.
void ApplyTabOrder(std::vector<std::pair<int, QWidget*>> order);

}  // namespace lumora
