#include "ComCtrls.h"

#include "PageTabsAccessible.h"

#include <QProgressBar>
#include <QTabBar>
#include <QTabWidget>

// --- TTabSheet -------------------------------------------------------------------

TTabSheet::TTabSheet(TComponent* owner) : TWinControl(owner)
{
    AttachWidget(new QWidget);
}

TTabSheet::~TTabSheet()
{
    if (pageControl_)
        pageControl_->RemovePage(this);
}

void TTabSheet::SetPageControl(TPageControl* pageControl) { SetParent(pageControl); }

void TTabSheet::PlaceWidget(TWinControl* parent)
{
    if (pageControl_)
        pageControl_->RemovePage(this);
    if (auto* pages = dynamic_cast<TPageControl*>(parent)) {
        pages->AddPage(this);
    } else {
        Widget()->setParent(parent ? parent->ClientWidget() : nullptr);
        Widget()->setVisible(parent != nullptr && Visible());
    }
}

int TTabSheet::PageIndex() const
{
    if (!pageControl_)
        return -1;
    auto& pages = pageControl_->pages_;
    return int(std::find(pages.begin(), pages.end(), this) - pages.begin());
}

void TTabSheet::WriteText(const AnsiString& text)
{
    caption_ = text;
    if (pageControl_)
        pageControl_->tabs_->setTabText(PageIndex(), ControlQString(text));
}

void TTabSheet::SetTabVisible(bool visible)
{
    tabVisible_ = visible;
    if (pageControl_)
        pageControl_->tabs_->setTabVisible(PageIndex(), visible);
}

// --- TPageControl ----------------------------------------------------------------

TPageControl::TPageControl(TComponent* owner) : TWinControl(owner)
{
    InstallPageTabsAccessible();
    tabs_ = new QTabWidget;
    AttachWidget(tabs_);
    tabs_->resize(289, 193);
    // Code changes run inside ByCode and raise no OnChange.
    QObject::connect(tabs_, &QTabWidget::currentChanged, SignalContext(), [this](int index) {
        AnnouncePageSelected(tabs_->tabBar(), shownPage_);
        shownPage_ = index;
        if (!ChangingByCode())
            FromQt([this] { Fire(OnChange); });
    });
}

TPageControl::~TPageControl()
{
    MuteEvents();
    DropConnections();
    // The sheets go while the page list still exists.
    while (!pages_.empty())
        delete pages_.back();
}

void TPageControl::AddPage(TTabSheet* page)
{
    page->pageControl_ = this;
    pages_.push_back(page);
    ByCode([&] {
        int index = tabs_->addTab(page->Widget(), ControlQString(page->caption_));
        tabs_->setTabVisible(index, page->tabVisible_);
    });
}

void TPageControl::RemovePage(TTabSheet* page)
{
    auto at = std::find(pages_.begin(), pages_.end(), page);
    if (at == pages_.end())
        return;
    int index = int(at - pages_.begin());
    pages_.erase(at);
    page->pageControl_ = nullptr;
    ByCode([&] { tabs_->removeTab(index); });
}

TTabSheet* TPageControl::Pages(int index) const
{
    if (index < 0 || index >= PageCount())
        throw ERangeError("List index out of bounds (" + IntToStr(index) + ")");
    return pages_[size_t(index)];
}

TTabSheet* TPageControl::ActivePage() const
{
    int index = tabs_->currentIndex();
    return index >= 0 && index < PageCount() ? pages_[size_t(index)] : nullptr;
}

void TPageControl::SetActivePage(TTabSheet* page)
{
    if (!page || page->pageControl_ != this)
        return;
    ByCode([&] { tabs_->setCurrentIndex(page->PageIndex()); });
}

int TPageControl::ActivePageIndex() const { return tabs_->currentIndex(); }

void TPageControl::SetActivePageIndex(int index)
{
    if (index >= 0 && index < PageCount())
        ByCode([&] { tabs_->setCurrentIndex(index); });
}

// --- TProgressBar ----------------------------------------------------------------

TProgressBar::TProgressBar(TComponent* owner) : TWinControl(owner)
{
    bar_ = new QProgressBar;
    bar_->setRange(0, 100);
    bar_->setValue(0);
    bar_->setTextVisible(false);
    AttachWidget(bar_);
    bar_->resize(150, 16);
}

int TProgressBar::Min() const { return bar_->minimum(); }
void TProgressBar::SetMin(int min) { bar_->setMinimum(min); }
int TProgressBar::Max() const { return bar_->maximum(); }
void TProgressBar::SetMax(int max) { bar_->setMaximum(max); }
int TProgressBar::Position() const { return bar_->value(); }
void TProgressBar::SetPosition(int position) { bar_->setValue(std::max(Min(), std::min(Max(), position))); }
void TProgressBar::StepIt() { StepBy(step_); }

void TProgressBar::StepBy(int delta)
{
    // The original wraps round to the minimum after passing the maximum.
    int next = Position() + delta;
    SetPosition(next > Max() ? Min() + (next - Max()) : next);
}
