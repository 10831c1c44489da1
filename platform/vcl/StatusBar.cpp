#include "ComCtrls.h"

#include "WidgetHooks.h"

#include <QFontMetrics>
#include <QFrame>
#include <QLabel>

#include <algorithm>

namespace {
// Shows `text` whole in the label when it fits; otherwise shortened at its end with an
// ellipsis, the whole text then being the label's tool tip and its accessible
// description, so that neither a reader nor assistive technology loses any of it.
void ShowFitted(QLabel* label, const AnsiString& text)
{
    const QString whole = ControlQString(text);
    const QFontMetrics metrics(label->font());
    // A framed label without an indent of its own indents its text by half an "x".
    const int indent = label->indent() >= 0 ? label->indent()
                       : label->frameWidth() > 0 ? metrics.horizontalAdvance(QLatin1Char('x')) / 2
                                                 : 0;
    const int room = label->contentsRect().width() - 2 * label->margin() - indent;
    const QString shown = metrics.elidedText(whole, Qt::ElideRight, std::max(0, room));
    label->setText(shown);
    const QString hidden = shown == whole ? QString() : whole;
    label->setToolTip(hidden);
    label->setAccessibleDescription(hidden);
}
}  // namespace

// --- panels ----------------------------------------------------------------------

void TStatusPanel::SetText(const AnsiString& text)
{
    text_ = text;
    bar_->Refresh();
}

void TStatusPanel::SetWidth(int width)
{
    width_ = width;
    bar_->Refresh();
}

void TStatusPanel::SetAlignment(TAlignment alignment)
{
    alignment_ = alignment;
    bar_->Refresh();
}

int TStatusPanel::Index() const
{
    auto& list = bar_->panels_->panels_;
    return int(std::find(list.begin(), list.end(), this) - list.begin());
}

TStatusPanels::~TStatusPanels()
{
    for (TStatusPanel* p : panels_)
        delete p;
}

TStatusPanel* TStatusPanels::Add()
{
    auto* panel = new TStatusPanel(bar_);
    panels_.push_back(panel);
    bar_->Refresh();
    return panel;
}

TStatusPanel* TStatusPanels::Items(int index) const
{
    if (index < 0 || index >= Count())
        throw ERangeError("List index out of bounds (" + IntToStr(index) + ")");
    return panels_[size_t(index)];
}

void TStatusPanels::Delete(int index)
{
    TStatusPanel* panel = Items(index);
    panels_.erase(panels_.begin() + index);
    delete panel;
    bar_->Refresh();
}

void TStatusPanels::Clear()
{
    for (TStatusPanel* p : panels_)
        delete p;
    panels_.clear();
    bar_->Refresh();
}

// --- the bar ---------------------------------------------------------------------

TStatusBar::TStatusBar(TComponent* owner) : TWinControl(owner)
{
    auto* bar = new ResizeNotifying<QFrame>;
    bar->resized = [this] { Refresh(); };
    bar_ = bar;
    simpleLabel_ = new QLabel(bar_);
    simpleLabel_->setTextFormat(Qt::PlainText);
    simpleLabel_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    AttachWidget(bar_);
    SetClickOnMouseUp(true);
    panels_.reset(new TStatusPanels(this));
    bar_->resize(200, 19);
    SetAlign(alBottom);
    Refresh();
}

TStatusBar::~TStatusBar()
{
    static_cast<ResizeNotifying<QFrame>*>(bar_)->resized = nullptr;
}

void TStatusBar::SetSimplePanel(bool simple)
{
    simplePanel_ = simple;
    Refresh();
}

void TStatusBar::SetSimpleText(const AnsiString& text)
{
    simpleText_ = text;
    Refresh();
}

void TStatusBar::BoundsChanged()
{
    TWinControl::BoundsChanged();
    Refresh();
}

void TStatusBar::Refresh()
{
    int height = bar_->height();
    simpleLabel_->setVisible(simplePanel_);
    simpleLabel_->setGeometry(0, 0, bar_->width(), height);
    ShowFitted(simpleLabel_, simpleText_);
    int count = simplePanel_ ? 0 : panels_->Count();
    while (int(panelLabels_.size()) < panels_->Count()) {
        auto* label = new QLabel(bar_);
        label->setTextFormat(Qt::PlainText);
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        panelLabels_.push_back(label);
    }
    while (int(panelLabels_.size()) > panels_->Count()) {
        delete panelLabels_.back();
        panelLabels_.pop_back();
    }
    int x = 0;
    for (int i = 0; i < int(panelLabels_.size()); ++i) {
        QLabel* label = panelLabels_[size_t(i)];
        TStatusPanel* panel = panels_->Items(i);
        // The last panel takes the room left, up to the right edge and never beyond it,
        // whatever its own width: the original status bar draws it so.
        int width = i == panels_->Count() - 1 ? bar_->width() - x : panel->Width();
        label->setGeometry(x, 0, std::max(0, width), height);
        ShowFitted(label, panel->Text());
        Qt::Alignment align = panel->Alignment() == taCenter ? Qt::AlignHCenter
                              : panel->Alignment() == taRightJustify ? Qt::AlignRight
                                                                     : Qt::AlignLeft;
        label->setAlignment(align | Qt::AlignVCenter);
        label->setVisible(i < count);
        x += panel->Width();
    }
}

AnsiString TStatusBar::ShownText() const
{
    if (simplePanel_)
        return simpleLabel_->isVisibleTo(bar_) ? ControlText(simpleLabel_->text()) : AnsiString();
    AnsiString shown;
    for (size_t i = 0; i < panelLabels_.size(); ++i) {
        if (i)
            shown += "|";
        if (panelLabels_[i]->isVisibleTo(bar_))
            shown += ControlText(panelLabels_[i]->text());
    }
    return shown;
}
