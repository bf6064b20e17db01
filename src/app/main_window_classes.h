#pragma once
// The classes TForm1's description names, each with the settings the
// description stores for it, registered with a reader that builds form.

#include <QRect>
#include <QWidget>
#include <map>
#include <utility>
#include <vector>

namespace lumora {

class TForm1;
class TFormReader;

// What the settings leave for after the reading: the tab order and the
// stored bounds.
struct TForm1Loading {
  std::vector<std::pair<int, QWidget*>> tab_order;
  // Each control's bounds as the description gives them, before a control
  // sized to its text moved away from them.
  std::map<const QWidget*, QRect> stored_bounds;
};

void RegisterForm1Classes(TFormReader& reader, TForm1& form, TForm1Loading& loading);

// Chains the focus through the controls by their stored tab order.
void ApplyTabOrder(std::vector<std::pair<int, QWidget*>> order);

}  // namespace lumora
