#include "DialogService.h"

#include "TextBytes.h"

#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QStringList>
#include <cstdio>

namespace {

QString FromBytes(const std::string& text) { return BytesToQString(text); }
// Paths are the file system's bytes: Qt's encoding for file names.
QString FromPath(const std::string& path) { return QFile::decodeName(QByteArray::fromStdString(path)); }
std::string ToPath(const QString& path) { return QFile::encodeName(path).toStdString(); }

QMessageBox::StandardButton ToQt(DialogButton button)
{
    switch (button) {
    case DialogButton::Ok: return QMessageBox::Ok;
    case DialogButton::Cancel: return QMessageBox::Cancel;
    case DialogButton::Abort: return QMessageBox::Abort;
    case DialogButton::Retry: return QMessageBox::Retry;
    case DialogButton::Ignore: return QMessageBox::Ignore;
    case DialogButton::Yes: return QMessageBox::Yes;
    case DialogButton::No: return QMessageBox::No;
    case DialogButton::All: return QMessageBox::YesToAll;
    case DialogButton::NoToAll: return QMessageBox::NoToAll;
    case DialogButton::YesToAll: return QMessageBox::YesToAll;
    case DialogButton::Help: return QMessageBox::Help;
    case DialogButton::Close: return QMessageBox::Close;
    case DialogButton::None: break;
    }
    return QMessageBox::NoButton;
}

QMessageBox::Icon ToQt(DialogIcon icon)
{
    switch (icon) {
    case DialogIcon::Information: return QMessageBox::Information;
    case DialogIcon::Warning: return QMessageBox::Warning;
    case DialogIcon::Error: return QMessageBox::Critical;
    case DialogIcon::Question: return QMessageBox::Question;
    case DialogIcon::None: break;
    }
    return QMessageBox::NoIcon;
}

class QtDialogService : public DialogService {
public:
    DialogButton ShowMessageBox(const MessageBoxRequest& request) override
    {
        if (!qobject_cast<QApplication*>(QCoreApplication::instance())) {
            // No widgets to show (a program without GUI): the text goes to stderr.
            std::fprintf(stderr, "%s: %s\n", request.Caption.c_str(), request.Text.c_str());
            return request.DefaultButton;
        }
        QMessageBox box(ToQt(request.Icon), FromBytes(request.Caption), FromBytes(request.Text),
                        QMessageBox::NoButton, QApplication::activeWindow());
        // Texts may carry device values: "<" and "&" are shown, never read as markup.
        box.setTextFormat(Qt::PlainText);
        std::vector<std::pair<QAbstractButton*, DialogButton>> buttons;
        for (DialogButton b : request.Buttons) {
            QPushButton* added = box.addButton(ToQt(b));
            if (b == DialogButton::All)
                added->setText(QStringLiteral("All"));
            buttons.emplace_back(added, b);
            if (b == request.DefaultButton)
                box.setDefaultButton(added);
        }
        box.exec();
        for (auto& [widget, button] : buttons)
            if (box.clickedButton() == widget)
                return button;
        return DismissAnswer(request);
    }

    FileDialogResult ShowFileDialog(const FileDialogRequest& request) override
    {
        if (!qobject_cast<QApplication*>(QCoreApplication::instance()))
            return FileDialogResult{false, request.FileName, request.FilterIndex};
        QFileDialog dialog(QApplication::activeWindow(), FromBytes(request.Title), FromPath(request.InitialDir));
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        dialog.setAcceptMode(request.Save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
        dialog.setFileMode(request.Save || !request.FileMustExist ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
        if (!request.OverwritePrompt)
            dialog.setOption(QFileDialog::DontConfirmOverwrite);
        QStringList filters;
        for (auto& [description, patterns] : SplitDialogFilter(request.Filter))
            filters << FromBytes(description + " (" + patterns + ")");
        if (!filters.isEmpty()) {
            dialog.setNameFilters(filters);
            int index = request.FilterIndex >= 1 && request.FilterIndex <= filters.size() ? request.FilterIndex : 1;
            dialog.selectNameFilter(filters[index - 1]);
        }
        if (!request.FileName.empty())
            dialog.selectFile(FromPath(request.FileName));
        FileDialogResult result;
        result.FilterIndex = request.FilterIndex;
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return result;
        result.Accepted = true;
        result.FileName = ApplyDefaultExtension(ToPath(dialog.selectedFiles().first()), request.DefaultExt);
        int chosen = filters.indexOf(dialog.selectedNameFilter());
        if (chosen >= 0)
            result.FilterIndex = chosen + 1;
        return result;
    }

private:
    static DialogButton DismissAnswer(const MessageBoxRequest& request)
    {
        for (DialogButton b : request.Buttons)
            if (b == DialogButton::Cancel)
                return b;
        return request.Buttons.size() == 1 ? request.Buttons.front() : DialogButton::Cancel;
    }
};

DialogService*& Installed()
{
    static DialogService* installed = nullptr;
    return installed;
}

}  // namespace

DialogService& CurrentDialogService()
{
    static QtDialogService qtService;
    return Installed() ? *Installed() : static_cast<DialogService&>(qtService);
}

DialogService* InstallDialogService(DialogService* service)
{
    DialogService* previous = Installed();
    Installed() = service;
    return previous;
}

std::vector<std::pair<std::string, std::string>> SplitDialogFilter(const std::string& filter)
{
    std::vector<std::string> parts;
    std::string current;
    for (char c : filter) {
        if (c == '|') {
            parts.push_back(current);
            current.clear();
        } else {
            current += c;
        }
    }
    if (!filter.empty())
        parts.push_back(current);
    std::vector<std::pair<std::string, std::string>> pairs;
    for (size_t i = 0; i + 1 < parts.size(); i += 2) {
        std::string patterns = parts[i + 1];
        for (char& c : patterns)
            if (c == ';')
                c = ' ';
        pairs.emplace_back(parts[i], patterns);
    }
    if (parts.size() % 2 == 1 && !parts.back().empty())  // a description without patterns
        pairs.emplace_back(parts.back(), "*");
    return pairs;
}

std::string ApplyDefaultExtension(const std::string& fileName, const std::string& defaultExt)
{
    if (defaultExt.empty() || fileName.empty())
        return fileName;
    size_t slash = fileName.find_last_of("/\\");
    size_t base = slash == std::string::npos ? 0 : slash + 1;
    if (fileName.find('.', base) != std::string::npos)
        return fileName;
    std::string ext = defaultExt[0] == '.' ? defaultExt.substr(1) : defaultExt;
    return fileName + "." + ext;
}
