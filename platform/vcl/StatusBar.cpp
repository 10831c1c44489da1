#include "ComCtrls.h"

#include "Forms.h"
#include "WidgetHooks.h"

#include <QFontMetrics>
#include <QFrame>
#include <QLabel>
#include <QTextLayout>

#include <algorithm>

namespace {
// The width a label gives its text: its contents less its margins and indent (a
// framed label without an indent of its own indents its text by half an "x").
int TextRoom(const QLabel* label)
{
    const int indent = label->indent() >= 0 ? label->indent()
                       : label->frameWidth() > 0 ? QFontMetrics(label->font()).horizontalAdvance(QLatin1Char('x')) / 2
                                                 : 0;
    return std::max(0, label->contentsRect().width() - 2 * label->margin() - indent);
}

// How `text` wraps at word boundaries in `width` pixels: its lines, and whether every
// line (a word wider than the width overflows its line) fits.
struct TWrapped {
    int Lines = 1;
    bool Fits = true;
};

TWrapped Wrapped(const QFont& font, const QString& text, int width)
{
    QTextLayout layout(text, font);
    QTextOption option;
    option.setWrapMode(QTextOption::WordWrap);
    layout.setTextOption(option);
    TWrapped wrapped;
    int lines = 0;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        wrapped.Fits = wrapped.Fits && line.naturalTextWidth() <= width;
        ++lines;
    }
    layout.endLayout();
    wrapped.Lines = std::max(1, lines);
    return wrapped;
}

// Shows `text` whole in the label when it fits in `lines` lines; otherwise the longest
// head of it that fits with an ellipsis, the whole text then being the label's tool tip
// and its accessible description, so that neither a reader nor assistive technology
// loses any of it.
void ShowFitted(QLabel* label, const AnsiString& text, int lines)
{
    const QString whole = ControlQString(text);
    const int room = TextRoom(label);
    const auto fits = [&](const QString& shown) {
        const TWrapped wrapped = Wrapped(label->font(), shown, room);
        return wrapped.Fits && wrapped.Lines <= lines;
    };
    QString shown = whole;
    if (!fits(whole)) {
        int head = 0;  // the longest head known to fit with the ellipsis
        for (int beyond = int(whole.size()); beyond - head > 1;) {
            const int mid = (head + beyond) / 2;
            (fits(whole.left(mid) + QChar(0x2026)) ? head : beyond) = mid;
        }
        shown = whole.left(head) + QChar(0x2026);
    }
    label->setWordWrap(lines > 1);
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

void TStatusBar::ApplyVisibility()
{
    TWinControl::ApplyVisibility();
    Refresh();  // a hidden bar takes no room for its lines
}

void TStatusBar::Refresh()
{
    if (refreshing_)
        return;
    refreshing_ = true;
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
    // The widths first, which decide the lines; then the height those take.
    const auto place = [this] {
        const int height = bar_->height();
        simpleLabel_->setGeometry(0, 0, bar_->width(), height);
        int x = 0;
        for (int i = 0; i < int(panelLabels_.size()); ++i) {
            TStatusPanel* panel = panels_->Items(i);
            // The last panel takes the room left, up to the right edge and never beyond
            // it, whatever its own width: the original status bar draws it so.
            const int width = i == panels_->Count() - 1 ? bar_->width() - x : panel->Width();
            panelLabels_[size_t(i)]->setGeometry(x, 0, std::max(0, width), height);
            x += panel->Width();
        }
    };
    place();
    const int lines = TakeLines(LinesNeeded());
    place();
    simpleLabel_->setVisible(simplePanel_);
    ShowFitted(simpleLabel_, simpleText_, lines);
    const int count = simplePanel_ ? 0 : panels_->Count();
    for (int i = 0; i < int(panelLabels_.size()); ++i) {
        QLabel* label = panelLabels_[size_t(i)];
        TStatusPanel* panel = panels_->Items(i);
        ShowFitted(label, panel->Text(), lines);
        Qt::Alignment align = panel->Alignment() == taCenter ? Qt::AlignHCenter
                              : panel->Alignment() == taRightJustify ? Qt::AlignRight
                                                                     : Qt::AlignLeft;
        label->setAlignment(align | Qt::AlignVCenter);
        label->setVisible(i < count);
    }
    refreshing_ = false;
}

int TStatusBar::LinesNeeded()
{
    if (simplePanel_)
        return Wrapped(simpleLabel_->font(), ControlQString(simpleText_), TextRoom(simpleLabel_)).Lines;
    int lines = 1;
    for (int i = 0; i < int(panelLabels_.size()); ++i) {
        const QLabel* label = panelLabels_[size_t(i)];
        lines = std::max(lines, Wrapped(label->font(), ControlQString(panels_->Items(i)->Text()), TextRoom(label)).Lines);
    }
    return lines;
}

bool TStatusBar::GrowsWithForm(const TCustomForm* form) const
{
    if (!form || Align() != alBottom || !Visible())
        return false;
    for (const TControl* c = Parent(); c && c != form; c = c->Parent())
        if (!dynamic_cast<const TTabSheet*>(c) && c->Align() != alClient && c->Align() != alLeft &&
            c->Align() != alRight)
            return false;
    return true;
}

int TStatusBar::TakeLines(int lines)
{
    TCustomForm* form = ParentForm();
    const bool atFormFoot = Parent() == form;
    const int lineHeight = std::max(1, QFontMetrics(simpleLabel_->font()).lineSpacing());
    int wanted = 0;
    if (GrowsWithForm(form)) {
        const int limit = form->StatusRoomLimit();
        for (int more = lines - 1; more > 0 && !wanted; --more)
            if (form->StatusRoomWith(this, more * lineHeight, atFormFoot) <= limit)
                wanted = more * lineHeight;
    }
    if (wanted != grownBy_) {
        const int delta = wanted - grownBy_;
        grownBy_ = wanted;
        SetHeight(Height() + delta);
        if (form)
            form->SetStatusRoom(this, wanted, atFormFoot);
    }
    return 1 + grownBy_ / lineHeight;
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
