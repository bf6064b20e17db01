#pragma once
// The application's list of forms in creation order, which skin broadcasts
// walk. A form is a top-level QWidget; it registers itself when created and
// unregisters when destroyed (a destroyed widget also drops out by itself).

#include <QWidget>
#include <vector>

namespace lumora {

// Appends the form once; registering it again keeps its first place.
void RegisterForm(QWidget* form);
void UnregisterForm(QWidget* form);
// The living registered forms, in creation order.
std::vector<QWidget*> Forms();

}  // namespace lumora
