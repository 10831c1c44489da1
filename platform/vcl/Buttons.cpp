#include "StdCtrls.h"

#include "Forms.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

// --- TCheckBox -------------------------------------------------------------------

TCheckBox::TCheckBox(TComponent* owner) : TWinControl(owner)
{
    box_ = new QCheckBox;
    AttachWidget(box_);
    box_->resize(97, 17);
    // Signals are blocked while code sets the state, so this is the user's change.
    QObject::connect(box_, &QCheckBox::stateChanged, SignalContext(), [this](int) {
        // A box grayed by code (a value it cannot show) takes the user's click to
        // checked and then only checked and unchecked, as the VCL's does: the grayed
        // state is never the user's choice unless AllowGrayed says so.
        if (!allowGrayed_ && box_->checkState() != Qt::PartiallyChecked)
            box_->setTristate(false);
        NoteUserChange();
        FromQt([this] { Click(); });
    });
}

TCheckBoxState TCheckBox::State() const
{
    switch (box_->checkState()) {
    case Qt::Checked: return cbChecked;
    case Qt::PartiallyChecked: return cbGrayed;
    default: return cbUnchecked;
    }
}

void TCheckBox::SetState(TCheckBoxState state)
{
    if (state == State())
        return;
    {
        QSignalBlocker quiet(box_);
        if (state == cbGrayed)
            box_->setTristate(true);
        box_->setCheckState(state == cbChecked ? Qt::Checked : state == cbGrayed ? Qt::PartiallyChecked : Qt::Unchecked);
        if (!allowGrayed_ && state != cbGrayed)
            box_->setTristate(false);
    }
    Click();
}

void TCheckBox::SetAllowGrayed(bool allow)
{
    allowGrayed_ = allow;
    QSignalBlocker quiet(box_);
    box_->setTristate(allow || box_->checkState() == Qt::PartiallyChecked);
}

AnsiString TCheckBox::ReadText() const { return ControlText(box_->text()); }
void TCheckBox::WriteText(const AnsiString& text) { box_->setText(ControlQString(text)); }

// --- TRadioButton ----------------------------------------------------------------

TRadioButton::TRadioButton(TComponent* owner) : TWinControl(owner)
{
    button_ = new QRadioButton;
    AttachWidget(button_);
    button_->resize(113, 17);
    QObject::connect(button_, &QRadioButton::toggled, SignalContext(), [this](bool on) {
        if (on)
            FromQt([this] { Click(); });
    });
}

bool TRadioButton::Checked() const { return button_->isChecked(); }

void TRadioButton::SetChecked(bool checked)
{
    if (checked == button_->isChecked())
        return;
    {
        QSignalBlocker quiet(button_);
        if (checked) {
            button_->setChecked(true);  // Qt turns the siblings off
        } else {
            // An exclusive button cannot be turned off directly.
            button_->setAutoExclusive(false);
            button_->setChecked(false);
            button_->setAutoExclusive(true);
        }
    }
    if (checked)
        Click();
}

AnsiString TRadioButton::ReadText() const { return ControlText(button_->text()); }
void TRadioButton::WriteText(const AnsiString& text) { button_->setText(ControlQString(text)); }

// --- TButton ---------------------------------------------------------------------

TButton::TButton(TComponent* owner) : TWinControl(owner)
{
    button_ = new QPushButton;
    button_->setAutoDefault(false);
    AttachWidget(button_);
    button_->resize(75, 25);
    QObject::connect(button_, &QPushButton::clicked, SignalContext(), [this] {
        FromQt([this] { Click(); });
    });
}

void TButton::Click()
{
    if (modalResult_ != mrNone)
        if (TCustomForm* form = ParentForm())
            form->SetModalResult(modalResult_);
    TWinControl::Click();
}

void TButton::SetDefault(bool isDefault)
{
    default_ = isDefault;
    button_->setDefault(isDefault);
}

AnsiString TButton::ReadText() const { return ControlText(button_->text()); }
void TButton::WriteText(const AnsiString& text) { button_->setText(ControlQString(text)); }

TBitBtn::TBitBtn(TComponent* owner) : TButton(owner)
{
    glyph_ = std::make_unique<TPicture>([this] {
        Button()->setIcon(glyph_->Empty() ? QIcon() : QIcon(QPixmap::fromImage(glyph_->Image())));
        if (!glyph_->Empty())
            Button()->setIconSize(glyph_->Image().size());
    });
}

// --- TGroupBox -------------------------------------------------------------------

TGroupBox::TGroupBox(TComponent* owner) : TWinControl(owner)
{
    box_ = new QGroupBox;
    AttachWidget(box_);
    SetClickOnMouseUp(true);
    box_->resize(185, 105);
}

AnsiString TGroupBox::ReadText() const { return ControlText(box_->title()); }
void TGroupBox::WriteText(const AnsiString& text) { box_->setTitle(ControlQString(text)); }
QRect TGroupBox::AlignRect() const { return box_->contentsRect(); }
