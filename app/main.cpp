// Program entry: the application object, the main window from its description, the loop.
// User-interface thread.
#include <windows.h>

#include <exception>
#include <memory>

#include "app/main_form.h"
#include "framework/ui/application.h"
#include "framework/win/code_module.h"
#include "skin/data/skin_file_option.h"
#include "skin/data/system_skin_follower.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  TApplication* app = Application();
  app->Initialize();
  app->SetTitle("Quarnel");
  std::unique_ptr<quarnel::TSystemSkinFollower> follower;
  try {
    TForm1* form = app->CreateForm<TForm1>();
    // "--skin FILE" starts with that package; a bad file is reported and the stored one stays.
    // "--skin auto" takes the light or the dark skin as the system is set, and at each change.
    const std::wstring skinFile = quarnel::SkinFileArgument(GetCommandLineW());
    if (skinFile == L"auto") {
      follower = std::make_unique<quarnel::TSystemSkinFollower>(
          *form->SkinData1, fw::ResourceBytes(nullptr, L"SKIN_LONGHORN_BLUE"),
          fw::ResourceBytes(nullptr, L"SKIN_GRAPHITE_DARK"));
      follower->Apply();
    } else if (!skinFile.empty()) {
      quarnel::UseSkinFile(*form->SkinData1, skinFile);
    }
  } catch (...) {
    // Failing to build the main window ends the program before the loop runs.
    app->HandleException(std::current_exception());
    app->Shutdown();
    return 1;
  }
  app->Run();
  follower.reset();  // before the skin data it serves goes with the form
  app->Shutdown();
  return 0;
}
