#pragma once
// The two phases of a skin change over a form's controls, driven by the
// form's frame on the skin data component's broadcasts. Both walk every
// widget below root, depth first with a parent before its children, and
// reach every skinned control (the control base, and the labels and edits
// that carry their own skin link).

class QWidget;

namespace lumora {

// WM_SKINDATA_CHANGING (1225): every skinned control below root drops its
// data index, so nothing reads the data objects about to be freed.
void PrepareSkinChangeOfControls(QWidget* root);
// WM_SKINDATA_LOADED (1226): every skinned control re-reads its data
// object, resizes and repaints.
void ApplySkinChangeOfControls(QWidget* root);

}  // namespace lumora
