#include "SettingsFormBase.h"

#include "ExeName.h"
#include "KwReadSequence.h"

bool TSettingsForm::GroupRead(const KwSNMPRequest2Controls* request) const
{
    auto found = read_.find(request);
    return found != read_.end() && found->second;
}

bool TSettingsForm::Outstanding(const KwSNMPRequest2Controls* request)
{
    return request->Busy || request->Request.Pending > 0;
}

bool TSettingsForm::ReadGroup(KwSNMPRequest2Controls* request)
{
    const bool ok = request->Get();
    if (ok && request->Mode == 0)
        read_[request] = true;
    return ok;
}

void TSettingsForm::OnGroupRead(KwSNMPRequest2Controls* request, KwSNMPDoneEvent handler)
{
    request->OnGetDone = [this, handler](KwSNMPRequest2Controls* sender, KwSNMPError& error) {
        if (error.Code == 0)
            read_[sender] = true;
        if (handler)
            handler(sender, error);
    };
}

bool TSettingsForm::MaySave(const KwSNMPRequest2Controls* request, const TSaveGuardTexts& texts)
{
    // Until the group has been read the controls hold their own names or stale text,
    // which must never reach the device.
    if (!GroupRead(request))
        return RefuseInput(texts.NotRead, texts.Caption);
    // A read still on its way would put the older values back after the save.
    if (Outstanding(request))
        return RefuseInput(texts.ReadPending, texts.Caption);
    return true;
}

bool TSettingsForm::ShowFailure(const KwSNMPError& error)
{
    if (error.Code == 0)
        return false;
    ShowStatus(error.Message);
    return true;
}

TNotifyEvent TSettingsForm::ReadSequence(TNotifyEvent handler)
{
    return [handler](TObject* sender) {
        KwReadSequence sequence;
        handler(sender);
    };
}

void TSettingsForm::ShowReadFailure(const KwSNMPRequest2Controls* request)
{
    // Captioned as the library captions its own messages: with the program file's name.
    ShowReadFailure(request->Request.LastFailure.Message, ExtractFileName(AnsiString(ExeName())));
}

void TSettingsForm::ShowReadFailure(const AnsiString& text, const AnsiString& caption)
{
    if (KwReadSequence::FirstReport())
        Application->MessageBox(text.c_str(), caption.c_str(), MB_OK);
}

bool TSettingsForm::ReadGroupOrReport(KwSNMPRequest2Controls* request)
{
    if (ReadGroup(request))
        return true;
    ShowReadFailure(request);
    return false;
}
