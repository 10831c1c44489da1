#include "LayoutCheck.h"

#include "FormRequests.h"
#include "vcl.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QComboBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QStyle>
#include <QStyleOptionGroupBox>
#include <QTreeWidget>

#include <algorithm>
#include <set>

namespace vka_test {
namespace {

// Room a push button's frame and margins take beside its text; a line edit's and a
// combo box's beside theirs (the arrow included).
int ButtonMargins(const QWidget* w) { return 2 * w->style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, w) + 4; }
const int EditMargins = 8;
const int ComboMargins = 28;
const int CellMargins = 8;
// The title bar and border a window manager adds, at least (headless platforms report
// less or none).
const QSize NominalFrame(8, 31);
const QSize WorkArea(1024, 768);

std::string Name(const TControl* control)
{
    std::string name = control->Name().ToStdString();
    return name.empty() ? "<unnamed " + std::string(control->Widget()->metaObject()->className()) + ">" : name;
}

std::string Size(const QSize& s) { return std::to_string(s.width()) + "x" + std::to_string(s.height()); }
std::string Rect(const QRect& r)
{
    return "(" + std::to_string(r.x()) + "," + std::to_string(r.y()) + " " + Size(r.size()) + ")";
}

class Checker {
public:
    Checker(const TCustomForm& form, const std::vector<AllowedOverlap>& allowed,
            const std::vector<FreeTextColumn>& freeText, const std::vector<const TStatusBar*>& wholeStatus)
        : form_(form), allowed_(allowed), freeText_(freeText), wholeStatus_(wholeStatus),
          where_(form.Name().ToStdString() + ": ")
    {
        for (TComponent* component : Owned<TComponent>(const_cast<TCustomForm*>(&form)))
            componentNames_.insert(component->Name().ToStdString());
    }

    std::vector<std::string> Run()
    {
        WindowFits();
        Walk(form_);
        return faults_;
    }

private:
    void Fault(const std::string& text) { faults_.push_back(where_ + text); }

    bool Shown(const TControl* control) const
    {
        return control->Widget() && control->Widget()->isVisibleTo(form_.Widget());
    }

    void WindowFits()
    {
        const QWidget* window = form_.Widget();
        const QSize frame = window->frameGeometry().size() - window->geometry().size();
        const QSize outer = window->geometry().size() + frame.expandedTo(NominalFrame);
        if (outer.width() > WorkArea.width() || outer.height() > WorkArea.height())
            Fault("the window, " + Size(outer) + " with its frame, exceeds a " + Size(WorkArea) + " work area");
    }

    void Walk(const TWinControl& parent)
    {
        std::vector<const TControl*> shown;
        for (int i = 0; i < parent.ControlCount(); ++i) {
            const TControl* child = parent.Controls(i);
            if (!Shown(child))
                continue;
            // Tab sheets live in their page control's own stack, placed by it.
            if (child->Widget()->parentWidget() == parent.ClientWidget()) {
                Inside(parent, *child);
                shown.push_back(child);
            }
            TextFits(*child);
            NamedByItsLabel(*child);
            PanelsInside(*child);
            if (auto* win = dynamic_cast<const TWinControl*>(child))
                Walk(*win);
        }
        for (size_t a = 0; a < shown.size(); ++a)
            for (size_t b = a + 1; b < shown.size(); ++b)
                Apart(*shown[a], *shown[b]);
    }

    // A group box's client area lies inside its frame, its title excepted.
    void Inside(const TWinControl& parent, const TControl& child)
    {
        QWidget* client = parent.ClientWidget();
        QRect area = client->contentsRect();
        QRect title;
        if (auto* box = qobject_cast<QGroupBox*>(client)) {
            QStyleOptionGroupBox option;
            option.initFrom(box);
            option.text = box->title();
            option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
            const QRect frame = box->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxFrame, box);
            title = box->title().isEmpty()
                        ? QRect()
                        : box->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, box);
            area = frame.adjusted(1, 1, -1, -1);
        }
        const QRect r = child.Widget()->geometry();
        if (!area.contains(r))
            Fault(Name(&child) + " " + Rect(r) + " leaves the client area " + Rect(area) + " of " + Name(&parent));
        else if (r.intersects(title))
            Fault(Name(&child) + " " + Rect(r) + " covers the title " + Rect(title) + " of " + Name(&parent));
    }

    // A status bar draws its panels itself: each panel shown lies inside the bar, and
    // its whole text reaches the user (PanelText).
    void PanelsInside(const TControl& control)
    {
        const auto* statusBar = dynamic_cast<const TStatusBar*>(&control);
        if (!statusBar)
            return;
        // The bar's labels in order: the simple text's, then one per panel.
        std::vector<AnsiString> texts{statusBar->SimpleText()};
        for (int i = 0; i < statusBar->Panels()->Count(); ++i)
            texts.push_back(statusBar->Panels()->Items(i)->Text());
        const QWidget* bar = control.Widget();
        int shown = 0;
        const auto labels = bar->findChildren<QLabel*>(Qt::FindDirectChildrenOnly);
        for (int i = 0; i < labels.size(); ++i) {
            const QLabel* panel = labels[i];
            if (!panel->isVisibleTo(bar))
                continue;
            const QRect r = panel->geometry();
            const std::string what = Name(&control) + " panel " + std::to_string(shown);
            if (!bar->rect().contains(r))
                Fault(what + " " + Rect(r) + " leaves the bar " + Rect(bar->rect()));
            if (i < int(texts.size()))
                PanelText(what, *panel, ControlQString(texts[size_t(i)]),
                          std::count(wholeStatus_.begin(), wholeStatus_.end(), statusBar) > 0);
            ++shown;
        }
    }

    // The panel shows `whole` and it fits, on the lines it wraps to, or shows it
    // shortened to fit with an ellipsis and has it whole as its tool tip and accessible
    // description (never when `whole` is required); and it names no component of the
    // form by its component name ("CB_TrapStatus").
    void PanelText(const std::string& what, const QLabel& panel, const QString& whole, bool wholeRequired)
    {
        const QString shown = panel.text();
        // As a label lays out its text: inside its margins, after its indent (half an
        // "x" for a framed label without one of its own).
        const QFontMetrics metrics(panel.font());
        const int indent = panel.indent() >= 0 ? panel.indent()
                           : panel.frameWidth() > 0 ? metrics.horizontalAdvance(QLatin1Char('x')) / 2
                                                    : 0;
        const QRect room =
            panel.contentsRect().adjusted(panel.margin() + indent, panel.margin(), -panel.margin(), -panel.margin());
        const QRect needed = metrics
                                 .boundingRect(QRect(0, 0, room.width(), 1 << 16),
                                               panel.wordWrap() ? int(Qt::TextWordWrap) : 0, shown);
        if (needed.width() > room.width() || needed.height() > room.height())
            Fault(what + " \"" + shown.toStdString() + "\" needs " + Size(needed.size()) + " px, has " +
                  Size(room.size()));
        const bool elided = shown.endsWith(QChar(0x2026)) && whole.startsWith(shown.chopped(1));
        if (wholeRequired && shown != whole)
            Fault(what + " shows \"" + shown.toStdString() + "\", not the whole \"" + whole.toStdString() + "\"");
        else if (shown != whole && !(elided && panel.toolTip() == whole && panel.accessibleDescription() == whole))
            Fault(what + " shows \"" + shown.toStdString() + "\" of \"" + whole.toStdString() +
                  "\", tool tip \"" + panel.toolTip().toStdString() + "\", description \"" +
                  panel.accessibleDescription().toStdString() + "\"");
        for (const QString& word : whole.split(QRegularExpression("[^A-Za-z0-9_]+"), Qt::SkipEmptyParts))
            if (componentNames_.count(word.toStdString()))
                Fault(what + " names a control by its component name " + word.toStdString() + ": \"" +
                      whole.toStdString() + "\"");
    }

    bool Allowed(const std::string& a, const std::string& b) const
    {
        return std::any_of(allowed_.begin(), allowed_.end(), [&](const AllowedOverlap& pair) {
            return (a == pair.First && b == pair.Second) || (a == pair.Second && b == pair.First);
        });
    }

    void Apart(const TControl& a, const TControl& b)
    {
        const QRect ra = a.Widget()->geometry();
        const QRect rb = b.Widget()->geometry();
        if (ra.intersects(rb) && !Allowed(Name(&a), Name(&b)))
            Fault(Name(&a) + " " + Rect(ra) + " overlaps " + Name(&b) + " " + Rect(rb));
    }

    void Fits(const TControl& control, const QString& text, int needed, int room)
    {
        if (needed > room)
            Fault(Name(&control) + " \"" + text.toStdString() + "\" needs " + std::to_string(needed) + " px, has " +
                  std::to_string(room));
    }

    void TextFits(const TControl& control)
    {
        QWidget* w = control.Widget();
        const QFontMetrics fm(w->font());
        if (auto* label = qobject_cast<QLabel*>(w)) {
            const QRect room = label->contentsRect();
            if (label->wordWrap()) {
                Fits(control, label->text(), label->heightForWidth(room.width()), room.height());
                return;
            }
            const QSize needed = fm.size(0, label->text());
            Fits(control, label->text(), needed.width(), room.width());
            Fits(control, label->text(), needed.height(), room.height());
        } else if (auto* button = qobject_cast<QPushButton*>(w)) {
            Fits(control, button->text(), fm.horizontalAdvance(button->text()) + ButtonMargins(w), w->width());
            Fits(control, button->text(), fm.height() + 4, w->height());
        } else if (auto* check = qobject_cast<QAbstractButton*>(w)) {
            Fits(control, check->text(), check->sizeHint().width(), w->width());
            Fits(control, check->text(), fm.height(), w->height());
        } else if (auto* box = qobject_cast<QGroupBox*>(w)) {
            Fits(control, box->title(), fm.horizontalAdvance(box->title()) + 16, w->width());
        } else if (auto* edit = qobject_cast<QLineEdit*>(w)) {
            if (edit->text() == w->objectName())
                Fault(Name(&control) + " shows its own name instead of a value");
            else if (edit->isReadOnly() || !edit->isEnabled())
                Fits(control, edit->text(), fm.horizontalAdvance(edit->text()) + EditMargins, w->width());
        } else if (auto* combo = qobject_cast<QComboBox*>(w)) {
            Fits(control, combo->currentText(), fm.horizontalAdvance(combo->currentText()) + ComboMargins, w->width());
        } else if (auto* tree = qobject_cast<QTreeWidget*>(w)) {
            HeadersFit(control, *tree);
        }
    }

    // Assistive technology reads a field by its caption, never by its group's title.
    void NamedByItsLabel(const TControl& control)
    {
        QWidget* w = control.Widget();
        auto* group = qobject_cast<QGroupBox*>(w->parentWidget());
        if (!group || group->title().isEmpty() ||
            !(qobject_cast<QLineEdit*>(w) || qobject_cast<QComboBox*>(w) || qobject_cast<QTreeWidget*>(w)))
            return;
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(w);
        if (w->accessibleName().isEmpty() && accessible && accessible->text(QAccessible::Name) == group->title())
            Fault(Name(&control) + " is read by its group's title \"" + group->title().toStdString() + "\"");
    }

    void HeadersFit(const TControl& control, const QTreeWidget& tree)
    {
        const QHeaderView* header = tree.header();
        if (header->isHidden())
            return;
        const QFontMetrics fm(header->font());
        const int margins = 2 * header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
        for (int i = 0; i < header->count(); ++i) {
            if (header->isSectionHidden(i) || header->sectionSize(i) == 0)
                continue;
            const QString caption = tree.headerItem()->text(i);
            if (tree.headerItem()->data(i, Qt::TextAlignmentRole).toInt() & Qt::TextWordWrap) {
                // A wrapped caption: each word fits the column, all its lines the header.
                const QRect lines =
                    fm.boundingRect(QRect(0, 0, header->sectionSize(i) - margins, 1 << 16), Qt::TextWordWrap, caption);
                Cell(control, i, caption, lines.width() + margins, header->sectionSize(i));
                if (lines.height() + margins > header->height())
                    Fault(Name(&control) + " column " + std::to_string(i) + " \"" + caption.toStdString() +
                          "\" needs " + std::to_string(lines.height() + margins) + " px high, the header has " +
                          std::to_string(header->height()));
            } else {
                Cell(control, i, caption, fm.horizontalAdvance(caption) + margins, header->sectionSize(i));
            }
            if (FreeText(control, i))
                continue;
            const QFontMetrics cells(tree.font());
            for (int row = 0; row < tree.topLevelItemCount(); ++row) {
                const QString text = tree.topLevelItem(row)->text(i);
                Cell(control, i, text, cells.horizontalAdvance(text) + CellMargins, header->sectionSize(i));
            }
        }
    }

    bool FreeText(const TControl& control, int column) const
    {
        return std::any_of(freeText_.begin(), freeText_.end(), [&](const FreeTextColumn& free) {
            return control.Name() == free.List && column == free.Column;
        });
    }

    void Cell(const TControl& control, int column, const QString& text, int needed, int width)
    {
        if (needed > width)
            Fault(Name(&control) + " column " + std::to_string(column) + " \"" + text.toStdString() + "\" needs " +
                  std::to_string(needed) + " px, has " + std::to_string(width));
    }

    const TCustomForm& form_;
    const std::vector<AllowedOverlap>& allowed_;
    const std::vector<FreeTextColumn>& freeText_;
    const std::vector<const TStatusBar*>& wholeStatus_;
    std::string where_;
    std::set<std::string> componentNames_;
    std::vector<std::string> faults_;
};

}  // namespace

std::vector<std::string> LayoutFaults(const TCustomForm& form, const std::vector<AllowedOverlap>& allowed,
                                      const std::vector<FreeTextColumn>& freeText,
                                      const std::vector<const TStatusBar*>& wholeStatus)
{
    return Checker(form, allowed, freeText, wholeStatus).Run();
}

}  // namespace vka_test
