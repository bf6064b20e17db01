#include "skin/controls/skin_group_box.h"

namespace lumora {

TskSkinGroupBox::TskSkinGroupBox(QWidget* parent) : TskSkinPanel(parent) {
  SetSkinDataName("groupbox");
  SetCaptionMode(true);
}

}  // namespace lumora
