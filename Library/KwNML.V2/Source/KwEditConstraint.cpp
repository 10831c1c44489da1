// Edit-field constraints: typing filter, exit checks, refusal and revert.
#include "KwEditConstraint.h"
#include "KwValueText.h"

#include <algorithm>
#include <cstdint>

#include "Beep.h"
#include "ExeName.h"
#include "KwErrors.h"
#include "KwExpression.h"
#include "KwNumList.h"
#include "MessageBox.h"
#include "StdCtrls.h"
#include "SysUtils.h"

namespace {
bool IsPlaceholder(const AnsiString& text)
{
    return text == KwNotDoneText || text == KwNoValueText;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsHex(char c) { return IsDigit(c) || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f'); }

// Whether the type allows c after the characters kept before it.
bool Fits(const KwEditSpecifier& specifier, char c, const std::string& kept)
{
    switch (specifier.Type) {
    case 'f':
        return IsDigit(c) || (c == '-' && kept.empty()) ||
               (c == '.' && kept.find('.') == std::string::npos);
    case 'h': return IsHex(c);
    case 'i': return IsDigit(c) || (c == '-' && kept.empty());
    case 'u': return IsDigit(c);
    case 'n': return IsDigit(c) || (c == specifier.Delimiter && !kept.empty() && kept.back() != specifier.Delimiter);
    default: return true;
    }
}

// The text without the characters the type does not allow: what removing the first
// such character over and over leaves, in one pass (a long paste must not nest one
// change event per character).
std::string WithoutMistyped(const KwEditSpecifier& specifier, const std::string& text)
{
    std::string kept;
    kept.reserve(text.size());
    for (char c : text)
        if (Fits(specifier, c, kept))
            kept.push_back(c);
    return kept;
}

// True when an item of a delimited list holds a whole number past 32 bits, which the
// list's reading would wrap to its low bits.
bool HasOversizedItem(const std::string& text, char delimiter)
{
    std::uint64_t value = 0;
    bool fraction = false;
    for (char c : text) {
        if (c == delimiter) {
            value = 0;
            fraction = false;
        } else if (c == '.') {
            fraction = true;
        } else if (!fraction && IsDigit(c)) {
            value = value * 10 + static_cast<std::uint64_t>(c - '0');
            if (value > 0xFFFFFFFFull)
                return true;
        }
    }
    return false;
}

AnsiString NumberText(double value)
{
    return ExpressionNumberText(value);
}

AnsiString UnsignedText(double value)
{
    const double clamped = std::min(std::max(value, 0.0), 4294967295.0);
    return IntToStr(static_cast<unsigned long>(static_cast<unsigned int>(clamped)));
}
} // namespace

KwEditConstraint::KwEditConstraint(TComponent* owner, unsigned char rememberText)
    : RememberText(rememberText), owner_(owner)
{
}

KwEditConstraint::~KwEditConstraint()
{
    alive_.reset();
    // Edits that outlive the constraints get their own handlers back.
    for (const auto& record : records_) {
        if (!record->Alive.Alive())
            continue;
        record->Edit->OnChange = record->SavedChange;
        record->Edit->OnExit = record->SavedExit;
    }
}

void KwEditConstraint::Add(const AnsiString& format, const std::vector<TEdit*>& edits)
{
    const std::vector<KwEditSpecifier> specs = KwCheckFormat(format);
    if (edits.size() < specs.size())
        RaiseKwError(KWERR_CONTROL_COUNT);
    for (std::size_t k = 0; k < specs.size(); ++k)
        AttachParsed(specs[k], edits[k]);
}

void KwEditConstraint::Attach(const AnsiString& specifier, TEdit* edit)
{
    AttachParsed(KwParseEditSpecifier(specifier), edit);
}

void KwEditConstraint::AttachParsed(const KwEditSpecifier& specifier, TEdit* edit)
{
    auto record = std::make_unique<_EditConstraint_s>();
    record->Edit = edit;
    record->Format = specifier;
    record->SavedChange = edit->OnChange;
    record->SavedExit = edit->OnExit;
    record->Alive = KwWidgetGuard(edit);
    if (specifier.Width > 0)
        edit->SetWidth(specifier.Width);
    edit->SetMaxLength(specifier.Length);
    std::weak_ptr<int> alive = alive_;
    edit->OnChange = [this, alive](TObject* sender) {
        if (!alive.expired())
            EditChange(sender);
    };
    edit->OnExit = [this, alive](TObject* sender) {
        if (!alive.expired())
            EditExit(sender);
    };
    records_.push_back(std::move(record));
}

void KwEditConstraint::Remove(TEdit* edit)
{
    auto at = std::find_if(records_.begin(), records_.end(),
                           [edit](const auto& record) { return record->Edit == edit; });
    if (at == records_.end())
        return;
    if ((*at)->Alive.Alive()) {
        edit->OnChange = (*at)->SavedChange;
        edit->OnExit = (*at)->SavedExit;
    }
    records_.erase(at);
}

_EditConstraint_s* KwEditConstraint::Find(TEdit* edit) const
{
    for (const auto& record : records_)
        if (record->Edit == edit)
            return record.get();
    return nullptr;
}

void KwEditConstraint::SaveText(TEdit* edit)
{
    if (_EditConstraint_s* record = Find(edit))
        record->AcceptedText = edit->Text();
}

void KwEditConstraint::MoveToNextControl()
{
    if (auto* form = dynamic_cast<TWinControl*>(owner_))
        PostMessage(form->Handle(), WM_NEXTDLGCTL, 0, 0);
}

bool KwEditConstraint::ChainRefused(TNotifyEvent handler, TEdit* edit)
{
    if (!handler)
        return false;
    const int tag = edit->Tag();
    handler(edit);
    const bool refused = edit->Tag() == -1;
    if (refused)
        edit->SetTag(tag == -1 ? 0 : tag);
    return refused;
}

void KwEditConstraint::EditChange(TObject* sender)
{
    auto* edit = dynamic_cast<TEdit*>(sender);
    _EditConstraint_s* record = edit ? Find(edit) : nullptr;
    if (!record)
        return;
    const AnsiString text = edit->Text();
    if (text.IsEmpty() || IsPlaceholder(text))
        return;
    const KwEditSpecifier specifier = record->Format;
    std::string bytes = text.ToStdString();

    if (specifier.ExitChar != 0 && bytes.find(specifier.ExitChar) != std::string::npos) {
        // Every exit character goes at once; the focus moves on once.
        bytes.erase(std::remove(bytes.begin(), bytes.end(), specifier.ExitChar), bytes.end());
        edit->SetText(AnsiString(bytes));
        MoveToNextControl();
        return;
    }
    const std::string kept = WithoutMistyped(specifier, bytes);
    if (kept.size() != bytes.size()) {
        edit->SetText(AnsiString(kept));
        Beep(1000, 200);
        return;
    }
    std::weak_ptr<int> alive = alive_;
    if (ChainRefused(record->SavedChange, edit) || alive.expired())
        return;
    record = Find(edit);
    if (record && (specifier.Flags & KW_EDIT_AUTOTAB) && specifier.Length > 0 &&
        edit->Text().Length() == specifier.Length)
        MoveToNextControl();
}

void KwEditConstraint::Refuse(_EditConstraint_s& record, int code, const AnsiString& message)
{
    (void)code;
    const AnsiString caption = ExtractFileName(AnsiString(ExeName()));
    TEdit* edit = record.Edit;
    const AnsiString accepted = record.AcceptedText;
    const KwWidgetGuard editAlive = record.Alive;
    std::weak_ptr<int> alive = alive_;
    // The box takes the focus: an exit it causes is not checked a second time.
    refusing_ = true;
    MessageBoxA(nullptr, message.c_str(), caption.c_str(), MB_OK);
    if (alive.expired())
        return;
    refusing_ = false;
    if (!editAlive.Alive() || !Find(edit))
        return;
    edit->SetText(accepted);
    if (edit->CanFocus())
        edit->SetFocus();
}

void KwEditConstraint::EditExit(TObject* sender)
{
    if (refusing_)
        return;
    auto* edit = dynamic_cast<TEdit*>(sender);
    _EditConstraint_s* record = edit ? Find(edit) : nullptr;
    if (!record)
        return;
    const AnsiString text = edit->Text();
    if (IsPlaceholder(text))
        return;
    const KwEditSpecifier& specifier = record->Format;
    if (text.IsEmpty()) {
        if (specifier.Flags & KW_EDIT_NOEMPTY)
            Refuse(*record, KWCERR_EMPTY, KwErrorText(KWCERR_EMPTY));
        return;
    }
    switch (specifier.Type) {
    case 'i': case 'u': case 'f': {
        const double value = StrToFloatPrefix(text);
        if (value < specifier.Minimum || value > specifier.Maximum) {
            AnsiString message = KwErrorText(KWCERR_NUMBER_RANGE);
            message = ReplaceAll(message, "[MIN]", NumberText(specifier.Minimum));
            message = ReplaceAll(message, "[MAX]", NumberText(specifier.Maximum));
            Refuse(*record, KWCERR_NUMBER_RANGE, message);
            return;
        }
        break;
    }
    case 's': case 'h':
        if (specifier.Length > 0) {
            const bool hex = specifier.Type == 'h';
            if ((specifier.Flags & KW_EDIT_FIXED) && text.Length() != specifier.Length) {
                const int code = hex ? KWCERR_HEX_LEN : KWCERR_LEN;
                Refuse(*record, code, ReplaceAll(KwErrorText(code), "[LEN]", IntToStr(specifier.Length)));
                return;
            }
            if (!(specifier.Flags & KW_EDIT_FIXED) && text.Length() > specifier.Length) {
                const int code = hex ? KWCERR_HEX_MAXLEN : KWCERR_MAXLEN;
                Refuse(*record, code, ReplaceAll(KwErrorText(code), "[MAXLEN]", IntToStr(specifier.Length)));
                return;
            }
        }
        break;
    case 'n': {
        KwNumList<unsigned int> items;
        items.Delimiter = specifier.Delimiter;
        items.Parse(text.c_str());
        const AnsiString delimiter(specifier.Delimiter);
        if (specifier.Length > 0) {
            const bool fixed = (specifier.Flags & KW_EDIT_FIXED) != 0;
            if ((fixed && items.Count() != specifier.Length) || (!fixed && items.Count() > specifier.Length)) {
                const int code = fixed ? KWCERR_LIST_COUNT : KWCERR_LIST_MAXCOUNT;
                AnsiString message = ReplaceAll(KwErrorText(code), "[DELIMITER]", delimiter);
                message = ReplaceAll(message, fixed ? "[COUNT]" : "[MAXCOUNT]", IntToStr(specifier.Length));
                Refuse(*record, code, message);
                return;
            }
        }
        const double low = std::min(std::max(specifier.Minimum, 0.0), 4294967295.0);
        const double high = std::min(std::max(specifier.Maximum, 0.0), 4294967295.0);
        if (HasOversizedItem(text.ToStdString(), specifier.Delimiter) ||
            !items.InRange(static_cast<unsigned int>(low), static_cast<unsigned int>(high))) {
            AnsiString message = ReplaceAll(KwErrorText(KWCERR_LIST_RANGE), "[DELIMITER]", delimiter);
            message = ReplaceAll(message, "[MIN]", UnsignedText(specifier.Minimum));
            message = ReplaceAll(message, "[MAX]", UnsignedText(specifier.Maximum));
            Refuse(*record, KWCERR_LIST_RANGE, message);
            return;
        }
        break;
    }
    default: break;
    }
    std::weak_ptr<int> alive = alive_;
    if (ChainRefused(record->SavedExit, edit)) {
        if (!alive.expired() && (record = Find(edit)))
            edit->SetText(record->AcceptedText);
        return;
    }
    if (alive.expired() || !(record = Find(edit)))
        return;
    if (RememberText)
        record->AcceptedText = edit->Text();
}
