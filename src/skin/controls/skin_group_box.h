#pragma once
// TskSkinGroupBox: a panel with the "groupbox" look and its caption band on.

#include "skin/controls/skin_panel.h"

namespace lumora {

class TskSkinGroupBox : public TskSkinPanel {
 public:
  explicit TskSkinGroupBox(QWidget* parent = nullptr);
};

}  // namespace lumora
