#include "ExtCtrls.h"

#include <QFrame>
#include <QPainter>
#include <QWidget>

class ShapeWidget : public QWidget {
public:
    explicit ShapeWidget(TShape* shape) : shape_(shape) {}

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        int penWidth = shape_->Pen()->Width();
        if (penWidth > 0)
            painter.setPen(QPen(ColorToQColor(shape_->Pen()->Color()), penWidth));
        else
            painter.setPen(Qt::NoPen);
        if (shape_->Brush()->Style() == bsClear)
            painter.setBrush(Qt::NoBrush);
        else
            painter.setBrush(ColorToQColor(shape_->Brush()->Color()));
        int x = penWidth / 2, y = penWidth / 2;
        int w = width() - penWidth, h = height() - penWidth;
        TShapeType type = shape_->Shape();
        if (type == stSquare || type == stRoundSquare || type == stCircle) {
            if (w < h) {
                y += (h - w) / 2;
                h = w;
            } else {
                x += (w - h) / 2;
                w = h;
            }
        }
        QRect r(x, y, std::max(0, w), std::max(0, h));
        switch (type) {
        case stRectangle: case stSquare: painter.drawRect(r); break;
        case stRoundRect: case stRoundSquare: painter.drawRoundedRect(r, w / 4.0, h / 4.0); break;
        case stEllipse: case stCircle: painter.drawEllipse(r); break;
        }
    }

private:
    TShape* shape_;
};

TShape::TShape(TComponent* owner) : TControl(owner)
{
    auto* widget = new ShapeWidget(this);
    brush_ = std::make_unique<TBrush>([widget] { widget->update(); });
    pen_ = std::make_unique<TPen>([widget] { widget->update(); });
    AttachWidget(widget);
    SetClickOnMouseUp(true);
    widget->resize(65, 65);
}

void TShape::SetShape(TShapeType shape)
{
    shape_ = shape;
    Invalidate();
}

class ImageWidget : public QWidget {
public:
    explicit ImageWidget(TImage* image) : image_(image) {}

protected:
    void paintEvent(QPaintEvent*) override
    {
        const QImage& picture = image_->Picture()->Image();
        if (picture.isNull())
            return;
        QPainter painter(this);
        QSize size = picture.size();
        if (image_->Stretch())
            size = image_->Proportional() ? picture.size().scaled(this->size(), Qt::KeepAspectRatio) : this->size();
        QPoint at(0, 0);
        if (image_->Center())
            at = QPoint((width() - size.width()) / 2, (height() - size.height()) / 2);
        painter.drawImage(QRect(at, size), picture);
    }

private:
    TImage* image_;
};

TImage::TImage(TComponent* owner) : TControl(owner)
{
    auto* widget = new ImageWidget(this);
    picture_ = std::make_unique<TPicture>([this] { PictureChanged(); });
    AttachWidget(widget);
    SetClickOnMouseUp(true);
    widget->resize(105, 105);
}

void TImage::PictureChanged()
{
    if (autoSize_ && !picture_->Empty())
        SetBounds(Left(), Top(), picture_->Width(), picture_->Height());
    Invalidate();
}

void TImage::SetStretch(bool stretch) { stretch_ = stretch; Invalidate(); }
void TImage::SetProportional(bool proportional) { proportional_ = proportional; Invalidate(); }
void TImage::SetCenter(bool center) { center_ = center; Invalidate(); }

void TImage::SetAutoSize(bool autoSize)
{
    autoSize_ = autoSize;
    PictureChanged();
}

TSplitter::TSplitter(TComponent* owner) : TControl(owner)
{
    auto* bar = new QFrame;
    bar->setFrameStyle(QFrame::NoFrame);
    AttachWidget(bar);
    bar->resize(3, 100);
    SetAlign(alLeft);
}

TBevel::TBevel(TComponent* owner) : TControl(owner)
{
    auto* frame = new QFrame;
    frame->setFrameStyle(QFrame::Box | QFrame::Sunken);
    AttachWidget(frame);
    frame->resize(50, 50);
}
