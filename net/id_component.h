// `TIdComponent`, the base of the socket library's components, and the shared stack they keep
// alive: a global count of components and one stack instance, guarded by one global lock.
// Components are made and freed on the user-interface thread; the lock makes any thread safe.
#pragma once
#include <functional>
#include <memory>

#include "framework/core/component.h"
#include "net/id_stack.h"

// Makes the stack instance; TIdStackWindows unless replaced before the first component.
using TIdStackFactory = std::function<std::unique_ptr<TIdStack>()>;
void SetStackClass(TIdStackFactory factory);

// The shared stack, or null while no socket-library component exists.
TIdStack* GStack();
// Number of live socket-library components.
int SocketComponentCount();

// Module end of the socket layer: shuts the socket service down if it was started and releases
// the library. Runs at program end; callable earlier once no component is left.
void FinalizeSocketLayer();

class TIdComponent : public TComponent {
  FW_DECLARE_CLASS()
 public:
  // Creates the shared stack when this is the first socket-library component; its error
  // (library missing, service not startable) propagates.
  explicit TIdComponent(TComponent* owner);
  ~TIdComponent() override;
};
