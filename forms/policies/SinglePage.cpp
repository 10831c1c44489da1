#include "SinglePage.h"

TTabSheet* AddSinglePage(TFormBuilder& build, TPageControl*& pageControl, const char* caption, int left, int top,
                         int width, int height)
{
    pageControl = build.Add<TPageControl>("PageControl1", left, top, width, height);
    TTabSheet* page = new TTabSheet(pageControl->Owner());
    page->SetName("TabSheet1");
    page->SetPageControl(pageControl);
    page->SetCaption(caption);
    return page;
}
