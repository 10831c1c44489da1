#pragma once
// A dialog service for tests: records every message box and file dialog, answers
// boxes from a queue (then with DefaultAnswer, or the box's default button when that
// is None) and file dialogs from a queue (then as cancelled). Install it with
// ScopedDialogService or use ScriptedDialogs::Installed for the common case.
#include "DialogService.h"

#include <deque>
#include <string>
#include <vector>

class ScriptedDialogs : public DialogService {
public:
    DialogButton ShowMessageBox(const MessageBoxRequest& request) override;
    FileDialogResult ShowFileDialog(const FileDialogRequest& request) override;

    // Queues answers for the next boxes, in order.
    void Answer(DialogButton button) { answers.push_back(button); }
    // Queues the next file dialog to be accepted with `fileName` (or cancelled).
    void ChooseFile(const std::string& fileName, int filterIndex = 1);
    void CancelFile();

    // Texts of all recorded boxes, and the last box (throws when none).
    std::vector<std::string> Texts() const;
    const MessageBoxRequest& Last() const;
    int Count() const { return int(boxes.size()); }
    void Clear() { boxes.clear(); fileRequests.clear(); }

    std::vector<MessageBoxRequest> boxes;
    std::vector<FileDialogRequest> fileRequests;
    std::deque<DialogButton> answers;
    std::deque<FileDialogResult> files;
    DialogButton DefaultAnswer = DialogButton::None;
};

// A scripted service that installs itself for its own lifetime.
class InstalledScriptedDialogs : public ScriptedDialogs {
public:
    InstalledScriptedDialogs() : scope_(*this) {}

private:
    ScopedDialogService scope_;
};
