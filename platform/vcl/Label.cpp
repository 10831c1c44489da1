#include "StdCtrls.h"

#include <QLabel>

TLabel::TLabel(TComponent* owner) : TControl(owner)
{
    label_ = new QLabel;
    label_->setTextFormat(Qt::PlainText);
    AttachWidget(label_);
    SetClickOnMouseUp(true);
    label_->resize(65, 13);
    ApplyAlignment();
}

namespace {
// The caption as shown: accelerator marks dropped, "&&" shown as "&".
AnsiString ShownCaption(const AnsiString& caption)
{
    std::string shown;
    const std::string& raw = caption.ToStdString();
    for (size_t i = 0; i < raw.size(); ++i) {
        if (raw[i] == '&') {
            if (i + 1 < raw.size() && raw[i + 1] == '&')
                shown += '&';
            ++i;
            if (i < raw.size() && raw[i] != '&')
                shown += raw[i];
            continue;
        }
        shown += raw[i];
    }
    return AnsiString(shown);
}
}  // namespace

void TLabel::WriteText(const AnsiString& text)
{
    caption_ = text;
    label_->setText(ControlQString(showAccelChar_ ? ShownCaption(text) : text));
    FitSize();
    NameFocusControl();
}

void TLabel::SetFocusControl(TWinControl* control)
{
    if (focusWidget_)
        focusWidget_->setAccessibleName(QString());
    focusControl_ = control;
    focusWidget_ = control ? control->Widget() : nullptr;
    label_->setBuddy(focusWidget_);
    NameFocusControl();
}

void TLabel::NameFocusControl()
{
    if (focusWidget_)
        focusWidget_->setAccessibleName(label_->text());
}

void TLabel::SetShowAccelChar(bool show)
{
    showAccelChar_ = show;
    WriteText(caption_);
}

void TLabel::ApplyFont()
{
    TControl::ApplyFont();
    FitSize();
}

void TLabel::SetAutoSize(bool autoSize)
{
    autoSize_ = autoSize;
    FitSize();
}

void TLabel::FitSize()
{
    if (!autoSize_ || wordWrap_)
        return;
    QSize hint = label_->sizeHint();
    SetBounds(Left(), Top(), hint.width(), hint.height());
}

void TLabel::SetAlignment(TAlignment alignment)
{
    alignment_ = alignment;
    ApplyAlignment();
}

void TLabel::SetLayout(TTextLayout layout)
{
    layout_ = layout;
    ApplyAlignment();
}

void TLabel::SetWordWrap(bool wrap)
{
    wordWrap_ = wrap;
    label_->setWordWrap(wrap);
}

void TLabel::ApplyAlignment()
{
    Qt::Alignment horizontal = alignment_ == taCenter ? Qt::AlignHCenter
                               : alignment_ == taRightJustify ? Qt::AlignRight
                                                              : Qt::AlignLeft;
    Qt::Alignment vertical = layout_ == tlCenter ? Qt::AlignVCenter : layout_ == tlBottom ? Qt::AlignBottom : Qt::AlignTop;
    label_->setAlignment(horizontal | vertical);
}

TStaticText::TStaticText(TComponent* owner) : TLabel(owner) {}

void TStaticText::SetBorderStyle(TStaticBorderStyle style)
{
    borderStyle_ = style;
    Label()->setFrameStyle(style == sbsNone     ? QFrame::NoFrame
                           : style == sbsSingle ? (QFrame::Box | QFrame::Plain)
                                                : (QFrame::Panel | QFrame::Sunken));
    FitSize();
}
