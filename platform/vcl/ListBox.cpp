#include "StdCtrls.h"

#include "CallbackStrings.h"

#include <QListWidget>
#include <QSignalBlocker>

TListBox::TListBox(TComponent* owner) : TWinControl(owner)
{
    list_ = new QListWidget;
    AttachWidget(list_, list_->viewport());
    list_->resize(121, 97);
    TCallbackStrings::Access access;
    access.count = [this] { return list_->count(); };
    access.get = [this](int i) { return ControlText(list_->item(i)->text()); };
    access.insert = [this](int i, const AnsiString& s) {
        QSignalBlocker quiet(list_);
        list_->insertItem(i, ControlQString(s));
    };
    access.put = [this](int i, const AnsiString& s) { list_->item(i)->setText(ControlQString(s)); };
    access.remove = [this](int i) {
        QSignalBlocker quiet(list_);
        bool wasCurrent = list_->currentRow() == i;
        delete list_->takeItem(i);
        if (wasCurrent)
            list_->setCurrentRow(-1);
    };
    access.clear = [this] {
        QSignalBlocker quiet(list_);
        list_->clear();
    };
    items_ = std::make_unique<TCallbackStrings>(std::move(access));
    // The user's selection fires OnClick, as the original list box does.
    QObject::connect(list_, &QListWidget::currentRowChanged, SignalContext(), [this](int) {
        FromQt([this] { Fire(OnClick); });
    });
}

TListBox::~TListBox() = default;

TStrings* TListBox::Items() const { return items_.get(); }
int TListBox::ItemIndex() const { return list_->currentRow(); }
int TListBox::Count() const { return list_->count(); }

void TListBox::SetItemIndex(int index)
{
    if (index < -1 || index >= list_->count())
        index = -1;
    QSignalBlocker quiet(list_);
    list_->setCurrentRow(index);
    if (index == -1)
        list_->clearSelection();
}

void TListBox::Clear() { items_->Clear(); }
