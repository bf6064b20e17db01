#pragma once
// The application's list of forms in creation order, which skin broadcasts
// walk. A form is a top-level widget; it registers itself when created and
// unregisters when destroyed (a destroyed form also drops out by itself).
// Held as QObject, so that modules without widgets can walk it.

#include <vector>

class QObject;

namespace lumora {

// Appends the form once; registering it again keeps its first place.
void RegisterForm(QObject* form);
void UnregisterForm(QObject* form);
// The living registered forms, in creation order.
std::vector<QObject*> Forms();

// Whether object is a form: a top-level widget, registered or not.
bool IsForm(const QObject* object);

}  // namespace lumora
