#include "InformationMenu.h"

#include "Information.h"

void OpenInformationForm()
{
    FM_Information = new TFM_Information(Application);
    try {
        FM_Information->ShowModal();
    } catch (...) {
        delete FM_Information;
        throw;
    }
    if (FM_Information)
        delete FM_Information;
}
