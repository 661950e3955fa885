// The shared stack's reference count and lock, and the socket layer's module end. Any thread.
#include "net/id_component.h"

#include <mutex>

#include "framework/core/properties.h"
#include "net/id_stack_windows.h"
#include "net/winsock_table.h"

namespace {
struct SharedStack {
  std::mutex lock;
  int count = 0;
  std::unique_ptr<TIdStack> stack;
  TIdStackFactory factory = [] { return std::make_unique<TIdStackWindows>(); };
};

SharedStack& Shared() {
  static SharedStack shared;
  return shared;
}

// Module end: runs when the program's static objects are destroyed.
struct SocketLayerModule {
  SocketLayerModule() { Shared(); }  // the shared state must outlive this object
  ~SocketLayerModule() { FinalizeSocketLayer(); }
};
SocketLayerModule g_module;
}  // namespace

void SetStackClass(TIdStackFactory factory) {
  std::lock_guard<std::mutex> guard(Shared().lock);
  Shared().factory = std::move(factory);
}

TIdStack* GStack() {
  std::lock_guard<std::mutex> guard(Shared().lock);
  return Shared().stack.get();
}

int SocketComponentCount() {
  std::lock_guard<std::mutex> guard(Shared().lock);
  return Shared().count;
}

void FinalizeSocketLayer() {
  CleanupSocketService();
  ws2::Unload();
}

const TClassInfo& TIdComponent::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TIdComponent>("TIdComponent", &TComponent::StaticClass()).Build();
  return info;
}

TIdComponent::TIdComponent(TComponent* owner) : TComponent(owner) {
  SharedStack& shared = Shared();
  std::lock_guard<std::mutex> guard(shared.lock);
  // The count goes up only once the stack exists, so a failed start leaves no stackless count.
  if (shared.count == 0) shared.stack = shared.factory();
  ++shared.count;
}

TIdComponent::~TIdComponent() {
  SharedStack& shared = Shared();
  std::lock_guard<std::mutex> guard(shared.lock);
  if (--shared.count == 0) shared.stack.reset();
}
