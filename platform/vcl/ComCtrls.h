#pragma once
// Common controls: list view (report style), status bar, page control and tab
// sheets, progress bar.
#include "StdCtrls.h"

class QTreeWidget;
class QTreeWidgetItem;
class QTabWidget;
class QProgressBar;
class QLabel;
class QItemSelection;
class TListView;
class TListItems;
class TStatusBar;
class TPageControl;

// --- image list ------------------------------------------------------------------

// Small pictures shown beside list items (by ImageIndex).
class TImageList : public TComponent {
public:
    explicit TImageList(TComponent* owner) : TComponent(owner) {}
    int Add(const QImage& image);  // returns the index
    int Add(const TPicture& picture) { return Add(picture.Image()); }
    int Count() const { return int(images_.size()); }
    QImage Image(int index) const;  // empty when out of range
    void Clear() { images_.clear(); }

private:
    std::vector<QImage> images_;
};

// --- list view -------------------------------------------------------------------

class TListColumn : public TObject {
public:
    AnsiString Caption() const;
    void SetCaption(const AnsiString& caption);
    // Width 0 hides the column; -1 fits the contents, -2 fits the header.
    int Width() const;
    void SetWidth(int width);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment alignment);
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool autoSize) { autoSize_ = autoSize; }
    int Index() const;

private:
    friend class TListColumns;
    friend class TListView;
    explicit TListColumn(TListView* view) : view_(view) {}
    TListView* view_;
    AnsiString caption_;
    int width_ = 50;
    TAlignment alignment_ = taLeftJustify;
    bool autoSize_ = false;
};

class TListColumns : public TObject {
public:
    ~TListColumns() override;
    TListColumn* Add();
    int Count() const { return int(columns_.size()); }
    TListColumn* Items(int index) const;
    TListColumn* operator[](int index) const { return Items(index); }
    void Delete(int index);
    void Clear();
    void BeginUpdate() {}
    void EndUpdate() {}

private:
    friend class TListView;
    friend class TListColumn;
    explicit TListColumns(TListView* view) : view_(view) {}
    TListView* view_;
    std::vector<TListColumn*> columns_;
};

// One row: Caption is the first column, SubItems the following ones.
class TListItem : public TObject {
public:
    ~TListItem() override;
    AnsiString Caption() const { return caption_; }
    void SetCaption(const AnsiString& caption);
    TStrings* SubItems() const;
    bool Selected() const;
    void SetSelected(bool selected);
    bool Focused() const;
    void SetFocused(bool focused);
    bool Checked() const;
    void SetChecked(bool checked);
    int Index() const;
    void* Data() const { return data_; }
    void SetData(void* data) { data_ = data; }
    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int index);
    TListView* ListView() const { return view_; }
    void Delete();
    void MakeVisible(bool partialOk = true);

private:
    friend class TListItems;
    friend class TListView;
    TListItem(TListView* view, QTreeWidgetItem* row);
    void ShowSubItems();
    void ShowImage();
    TListView* view_;
    QTreeWidgetItem* row_;
    AnsiString caption_;
    std::unique_ptr<TStringList> subItems_;
    void* data_ = nullptr;
    int imageIndex_ = -1;
};

class TListItems : public TObject {
public:
    TListItem* Add();
    TListItem* Insert(int index);
    int Count() const;
    TListItem* Item(int index) const;
    TListItem* operator[](int index) const { return Item(index); }
    void Delete(int index);
    void Clear();
    void BeginUpdate();
    void EndUpdate();
    TListView* Owner() const { return view_; }

private:
    friend class TListView;
    explicit TListItems(TListView* view) : view_(view) {}
    TListView* view_;
    int updating_ = 0;
};

enum TViewStyle { vsIcon, vsSmallIcon, vsList, vsReport };
enum TItemChange { ctText, ctImage, ctState };

using TLVSelectItemEvent = std::function<void(TObject* Sender, TListItem* Item, bool Selected)>;
using TLVChangeEvent = std::function<void(TObject* Sender, TListItem* Item, TItemChange Change)>;
using TLVDeletedEvent = std::function<void(TObject* Sender, TListItem* Item)>;

// A list of rows in report style.
// OnSelectItem fires for every item that becomes selected or stops being selected,
// whether the user or code changed the selection (deselections first). Deleting
// items fires OnDeletion, not OnSelectItem. A click fires OnClick after the
// selection has changed.
class TListView : public TWinControl {
public:
    explicit TListView(TComponent* owner);
    ~TListView() override;

    TListColumns* Columns() const { return columns_.get(); }
    TListColumn* Column(int index) const { return columns_->Items(index); }
    TListItems* Items() const { return items_.get(); }

    // The first selected item (in row order), or nullptr; setting it selects only it.
    TListItem* Selected() const;
    void SetSelected(TListItem* item);
    int ItemIndex() const;
    void SetItemIndex(int index);
    int SelCount() const;
    void ClearSelection();
    void SelectAll();
    TListItem* ItemFocused() const;

    TViewStyle ViewStyle() const { return viewStyle_; }
    void SetViewStyle(TViewStyle style) { viewStyle_ = style; }
    bool RowSelect() const { return rowSelect_; }
    void SetRowSelect(bool rowSelect) { rowSelect_ = rowSelect; }
    bool MultiSelect() const { return multiSelect_; }
    void SetMultiSelect(bool multiSelect);
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool readOnly) { readOnly_ = readOnly; }
    bool GridLines() const { return gridLines_; }
    void SetGridLines(bool gridLines);
    bool HideSelection() const { return hideSelection_; }
    void SetHideSelection(bool hide) { hideSelection_ = hide; }
    bool Checkboxes() const { return checkboxes_; }
    void SetCheckboxes(bool checkboxes);
    TImageList* SmallImages() const { return smallImages_; }
    void SetSmallImages(TImageList* images);
    bool ShowColumnHeaders() const;
    void SetShowColumnHeaders(bool show);
    // The item under a point of the list's client area, or nullptr.
    TListItem* GetItemAt(int x, int y) const;

    QTreeWidget* Tree() const { return tree_; }

    TLVSelectItemEvent OnSelectItem;
    TLVChangeEvent OnChange;
    TLVDeletedEvent OnInsert;
    TLVDeletedEvent OnDeletion;

private:
    friend class TListColumn;
    friend class TListColumns;
    friend class TListItem;
    friend class TListItems;
    void ApplyColumns();
    // A caption wider than its fixed column is wrapped at its blanks, and the header
    // grows to its lines, so that it is read whole (the Windows list cut it short).
    void WrapNarrowHeaders();
    void SelectionChanged(const QItemSelection& selected, const QItemSelection& deselected);
    void ItemChanged(TListItem* item, TItemChange change);
    TListItem* ItemOf(QTreeWidgetItem* row) const;
    QTreeWidget* tree_;
    std::unique_ptr<TListColumns> columns_;
    std::unique_ptr<TListItems> items_;
    TImageList* smallImages_ = nullptr;
    TViewStyle viewStyle_ = vsIcon;
    bool rowSelect_ = false;
    bool multiSelect_ = false;
    bool readOnly_ = false;
    bool gridLines_ = false;
    bool hideSelection_ = true;
    bool checkboxes_ = false;
    bool deleting_ = false;
};

// --- status bar ------------------------------------------------------------------

class TStatusPanel : public TObject {
public:
    AnsiString Text() const { return text_; }
    void SetText(const AnsiString& text);
    int Width() const { return width_; }
    void SetWidth(int width);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment alignment);
    int Index() const;

private:
    friend class TStatusPanels;
    explicit TStatusPanel(TStatusBar* bar) : bar_(bar) {}
    TStatusBar* bar_;
    AnsiString text_;
    int width_ = 50;
    TAlignment alignment_ = taLeftJustify;
};

class TStatusPanels : public TObject {
public:
    ~TStatusPanels() override;
    TStatusPanel* Add();
    int Count() const { return int(panels_.size()); }
    TStatusPanel* Items(int index) const;
    TStatusPanel* operator[](int index) const { return Items(index); }
    void Delete(int index);
    void Clear();
    void BeginUpdate() {}
    void EndUpdate() {}

private:
    friend class TStatusBar;
    friend class TStatusPanel;
    explicit TStatusPanels(TStatusBar* bar) : bar_(bar) {}
    TStatusBar* bar_;
    std::vector<TStatusPanel*> panels_;
};

// A status line at the bottom of its parent (Align alBottom).
// SimpleText is shown only while SimplePanel is true; otherwise the panels are
// shown, each Width pixels wide, the last one taking the room up to the right edge
// (its own Width aside). The two
// texts are kept apart: writing one never changes the other. A text longer than its
// panel wraps at word boundaries: a bar at the foot of a form (or of a page that
// stretches with it) grows by the lines it needs and the form's window with it
// (TCustomForm::SetStatusRoom), so the controls above stay where they are; it gives
// the room back when its text is shorter again.
// Only a text that still does not fit (a bar inside another control, a window at the
// work area's height, a word wider than its panel) is shortened at its end with an
// ellipsis, and the whole text is then the panel's tool tip and accessible
// description (none while the text is shown whole).
class TStatusBar : public TWinControl {
public:
    explicit TStatusBar(TComponent* owner);
    ~TStatusBar() override;

    TStatusPanels* Panels() const { return panels_.get(); }
    bool SimplePanel() const { return simplePanel_; }
    void SetSimplePanel(bool simple);
    AnsiString SimpleText() const { return simpleText_; }
    void SetSimpleText(const AnsiString& text);
    bool SizeGrip() const { return sizeGrip_; }
    void SetSizeGrip(bool grip) { sizeGrip_ = grip; }
    // What the bar shows now, panel texts joined by "|", each as shortened to fit (for
    // tests and traces; SimpleText and the panels' Text are the whole texts).
    AnsiString ShownText() const;

protected:
    AnsiString ReadText() const override { return simpleText_; }
    void WriteText(const AnsiString& text) override { SetSimpleText(text); }
    void BoundsChanged() override;
    void ApplyVisibility() override;

private:
    friend class TStatusPanel;
    friend class TStatusPanels;
    friend class TCustomForm;
    void Refresh();
    // The lines the texts shown need, each wrapped in its panel's width.
    int LinesNeeded();
    // Grows or shrinks the bar and its form's window to `lines` lines, as far as the
    // form has room; the lines the bar has then.
    int TakeLines(int lines);
    // True for a bar at the foot of its form, or of a page or stretching control in
    // it: the window's growth reaches it.
    bool GrowsWithForm(const TCustomForm* form) const;
    int grownBy_ = 0;  // the height the bar took beyond its own for more lines
    bool refreshing_ = false;
    QWidget* bar_;
    QLabel* simpleLabel_;
    std::vector<QLabel*> panelLabels_;
    std::unique_ptr<TStatusPanels> panels_;
    AnsiString simpleText_;
    bool simplePanel_ = false;
    bool sizeGrip_ = true;
};

// --- page control ----------------------------------------------------------------

class TTabSheet : public TWinControl {
public:
    explicit TTabSheet(TComponent* owner);
    ~TTabSheet() override;
    TPageControl* PageControl() const { return pageControl_; }
    void SetPageControl(TPageControl* pageControl);
    int PageIndex() const;
    bool TabVisible() const { return tabVisible_; }
    void SetTabVisible(bool visible);

protected:
    AnsiString ReadText() const override { return caption_; }
    void WriteText(const AnsiString& text) override;
    void PlaceWidget(TWinControl* parent) override;
    void ApplyVisibility() override {}

private:
    friend class TPageControl;
    TPageControl* pageControl_ = nullptr;
    AnsiString caption_;
    bool tabVisible_ = true;
};

// Pages on tabs. OnChange fires when the user picks another tab, not when code
// sets ActivePage or ActivePageIndex.
class TPageControl : public TWinControl {
public:
    explicit TPageControl(TComponent* owner);
    ~TPageControl() override;
    int PageCount() const { return int(pages_.size()); }
    TTabSheet* Pages(int index) const;
    TTabSheet* ActivePage() const;
    void SetActivePage(TTabSheet* page);
    int ActivePageIndex() const;
    void SetActivePageIndex(int index);

    TNotifyEvent OnChange;

private:
    friend class TTabSheet;
    void AddPage(TTabSheet* page);
    void RemovePage(TTabSheet* page);
    QTabWidget* tabs_;
    int shownPage_ = -1;  // the page shown before the latest change
    std::vector<TTabSheet*> pages_;
};

class TProgressBar : public TWinControl {
public:
    explicit TProgressBar(TComponent* owner);
    int Min() const;
    void SetMin(int min);
    int Max() const;
    void SetMax(int max);
    int Position() const;
    void SetPosition(int position);
    int Step() const { return step_; }
    void SetStep(int step) { step_ = step; }
    void StepIt();
    void StepBy(int delta);

private:
    QProgressBar* bar_;
    int step_ = 10;
};
