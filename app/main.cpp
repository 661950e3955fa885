// Program entry: the application object, the main window from its description, the loop.
// User-interface thread.
#include <windows.h>

#include <exception>

#include "app/main_form.h"
#include "framework/ui/application.h"
#include "skin/data/skin_file_option.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  TApplication* app = Application();
  app->Initialize();
  app->SetTitle("Quarnel");
  try {
    TForm1* form = app->CreateForm<TForm1>();
    // "--skin FILE" starts with that package; a bad file is reported and the stored one stays.
    const std::wstring skinFile = quarnel::SkinFileArgument(GetCommandLineW());
    if (!skinFile.empty()) quarnel::UseSkinFile(*form->SkinData1, skinFile);
  } catch (...) {
    // Failing to build the main window ends the program before the loop runs.
    app->HandleException(std::current_exception());
    app->Shutdown();
    return 1;
  }
  app->Run();
  app->Shutdown();
  return 0;
}
