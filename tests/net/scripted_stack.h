// A stack whose local address list follows a script, for the address watch tests. Installed as
// the stack class before the first socket-library component is made. User-interface thread.
#pragma once
#include <deque>
#include <memory>
#include <string>

#include "net/id_component.h"
#include "net/id_stack_windows.h"

struct AddressScript {
  static constexpr char kFail[] = "<host not found>";
  std::deque<std::string> next;  // one entry per query; kFail raises the socket error
  std::string steady;            // answered once the script has run out
  int queries = 0;
};

inline AddressScript& Script() {
  static AddressScript script;
  return script;
}

class TScriptedStack : public TIdStackWindows {
 public:
  void RefreshLocalAddresses() override {
    ensureLocalAddressList();
    localAddresses()->Clear();
    AddressScript& s = Script();
    ++s.queries;
    std::string address = s.steady;
    if (!s.next.empty()) {
      address = s.next.front();
      s.next.pop_front();
    }
    if (address == AddressScript::kFail) RaiseSocketError(11001);
    localAddresses()->Add(address);
  }
};

// Puts the scripted stack in for one test and the Windows stack back afterwards.
struct ScriptedStackScope {
  ScriptedStackScope() {
    Script() = AddressScript();
    SetStackClass([] { return std::make_unique<TScriptedStack>(); });
  }
  ~ScriptedStackScope() {
    SetStackClass([] { return std::make_unique<TIdStackWindows>(); });
  }
};
