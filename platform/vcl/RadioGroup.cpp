#include "ExtCtrls.h"

#include "WidgetHooks.h"

#include <QGroupBox>
#include <QRadioButton>
#include <QSignalBlocker>

TRadioGroup::TRadioGroup(TComponent* owner) : TWinControl(owner)
{
    auto* box = new ResizeNotifying<QGroupBox>;
    box->resized = [this] { Arrange(); };
    box_ = box;
    AttachWidget(box_);
    box_->resize(185, 105);
    items_ = std::make_unique<TStringList>();
    items_->OnChange = [this](TObject*) { Rebuild(); };
}

TRadioGroup::~TRadioGroup()
{
    items_->OnChange = nullptr;
    static_cast<ResizeNotifying<QGroupBox>*>(box_)->resized = nullptr;
}

TStrings* TRadioGroup::Items() const { return items_.get(); }

QRadioButton* TRadioGroup::Button(int index) const
{
    return index >= 0 && size_t(index) < buttons_.size() ? buttons_[size_t(index)] : nullptr;
}

AnsiString TRadioGroup::ReadText() const { return ControlText(box_->title()); }
void TRadioGroup::WriteText(const AnsiString& text) { box_->setTitle(ControlQString(text)); }

void TRadioGroup::Rebuild()
{
    for (QRadioButton* b : buttons_)
        delete b;
    buttons_.clear();
    int count = items_->Count();
    if (itemIndex_ >= count)
        itemIndex_ = count - 1;
    for (int i = 0; i < count; ++i) {
        auto* b = new QRadioButton(ControlQString(items_->Strings(i)), box_);
        b->setChecked(i == itemIndex_);
        QObject::connect(b, &QRadioButton::toggled, SignalContext(), [this, i](bool on) {
            if (on)
                UserPicked(i);
        });
        b->show();
        buttons_.push_back(b);
    }
    Arrange();
}

void TRadioGroup::Arrange()
{
    int count = int(buttons_.size());
    if (count == 0)
        return;
    int columns = std::max(1, columns_);
    int perColumn = (count + columns - 1) / columns;
    int fontHeight = box_->fontMetrics().height();
    int buttonWidth = std::max(0, (box_->width() - 10) / columns);
    int room = std::max(0, box_->height() - fontHeight - 5);
    int buttonHeight = room / perColumn;
    int topMargin = fontHeight + 1 + (room % perColumn) / 2;
    for (int i = 0; i < count; ++i)
        buttons_[size_t(i)]->setGeometry((i / perColumn) * buttonWidth + 8, (i % perColumn) * buttonHeight + topMargin,
                                         std::max(0, buttonWidth - 8), buttonHeight);
}

void TRadioGroup::BoundsChanged()
{
    TWinControl::BoundsChanged();
    Arrange();
}

void TRadioGroup::SetColumns(int columns)
{
    columns_ = std::max(1, std::min(16, columns));
    Arrange();
}

void TRadioGroup::SetItemIndex(int index)
{
    int count = int(buttons_.size());
    if (index < -1)
        index = -1;
    if (index >= count)
        index = count - 1;
    if (index == itemIndex_)
        return;
    itemIndex_ = index;
    for (int i = 0; i < count; ++i) {
        QRadioButton* b = buttons_[size_t(i)];
        QSignalBlocker quiet(b);
        b->setAutoExclusive(false);
        b->setChecked(i == index);
        b->setAutoExclusive(true);
    }
    // Checking a button by code clicks it, and its click is the group's.
    if (index >= 0)
        Click();
}

void TRadioGroup::UserPicked(int index)
{
    itemIndex_ = index;
    NoteUserChange();
    FromQt([this] { Click(); });
}
