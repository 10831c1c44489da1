#include "ScriptedDialogs.h"

#include <stdexcept>

DialogButton ScriptedDialogs::ShowMessageBox(const MessageBoxRequest& request)
{
    boxes.push_back(request);
    if (!answers.empty()) {
        DialogButton answer = answers.front();
        answers.pop_front();
        return answer;
    }
    return DefaultAnswer != DialogButton::None ? DefaultAnswer : request.DefaultButton;
}

FileDialogResult ScriptedDialogs::ShowFileDialog(const FileDialogRequest& request)
{
    fileRequests.push_back(request);
    if (files.empty())
        return FileDialogResult{false, request.FileName, request.FilterIndex};
    FileDialogResult result = files.front();
    files.pop_front();
    if (result.Accepted)
        result.FileName = ApplyDefaultExtension(result.FileName, request.DefaultExt);
    return result;
}

void ScriptedDialogs::ChooseFile(const std::string& fileName, int filterIndex)
{
    files.push_back(FileDialogResult{true, fileName, filterIndex});
}

void ScriptedDialogs::CancelFile() { files.push_back(FileDialogResult{}); }

std::vector<std::string> ScriptedDialogs::Texts() const
{
    std::vector<std::string> texts;
    for (const auto& box : boxes)
        texts.push_back(box.Text);
    return texts;
}

const MessageBoxRequest& ScriptedDialogs::Last() const
{
    if (boxes.empty())
        throw std::logic_error("no message box was shown");
    return boxes.back();
}
