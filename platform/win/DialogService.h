#pragma once
// The one road by which the program asks the user something: message boxes,
// ShowMessage, MessageDlg and the open and save file dialogs all end here.
// The default service shows Qt dialogs; tests install a scripted one that records
// every box and answers it without showing anything.
#include <string>
#include <vector>

enum class DialogButton { None, Ok, Cancel, Abort, Retry, Ignore, Yes, No, All, NoToAll, YesToAll, Help, Close };

enum class DialogIcon { None, Information, Warning, Error, Question };

// Which call made the box (for tests and for the look of the box).
enum class DialogOrigin { MessageBox, ShowMessage, MessageDlg, Exception };

struct MessageBoxRequest {
    DialogOrigin Origin = DialogOrigin::MessageBox;
    std::string Caption;
    std::string Text;
    DialogIcon Icon = DialogIcon::None;
    std::vector<DialogButton> Buttons{DialogButton::Ok};
    DialogButton DefaultButton = DialogButton::Ok;
};

struct FileDialogRequest {
    bool Save = false;
    std::string Title;
    std::string Filter;       // "Text files|*.txt|All files|*.*"
    int FilterIndex = 1;      // 1-based, as the class library counts
    std::string InitialDir;
    std::string FileName;
    std::string DefaultExt;   // without the dot; added when the name has none
    bool OverwritePrompt = false;
    bool FileMustExist = false;
};

struct FileDialogResult {
    bool Accepted = false;
    std::string FileName;
    int FilterIndex = 1;
};

class DialogService {
public:
    virtual ~DialogService() = default;
    // Shows the box modally and returns the button that closed it
    // (Cancel, or the only button, when the box was dismissed otherwise).
    virtual DialogButton ShowMessageBox(const MessageBoxRequest& request) = 0;
    virtual FileDialogResult ShowFileDialog(const FileDialogRequest& request) = 0;
};

// The service in force: the installed one, else the Qt one.
DialogService& CurrentDialogService();
// Installs `service` (not owned; nullptr puts the Qt service back) and returns the
// service that was installed before (nullptr for the Qt one).
DialogService* InstallDialogService(DialogService* service);

// Installs a service for the lifetime of this object, then restores the previous one.
class ScopedDialogService {
public:
    explicit ScopedDialogService(DialogService& service) : previous_(InstallDialogService(&service)) {}
    ~ScopedDialogService() { InstallDialogService(previous_); }
    ScopedDialogService(const ScopedDialogService&) = delete;
    ScopedDialogService& operator=(const ScopedDialogService&) = delete;

private:
    DialogService* previous_;
};

// Splits a class-library filter ("Text|*.txt|All|*.*") into (description, patterns) pairs.
std::vector<std::pair<std::string, std::string>> SplitDialogFilter(const std::string& filter);
// Appends ".ext" to a file name without extension when `defaultExt` is not empty.
std::string ApplyDefaultExtension(const std::string& fileName, const std::string& defaultExt);
