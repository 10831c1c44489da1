// Band, application, country and channel lists, and the channel width of Home / Wireless.
#include "Catalogue.h"
#include "KwOptionList.h"
#include "KwSNMPRequest2Edits.h"
#include "Wirless.h"

namespace {

// Selects `missing` when the list lacks the mode: none (-1), or the first item where the
// list is the restricted one and the device's mode is not offered there.
void SelectModeText(TComboBox* combo, const std::vector<const char*>& items, const AnsiString& modeText,
                    int missing)
{
    combo->Items()->Clear();
    for (const char* item : items)
        combo->Items()->Add(item);
    // IndexOf ignores case: "WDS With AP" read from the device finds "WDS with AP".
    const int found = combo->Items()->IndexOf(modeText);
    combo->SetItemIndex(found >= 0 ? found : missing);
}

}  // namespace

bool TFM_Wirless::FillChannelCombo(TEdit* list, TComboBox* combo, TEdit* channel)
{
    combo->Items()->Clear();
    int found = -1;
    int counter = 0;
    for (const AnsiString& item : SplitChannelList(list->Text())) {
        combo->Items()->Add(item);
        if (item == channel->Text())
            found = counter;
        ++counter;
    }
    // A channel the list lacks shows as none: Save leaves the device's channel as it is.
    combo->SetItemIndex(found);
    return found >= 0;
}

void TFM_Wirless::Read5GHzChannelLists()
{
    if (!IndoorWdsListRequest) {
        IndoorWdsListRequest = SyncRequest(dot11Band5GHzWdsChannelListVars, MVT_SV, 0, 5000);
        IndoorWdsListRequest->BindFormat(0, "%s", ED_IndoorWdsChannelList);
        IndoorListRequest = SyncRequest(dot11Band5GHzChannelListVars, MVT_SV, 0, 5000);
        IndoorListRequest->BindFormat(0, "%s", ED_IndoorChannelList);
        OutdoorListRequest = SyncRequest(dot11Band5GHzOutdoorChannelListVars, MVT_SV, 0, 5000);
        OutdoorListRequest->BindFormat(0, "%s", ED_OutdoorChannelList);
    }
    Read(IndoorWdsListRequest);
    Read(IndoorListRequest);
    Read(OutdoorListRequest);
}

void TFM_Wirless::ReadCountry()
{
    if (!CountryRequest) {
        CountryRequest = SyncRequest(dot11CountrycodeVars, MVT_SV, 0, 5000);
        CountryRequest->BindFormat(0, "%s", ED_Country);
    }
    Read(CountryRequest);
}

void TFM_Wirless::ReadApplication()
{
    if (!ApplicationRequest) {
        ApplicationRequest = SyncRequest(dot11ApplicationVars, MVT_SV, 0, 5000);
        dot11ApplicationOptions->FillComboBox(CB_App);
        ApplicationRequest->BindComboBox(0, CB_App);
    }
    Read(ApplicationRequest);
    FillApplicationCombo();
}

void TFM_Wirless::FillApplicationCombo()
{
    CB_Applicaiton->Items()->Clear();
    for (const char* item : ApplicationItemsFor(CB_Band->ItemIndex()))
        CB_Applicaiton->Items()->Add(item);
    // The outdoor entry whatever the device said: the choice opens on outdoor use.
    CB_App->SetItemIndex(2);
    const int k = CB_App->ItemIndex() - 1;
    CB_Applicaiton->SetItemIndex(k >= 0 && k <= CB_Applicaiton->Items()->Count() - 1 ? k : 0);
}

void TFM_Wirless::CB_BandChange(TObject* Sender)
{
    const int band = CB_Band->ItemIndex();
    const bool restricted = IsRestrictedCase(Ed_Countrycode->Text(), band);

    // A new mode request for the band's list; the form keeps only the newest one.
    delete ApModeRequest;
    ApModeRequest = SyncRequest(restricted ? dot11ApModeVars4 : dot11ApModeVars3, MVT_SV, 0, 2000);
    CB_APMode->Items()->Clear();
    ApModeRequest->Request.VarList.Item(0).Options->FillComboBox(CB_APMode);
    ApModeRequest->BindComboBox(0, CB_APMode);
    ReadApMode();

    TEdit* list = band == 0 ? Ed_ChanListA : CB_APMode->ItemIndex() != 2 ? Ed_ChanListG : Ed_ChanListW;
    FillChannelCombo(list, CB_Chanal, CB_AuSc->ItemIndex() == 1 ? Ed_Channeldatabase : Ed_Channel);
    // The channel the mode handler puts back is an item of this list, not of the one
    // filled before: without a band no list by country follows to take its place.
    ReadChannelIndex = CB_Chanal->ItemIndex();

    UpdateModeLayout();
    UpdateChannelWidth();
    FillApplicationCombo();
    // The mode handler's warnings once for a band change, from its last step.
    CB_ApplicaitonChange(this);
    CB_APModeChange(Sender);
}

void TFM_Wirless::ReadApMode()
{
    Read(ApModeRequest);
    ModeText = CB_APMode->Text();
    // A mode JP and GB do not offer on 5 GHz shows as the first one offered. Elsewhere,
    // and for a value that is no mode at all, a mode outside the list shows as none, and
    // Save writes nothing until one is chosen.
    if (RestrictedCase() && CB_APMode->Text().IsEmpty() && DeviceModeKnown())
        CB_APMode->SetItemIndex(0);
}

bool TFM_Wirless::DeviceModeKnown() const
{
    if (!ModeText.IsEmpty())
        return true;
    // WDS with AP and WDS, which the JP and GB 5 GHz list lacks, read as their numbers.
    const AnsiString held = ApModeRequest ? KwSNMPVarList::ValueOf(ApModeRequest->Request.VarList.Item(0)) : "";
    return held == "2" || held == "3";
}

void TFM_Wirless::CB_ApplicaitonChange(TObject* Sender)
{
    SelectModeText(CB_APMode, FullModeItems, ModeText, -1);
    if (CB_Band->ItemIndex() == 1 && CB_Applicaiton->ItemIndex() == 1 && IsRestrictedCountry(Ed_Countrycode->Text()))
        SelectModeText(CB_APMode, RestrictedModeItems, ModeText, DeviceModeKnown() ? 0 : -1);
    CB_APModeChange(Sender);
    FillChannelsByCountry();
}

void TFM_Wirless::CB_ChanalChange(TObject* Sender)
{
    UpdateChannelWidth();
    PlaceNote();
}

void TFM_Wirless::FillChannelsByCountry()
{
    const TChannelListKind kind = ChannelListKindFor(ED_Country->Text(), CB_Band->ItemIndex(),
                                                     CB_Applicaiton->ItemIndex(), CB_APMode->Text());
    TEdit* list = nullptr;
    switch (kind) {
    case cl24GHz: list = Ed_ChanListA; break;
    case cl5GHzIndoorWds: list = ED_IndoorWdsChannelList; break;
    case cl5GHzIndoor: list = ED_IndoorChannelList; break;
    case cl5GHzOutdoor: list = ED_OutdoorChannelList; break;
    case clNoList: break;
    }
    if (list) {
        // An empty device list is replaced by the fixed list of its kind.
        if (list->Text().IsEmpty())
            list->SetText(FallbackListFor(kind));
        FillChannelCombo(list, CB_Chanal, Ed_Channel);
        if (CB_AuSc->ItemIndex() == 1)
            FillChannelCombo(list, CB_Chanal, Ed_Channeldatabase);
    }
    ReadChannelIndex = CB_Chanal->ItemIndex();
}

void TFM_Wirless::UpdateChannelWidth()
{
    TChannelWidthInputs inputs;
    inputs.WifiMode24Index = CB_WMode1->ItemIndex();
    inputs.WifiMode5Index = CB_WMode2->ItemIndex();
    inputs.Channel = CB_Chanal->Text();
    inputs.SecurityText = CB_SecurityMode->Text();
    inputs.EncryptionIndex = CB_dot11Encryption->ItemIndex();
    inputs.CountryCode = Ed_Countrycode->Text();
    if (ChannelWidthRestricted(inputs)) {
        CB_ChannelWidth->SetItemIndex(0);
        CB_ChannelWidth->SetEnabled(false);
    } else {
        CB_ChannelWidth->SetEnabled(CB_SsidBroadcast->Enabled());
    }
}
