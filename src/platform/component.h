#pragma once
// Base of the non-visual components that sit on a form: the owner form (a
// reference; whoever creates a component frees it, normally the form class
// holding it), the designing and loading states that property setters
// consult, and the free notification that clears links between components.

#include <QObject>
#include <QPointer>
#include <string>
#include <vector>

namespace lumora {

enum class TOperation { opInsert, opRemove };

class TComponent {
 public:
  explicit TComponent(QObject* owner = nullptr);
  virtual ~TComponent();
  TComponent(const TComponent&) = delete;
  TComponent& operator=(const TComponent&) = delete;

  // The form the component sits on, or null.
  QObject* Owner() const { return owner_.data(); }
  const std::string& Name() const { return name_; }
  void SetName(std::string name) { name_ = std::move(name); }

  // In a form designer (set by the designer) and while a stored description
  // is being read (between BeginLoading and EndLoading).
  bool Designing() const { return designing_; }
  void SetDesigning(bool on) { designing_ = on; }
  bool Loading() const { return loading_; }
  void BeginLoading() { loading_ = true; }
  // Ends the loading state and calls Loaded.
  void EndLoading();

  // Asks that other's Notification be called with opRemove when this
  // component is freed (and the other way round).
  void FreeNotification(TComponent* other);
  void RemoveFreeNotification(TComponent* other);

 protected:
  virtual void Notification(TComponent* component, TOperation operation);
  virtual void Loaded() {}

 private:
  QPointer<QObject> owner_;
  std::string name_;
  bool designing_ = false;
  bool loading_ = false;
  std::vector<TComponent*> notify_;
};

// The owner form of a component, or null.
inline QObject* OwnerForm(const TComponent* component) {
  return component ? component->Owner() : nullptr;
}

}  // namespace lumora
