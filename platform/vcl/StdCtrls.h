#pragma once
// Standard controls: label, static text, edit, memo, combo box, list box, check
// box, radio button, push button, group box.
#include "Controls.h"

class QLabel;
class QLineEdit;
class QKeyEvent;
class QInputMethodEvent;
class QPlainTextEdit;
class QComboBox;
class QListWidget;
class QCheckBox;
class QRadioButton;
class QPushButton;
class QGroupBox;
class TCallbackStrings;

enum TTextLayout { tlTop, tlCenter, tlBottom };

// A caption. AutoSize (on by default) fits the size to the text.
class TLabel : public TControl {
public:
    explicit TLabel(TComponent* owner);
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool autoSize);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment alignment);
    TTextLayout Layout() const { return layout_; }
    void SetLayout(TTextLayout layout);
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool wrap);
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool transparent) { transparent_ = transparent; }
    // "&x" marks an accelerator and "&&" shows one ampersand (on by default).
    bool ShowAccelChar() const { return showAccelChar_; }
    void SetShowAccelChar(bool show);
    // The control the label names: assistive technology reads that control by the
    // label's text (and the label's accelerator focuses it).
    TWinControl* FocusControl() const { return focusWidget_ ? focusControl_ : nullptr; }
    void SetFocusControl(TWinControl* control);

protected:
    AnsiString ReadText() const override { return caption_; }
    void WriteText(const AnsiString& text) override;
    void ApplyFont() override;
    QLabel* Label() const { return label_; }
    void FitSize();
    void ApplyAlignment();

private:
    void NameFocusControl();
    QLabel* label_;
    AnsiString caption_;
    TWinControl* focusControl_ = nullptr;
    QPointer<QWidget> focusWidget_;  // gone with the control, whichever goes first
    TAlignment alignment_ = taLeftJustify;
    TTextLayout layout_ = tlTop;
    bool autoSize_ = true;
    bool wordWrap_ = false;
    bool transparent_ = false;
    bool showAccelChar_ = true;
};

enum TStaticBorderStyle { sbsNone, sbsSingle, sbsSunken };

// A caption with an optional border; a windowed control in the class library.
class TStaticText : public TLabel {
public:
    explicit TStaticText(TComponent* owner);
    TStaticBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TStaticBorderStyle style);

private:
    TStaticBorderStyle borderStyle_ = sbsNone;
};

// A single-line edit.
// OnChange fires on every change of the text: typed by the user (guarded) and set
// by code (in the caller's frame). MaxLength limits typing and pasting only, in bytes
// of the text as the device counts them: an insert that does not fit keeps the whole
// characters it starts with that do, where it went in, and nothing of the selection it
// replaced; the rest of the text is never touched. Text set by code is never cut, and
// a longer text can still be shortened by the user.
// Every change the user makes counts, an undo too (in password mode Qt's undo empties
// the line), and none leaves half a character: the cursor and the selection stay on
// whole characters also in password mode, an input method's commit replaces the range
// it names (one that cuts a character or runs off the text is refused).
// A line edit lays out every character it holds, at tens of bytes each: a text set by
// code shows only its first ShownLimit UTF-16 units (never half a character), while
// Text() keeps the whole of it. Such a clipped value cannot be edited: the user's change
// is undone and ClippedNotice says why, so a value is never written back shorter
// than it was.
class TEdit : public TWinControl {
public:
    explicit TEdit(TComponent* owner);
    static constexpr int ShownLimit = 4096;
    static const char* const ClippedNotice;

    int MaxLength() const { return maxLength_; }
    void SetMaxLength(int maxLength) { maxLength_ = maxLength < 0 ? 0 : maxLength; }
    bool ReadOnly() const;
    void SetReadOnly(bool readOnly);
    char PasswordChar() const { return passwordChar_; }
    void SetPasswordChar(char c);
    // 0-based, as the class library counts them.
    int SelStart() const;
    void SetSelStart(int start);
    int SelLength() const;
    void SetSelLength(int length);
    AnsiString SelText() const;
    void SelectAll();
    void Clear() { SetText(""); }
    bool Modified() const { return modified_; }
    void SetModified(bool modified) { modified_ = modified; }
    bool AutoSelect() const { return autoSelect_; }
    void SetAutoSelect(bool autoSelect) { autoSelect_ = autoSelect; }

    TNotifyEvent OnChange;

protected:
    AnsiString ReadText() const override;
    void WriteText(const AnsiString& text) override;
    virtual void Change() { Fire(OnChange); }

private:
    void UserEdited(const QString& text, const QInputMethodEvent* commit);
    void KeepCursorOnCharacter(int from, int to);
    void BeforeInput(QKeyEvent* key);
    void DropStraySelection();
    bool SelectionInText() const;
    void ShowInWidget(const QString& text, qsizetype cursor);
    void RememberWidget();
    QLineEdit* edit_;
    AnsiString shown_;  // the text as of the last change
    // The widget's text and selection as the user's next edit finds them.
    QString widgetText_;
    qsizetype selectionStart_ = 0;
    qsizetype selectionEnd_ = 0;
    bool clipped_ = false;  // shown_ is longer than what the widget holds
    int maxLength_ = 0;
    char passwordChar_ = 0;
    bool modified_ = false;
    bool autoSelect_ = true;
};

enum TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };

// A multi-line edit; Lines holds one string per line, Text joins them with CR LF.
class TMemo : public TWinControl {
public:
    explicit TMemo(TComponent* owner);
    ~TMemo() override;

    TStrings* Lines() const;
    bool ReadOnly() const;
    void SetReadOnly(bool readOnly);
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool wrap);
    TScrollStyle ScrollBars() const { return scrollBars_; }
    void SetScrollBars(TScrollStyle style);
    int MaxLength() const { return maxLength_; }
    void SetMaxLength(int maxLength) { maxLength_ = maxLength; }
    void Clear() { SetText(""); }

    TNotifyEvent OnChange;

protected:
    AnsiString ReadText() const override;
    void WriteText(const AnsiString& text) override;

private:
    friend class MemoLines;
    std::vector<AnsiString> SplitLines() const;
    void SetLines(const std::vector<AnsiString>& lines);
    QPlainTextEdit* memo_;
    std::unique_ptr<TStrings> lines_;
    TScrollStyle scrollBars_ = ssNone;
    int maxLength_ = 0;
    bool wordWrap_ = true;
};

enum TComboBoxStyle { csDropDown, csSimple, csDropDownList, csOwnerDrawFixed, csOwnerDrawVariable };

// A combo box.
// OnChange fires when the user picks an item or types into the edit part, never
// when code sets ItemIndex, Text or Items. ItemIndex -1 means no selection, also
// after items are added to an empty list. Items->IndexOf ignores case.
class TComboBox : public TWinControl {
public:
    explicit TComboBox(TComponent* owner);
    ~TComboBox() override;

    TStrings* Items() const;
    int ItemIndex() const;
    void SetItemIndex(int index);
    TComboBoxStyle Style() const { return style_; }
    void SetStyle(TComboBoxStyle style);
    int DropDownCount() const { return dropDownCount_; }
    void SetDropDownCount(int count);
    bool DroppedDown() const;
    void SetDroppedDown(bool down);
    void Clear();

    TNotifyEvent OnChange;
    TNotifyEvent OnSelect;
    TNotifyEvent OnDropDown;
    TNotifyEvent OnCloseUp;

protected:
    AnsiString ReadText() const override;
    void WriteText(const AnsiString& text) override;

private:
    friend class ComboItems;
    void UserPicked(int index);
    QComboBox* combo_;
    std::unique_ptr<TStrings> items_;
    TComboBoxStyle style_ = csDropDown;
    int dropDownCount_ = 8;
};

// A list of strings with one selected item.
class TListBox : public TWinControl {
public:
    explicit TListBox(TComponent* owner);
    ~TListBox() override;

    TStrings* Items() const;
    int ItemIndex() const;
    void SetItemIndex(int index);
    int Count() const;
    void Clear();

private:
    friend class ListBoxItems;
    QListWidget* list_;
    std::unique_ptr<TStrings> items_;
};

enum TCheckBoxState { cbUnchecked, cbChecked, cbGrayed };

// A check box. Setting Checked (or State) from code fires OnClick when the state
// changes, as a user click does.
class TCheckBox : public TWinControl {
public:
    explicit TCheckBox(TComponent* owner);

    bool Checked() const { return State() == cbChecked; }
    void SetChecked(bool checked) { SetState(checked ? cbChecked : cbUnchecked); }
    TCheckBoxState State() const;
    void SetState(TCheckBoxState state);
    bool AllowGrayed() const { return allowGrayed_; }
    void SetAllowGrayed(bool allow);

protected:
    AnsiString ReadText() const override;
    void WriteText(const AnsiString& text) override;

private:
    QCheckBox* box_;
    bool allowGrayed_ = false;
};

// A radio button; buttons with the same parent exclude each other. Becoming checked,
// by the user or by code, fires OnClick; being unchecked fires nothing.
class TRadioButton : public TWinControl {
public:
    explicit TRadioButton(TComponent* owner);

    bool Checked() const;
    void SetChecked(bool checked);

protected:
    AnsiString ReadText() const override;
    void WriteText(const AnsiString& text) override;

private:
    QRadioButton* button_;
};

// A push button. A click (by the user, by Enter on a Default button, by Esc on a
// Cancel button, or by Click()) first sets the form's ModalResult to the button's
// own, then fires OnClick.
class TButton : public TWinControl {
public:
    explicit TButton(TComponent* owner);

    TModalResult ModalResult() const { return modalResult_; }
    void SetModalResult(TModalResult result) { modalResult_ = result; }
    bool Default() const { return default_; }
    void SetDefault(bool isDefault);
    bool Cancel() const { return cancel_; }
    void SetCancel(bool cancel) { cancel_ = cancel; }
    void Click() override;

protected:
    AnsiString ReadText() const override;
    void WriteText(const AnsiString& text) override;
    QPushButton* Button() const { return button_; }

private:
    QPushButton* button_;
    TModalResult modalResult_ = mrNone;
    bool default_ = false;
    bool cancel_ = false;
};

// A push button with an optional picture ("glyph") beside or instead of its caption.
class TBitBtn : public TButton {
public:
    explicit TBitBtn(TComponent* owner);
    TPicture* Glyph() const { return glyph_.get(); }

private:
    std::unique_ptr<TPicture> glyph_;
};

// A framed group with a caption; children are placed relative to its top-left corner.
class TGroupBox : public TWinControl {
public:
    explicit TGroupBox(TComponent* owner);

protected:
    AnsiString ReadText() const override;
    void WriteText(const AnsiString& text) override;
    QRect AlignRect() const override;

private:
    QGroupBox* box_;
};
