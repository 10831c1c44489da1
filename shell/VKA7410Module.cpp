// The program entry: the application titled "VKA-7410", the main window, the message
// loop. An exception that reaches the entry is shown and the program ends normally.
#include "Main.h"

int main(int argc, char** argv)
{
    TApplication::SetArgs(argc, argv);
    SetParams(argc, argv);
    try {
        Application->Initialize();
        Application->SetTitle(ModelName);
        Application->CreateForm(MainForm);
        Application->Run();
    } catch (...) {
        Application->HandleException(Application);
    }
    delete MainForm;
    return 0;
}
