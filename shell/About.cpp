#include "About.h"

#include <algorithm>

#include "Main.h"
#include "SettingsForm.h"
#include "ShellAssets.h"

TAboutForm* AboutForm = nullptr;

TAboutForm::TAboutForm(TComponent* Owner) : TForm(Owner)
{
    SetName("AboutForm");
    SetCaption("Help\\About");
    SetBorderStyle(bsSingle);
    SetBorderIcons(biSystemMenu | biMinimize);
    SetPosition(poOwnerFormCenter);

    Image1 = new TImage(this);
    Image1->SetName("Image1");
    Image1->SetParent(this);
    Image1->SetBounds(16, 16, 96, 96);
    Image1->SetAutoSize(true);
    LoadJpegAsset(Image1->Picture(), "logo.jpg");

    const int textLeft = Image1->Left() + Image1->Width() + 16;
    Label1 = AddFormLabel(this, "Label1", "", textLeft, 20);
    Label1->SetCaption(AnsiString(ModelName) + " Management Module");
    Label1->Font()->SetStyle(fsBold);
    Label2 = AddFormLabel(this, "Label2", "Release Version:", textLeft, 48);
    La_FwVer = AddFormLabel(this, "La_FwVer", "v1.02", textLeft + 110, 48);
    Label4 = AddFormLabel(this, "Label4", "R20(2010/03/19)", textLeft + 160, 48);
    Label4->SetVisible(false);
    Label3 = AddFormLabel(this, "Label3", "Device management over SNMP v1, v2c and v3.", textLeft, 76);

    const int contentBottom = std::max(Image1->Top() + Image1->Height(), 96);
    BT_Ok = new TButton(this);
    BT_Ok->SetName("BT_Ok");
    BT_Ok->SetParent(this);
    BT_Ok->SetCaption("OK");
    BT_Ok->SetDefault(true);
    BT_Ok->OnClick = [this](TObject* Sender) { BT_OkClick(Sender); };
    BT_Ok->OnKeyDown = [this](TObject* Sender, Word& Key, TShiftState Shift) {
        BT_OkKeyDown(Sender, Key, Shift);
    };

    const int width = std::max(textLeft + 340, 420);
    SetClientWidth(width);
    BT_Ok->SetBounds((width - 75) / 2, contentBottom + 16, 75, 25);
    SetClientHeight(BT_Ok->Top() + BT_Ok->Height() + 12);
}

TAboutForm::~TAboutForm()
{
    if (AboutForm == this)
        AboutForm = nullptr;
}

void TAboutForm::BT_OkClick(TObject* Sender) { Close(); }

void TAboutForm::BT_OkKeyDown(TObject* Sender, Word& Key, TShiftState Shift)
{
    if (Key == VK_F3 && Shift.Contains(ssShift) && Shift.Contains(ssAlt))
        Label4->SetVisible(true);
}
