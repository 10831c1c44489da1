#pragma once
// Help / About: the product line, the release, the maker's logo and an OK button.
// Shift+Alt+F3 on the button shows the build label.
#include "vcl.h"

class TAboutForm : public TForm {
public:
    explicit TAboutForm(TComponent* Owner);
    ~TAboutForm() override;

    TLabel* Label1;
    TLabel* Label2;
    TLabel* La_FwVer;
    TLabel* Label4;
    TLabel* Label3;
    TImage* Image1;
    TButton* BT_Ok;

    void BT_OkClick(TObject* Sender);
    void BT_OkKeyDown(TObject* Sender, Word& Key, TShiftState Shift);
};

extern TAboutForm* AboutForm;
