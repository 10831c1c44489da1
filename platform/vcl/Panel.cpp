#include "ExtCtrls.h"

#include "WidgetHooks.h"

#include <QFrame>
#include <QLabel>

TPanel::TPanel(TComponent* owner) : TWinControl(owner)
{
    auto* frame = new ResizeNotifying<QFrame>;
    frame_ = frame;
    caption_ = new QLabel(frame_);
    caption_->setTextFormat(Qt::PlainText);
    caption_->setAttribute(Qt::WA_TransparentForMouseEvents);
    frame->resized = [this] { caption_->setGeometry(frame_->contentsRect()); };
    AttachWidget(frame_);
    SetClickOnMouseUp(true);
    frame_->resize(185, 41);
    ApplyFrame();
    SetAlignment(taCenter);
}

TPanel::~TPanel()
{
    static_cast<ResizeNotifying<QFrame>*>(frame_)->resized = nullptr;
}

AnsiString TPanel::ReadText() const { return ControlText(caption_->text()); }
void TPanel::WriteText(const AnsiString& text) { caption_->setText(ControlQString(text)); }

void TPanel::SetBevelOuter(TBevelCut bevel)
{
    bevelOuter_ = bevel;
    ApplyFrame();
}

void TPanel::SetBevelWidth(int width)
{
    bevelWidth_ = std::max(0, width);
    ApplyFrame();
}

void TPanel::ApplyFrame()
{
    if (bevelOuter_ == bvNone || bevelOuter_ == bvSpace)
        frame_->setFrameStyle(QFrame::NoFrame);
    else
        frame_->setFrameStyle(QFrame::Panel | (bevelOuter_ == bvRaised ? QFrame::Raised : QFrame::Sunken));
    frame_->setLineWidth(bevelWidth_);
    caption_->setGeometry(frame_->contentsRect());
    Realign();
}

void TPanel::SetAlignment(TAlignment alignment)
{
    alignment_ = alignment;
    Qt::Alignment horizontal = alignment == taCenter ? Qt::AlignHCenter
                               : alignment == taRightJustify ? Qt::AlignRight
                                                             : Qt::AlignLeft;
    caption_->setAlignment(horizontal | Qt::AlignVCenter);
}

QRect TPanel::AlignRect() const
{
    return frame_->contentsRect().adjusted(BorderWidth(), BorderWidth(), -BorderWidth(), -BorderWidth());
}

void TPanel::BoundsChanged()
{
    caption_->setGeometry(frame_->contentsRect());
    TWinControl::BoundsChanged();
}
