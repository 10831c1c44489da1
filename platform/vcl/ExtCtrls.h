#pragma once
// Extra controls: radio group, panel, shape, image, splitter, and the timer.
#include "StdCtrls.h"

class QFrame;
class QTimer;
class QButtonGroup;
class QRadioButton;
class TStringList;

// A group of radio buttons made from Items, laid out in Columns.
// ItemIndex set by code checks that button and fires OnClick, as a user click does
// (when the index changes); -1 checks none and fires nothing.
class TRadioGroup : public TWinControl {
public:
    explicit TRadioGroup(TComponent* owner);
    ~TRadioGroup() override;

    TStrings* Items() const;
    int ItemIndex() const { return itemIndex_; }
    void SetItemIndex(int index);
    int Columns() const { return columns_; }
    void SetColumns(int columns);
    // The radio button of item `index` (for tests and layout), nullptr when none.
    QRadioButton* Button(int index) const;

protected:
    AnsiString ReadText() const override;
    void WriteText(const AnsiString& text) override;
    void BoundsChanged() override;

private:
    void Rebuild();
    void Arrange();
    void UserPicked(int index);
    QGroupBox* box_;
    std::unique_ptr<TStringList> items_;
    std::vector<QRadioButton*> buttons_;
    int itemIndex_ = -1;
    int columns_ = 1;
};

enum TBevelCut { bvNone, bvLowered, bvRaised, bvSpace };

// A container with bevels and a centred caption.
class TPanel : public TWinControl {
public:
    explicit TPanel(TComponent* owner);
    ~TPanel() override;

    TBevelCut BevelOuter() const { return bevelOuter_; }
    void SetBevelOuter(TBevelCut bevel);
    TBevelCut BevelInner() const { return bevelInner_; }
    void SetBevelInner(TBevelCut bevel) { bevelInner_ = bevel; }
    int BevelWidth() const { return bevelWidth_; }
    void SetBevelWidth(int width);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment alignment);

protected:
    AnsiString ReadText() const override;
    void WriteText(const AnsiString& text) override;
    QRect AlignRect() const override;
    void BoundsChanged() override;

private:
    void ApplyFrame();
    QFrame* frame_;
    QLabel* caption_;
    TBevelCut bevelOuter_ = bvRaised;
    TBevelCut bevelInner_ = bvNone;
    TAlignment alignment_ = taCenter;
    int bevelWidth_ = 1;
};

enum TShapeType { stRectangle, stSquare, stRoundRect, stRoundSquare, stEllipse, stCircle };

// A painted figure: Brush fills it, Pen draws its outline.
class TShape : public TControl {
public:
    explicit TShape(TComponent* owner);
    TShapeType Shape() const { return shape_; }
    void SetShape(TShapeType shape);
    TBrush* Brush() const { return brush_.get(); }
    TPen* Pen() const { return pen_.get(); }

private:
    friend class ShapeWidget;
    TShapeType shape_ = stRectangle;
    std::unique_ptr<TBrush> brush_;
    std::unique_ptr<TPen> pen_;
};

// A picture. AutoSize fits the control to the picture; Stretch scales the picture
// to the control (Proportional keeps its aspect); Center centres it.
class TImage : public TControl {
public:
    explicit TImage(TComponent* owner);
    TPicture* Picture() const { return picture_.get(); }
    bool Stretch() const { return stretch_; }
    void SetStretch(bool stretch);
    bool Proportional() const { return proportional_; }
    void SetProportional(bool proportional);
    bool Center() const { return center_; }
    void SetCenter(bool center);
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool autoSize);

private:
    friend class ImageWidget;
    void PictureChanged();
    std::unique_ptr<TPicture> picture_;
    bool stretch_ = false;
    bool proportional_ = false;
    bool center_ = false;
    bool autoSize_ = false;
};

// A bar between aligned controls (it takes its room; dragging is not offered).
class TSplitter : public TControl {
public:
    explicit TSplitter(TComponent* owner);
};

enum TBevelShape { bsBox, bsFrame, bsTopLine, bsBottomLine, bsLeftLine, bsRightLine, bsSpacer };

class TBevel : public TControl {
public:
    explicit TBevel(TComponent* owner);
};

// A timer on the GUI thread: OnTimer every Interval milliseconds while Enabled.
// Setting Enabled or Interval to a new value starts the count again. An exception
// escaping OnTimer is shown by the application and the timer goes on.
class TTimer : public TComponent {
public:
    explicit TTimer(TComponent* owner);
    ~TTimer() override;

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    int Interval() const { return interval_; }
    void SetInterval(int interval);

    TNotifyEvent OnTimer;

private:
    void Update();
    std::unique_ptr<QTimer> timer_;
    int interval_ = 1000;
    bool enabled_ = true;
};
