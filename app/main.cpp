// Program entry: the application object, the main window from its description, the loop.
// User-interface thread.
#include <windows.h>

#include <exception>

#include "app/main_form.h"
#include "framework/core/text.h"
#include "framework/ui/application.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  TApplication* app = Application();
  app->Initialize();
  app->SetTitle("Quarnel");
  try {
    app->CreateForm<TForm1>();
  } catch (const std::exception& e) {
    // Failing to build the main window ends the program before the loop runs.
    MessageBoxW(nullptr, fw::ToWide(TApplication::ErrorBoxText(e.what())).c_str(), L"Application Error",
                MB_OK | MB_ICONSTOP | MB_TASKMODAL);
    app->Shutdown();
    return 1;
  }
  app->Run();
  app->Shutdown();
  return 0;
}
