// Random user sessions on a real byte-limited edit, driven through Qt key by key,
// checked after every step against EditModel. VKA_EDIT_SEQUENCES sets how many
// sessions run (for a longer run by hand), VKA_EDIT_SEED the seed of the first.
#include "EditModel.h"
#include "GuiTestSupport.h"

#include <QClipboard>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <random>
#include <sstream>

namespace {
// What a user types: characters of one to four bytes, and characters as the user sees
// them made of two: a flag, an emoji with a skin tone, an emoji with a combining mark.
const char* const Characters[] = {"a", "b", "z", "\xC3\xA9", "\xE2\x82\xAC", "\xF0\x9F\x98\x80", "\xF0\x9F\x93\xB6",
                                  "\xF0\x9F\x87\xA9\xF0\x9F\x87\xAA", "\xF0\x9F\x91\x8D\xF0\x9F\x8F\xBD",
                                  "\xF0\x9F\x98\x80\xCC\x81"};
// What a device value may hold besides: bytes that are no valid UTF-8.
const char* const StrayBytes[] = {"\xF0", "\x9F\x98", "\xFF", "\x80\xF6"};
constexpr int StepsPerSession = 24;

int Setting(const char* name, int otherwise)
{
    const char* value = std::getenv(name);
    return value && *value ? std::atoi(value) : otherwise;
}

std::string Printable(const std::string& bytes)
{
    std::ostringstream out;
    for (unsigned char c : bytes) {
        if (c >= 0x20 && c < 0x7F && c != '\\')
            out << c;
        else
            out << "\\x" << std::hex << std::uppercase << int(c) << std::dec;
    }
    return "\"" + out.str() + "\"";
}

class Session {
public:
    Session(TEdit* edit, unsigned seed) : edit_(edit), line_(static_cast<QLineEdit*>(edit->Widget())), random_(seed)
    {
        edit_->OnChange = [this](TObject*) { ++changes_; };
    }

    // Runs the session; on the first broken rule, returns what happened up to it.
    std::optional<std::string> Run()
    {
        edit_->SetMaxLength(0);
        edit_->SetPasswordChar(Below(3) == 0 ? '*' : 0);
        SetByCode(Below(40) == 0 ? std::string(TEdit::ShownLimit, 'v') + Value() : Value());
        SetLimit();
        log_ << "\n";
        for (int i = 0; i < StepsPerSession; ++i) {
            if (const std::optional<std::string> broken = Step())
                return log_.str() + "  -> " + *broken;
        }
        return std::nullopt;
    }

private:
    int Below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }
    std::string Character() { return Characters[Below(std::size(Characters))]; }
    std::string Typed(int most)
    {
        std::string text;
        for (int n = Below(most) + 1; n > 0; --n)
            text += Character();
        return text;
    }
    std::string Value()
    {
        std::string value;
        for (int n = Below(6); n > 0; --n)
            value += Below(4) == 0 ? StrayBytes[Below(std::size(StrayBytes))] : Character();
        return value;
    }

    void SetByCode(const std::string& value)
    {
        log_ << "SetText(" << Printable(value) << ")";
        value_ = value;
        clipped_ = ControlQString(value).size() > TEdit::ShownLimit;
        edit_->SetText(value);
    }
    void SetLimit()
    {
        const int limit = Below(3) == 0 ? 0 : Below(12) + 1;
        log_ << " MaxLength " << limit << (edit_->PasswordChar() ? " password" : "");
        edit_->SetMaxLength(limit);
    }

    EditState Now() const
    {
        EditState state{line_->text(), line_->cursorPosition(), line_->cursorPosition(), edit_->MaxLength(),
                        edit_->PasswordChar() != 0};
        if (line_->hasSelectedText())
            state.start = line_->selectionStart(), state.end = line_->selectionEnd();
        return state;
    }

    void Key(Qt::Key key, Qt::KeyboardModifiers modifiers, const char* name)
    {
        log_ << name;
        QTest::keyClick(line_, key, modifiers);
    }
    void Type(const std::string& character)
    {
        log_ << "type " << Printable(character);
        QTest::sendKeyEvent(QTest::Click, line_, Qt::Key_unknown, QString::fromUtf8(character), Qt::NoModifier);
    }

    // One step by the user (or, now and then, by code); the text the model expects
    // after it, or none where Qt's undo history decides.
    std::optional<QString> Act(const EditState& s)
    {
        const bool password = edit_->PasswordChar() != 0;
        static const Qt::Key moves[] = {Qt::Key_Home, Qt::Key_End, Qt::Key_Left, Qt::Key_Right};
        static const char* const moveNames[] = {"Home", "End", "Left", "Right"};
        switch (Below(12)) {
        case 0:
        case 1:
        case 2: {
            const std::string character = Character();
            Type(character);
            return EditModel::Inserted(s, QString::fromUtf8(character));
        }
        case 3:
            Key(Qt::Key_Backspace, Qt::NoModifier, "Backspace");
            return EditModel::Erased(s, true);
        case 4:
            Key(Qt::Key_Delete, Qt::NoModifier, "Delete");
            return EditModel::Erased(s, false);
        case 5:
        case 6: {
            const int move = Below(4);
            const bool shift = Below(2) == 0;
            log_ << (shift ? "Shift+" : "");
            Key(moves[move], shift ? Qt::ShiftModifier : Qt::NoModifier, moveNames[move]);
            return s.text;
        }
        case 7: {
            const std::string pasted = Typed(4);
            log_ << "paste " << Printable(pasted);
            QGuiApplication::clipboard()->setText(QString::fromUtf8(pasted));
            QTest::keyClick(line_, Qt::Key_V, Qt::ControlModifier);
            return EditModel::Inserted(s, QString::fromUtf8(pasted));
        }
        case 8:
            Key(Qt::Key_X, Qt::ControlModifier, "Ctrl+X");
            return s.start == s.end ? s.text : EditModel::Erased(s, true);
        case 9:
            if (Below(2) == 0)
                Key(Qt::Key_Z, Qt::ControlModifier, "Ctrl+Z");
            else
                Key(Qt::Key_Y, Qt::ControlModifier, "Ctrl+Y");
            return std::nullopt;
        case 10:
            if (!password)
                return Commit(s);
            [[fallthrough]];
        default:
            if (Below(2) == 0)
                SetByCode(Value());
            SetLimit();
            log_ << " by code";
            byCode_ = true;
            return std::nullopt;
        }
    }

    std::optional<QString> Commit(const EditState& s)
    {
        const std::string commit = Below(5) == 0 ? std::string() : Typed(3);
        QInputMethodEvent event;
        int from = 0, length = 0;
        if (Below(2) == 0) {
            from = -Below(4), length = Below(4);
            event.setCommitString(QString::fromUtf8(commit), from, length);
        } else {
            event.setCommitString(QString::fromUtf8(commit));
        }
        log_ << "commit " << Printable(commit) << " over " << from << "," << length;
        QApplication::sendEvent(line_, &event);
        return EditModel::Committed(s, QString::fromUtf8(commit), from, length);
    }

    std::optional<std::string> Step()
    {
        const EditState before = Now();
        const AnsiString textBefore = edit_->Text();
        changes_ = 0;
        byCode_ = false;
        std::optional<QString> expected = Act(before);
        log_ << "\n";
        const EditState after = Now();
        const AnsiString text = edit_->Text();
        if (!EditModel::IsWhole(after.text))
            return "a character was cut in half";
        if (clipped_ && !byCode_)
            expected = before.text;
        if (expected && after.text != *expected)
            return "shown " + Printable(ControlText(after.text).c_str()) + ", expected " +
                   Printable(ControlText(*expected).c_str());
        if (text != (clipped_ ? AnsiString(value_) : ControlText(after.text)))
            return "Text() is " + Printable(text.c_str()) + ", not what is shown";
        if (changes_ != (text != textBefore ? 1 : 0))
            return "OnChange fired " + std::to_string(changes_) + " times";
        if (!byCode_ && after.maxBytes > 0 && EditModel::Bytes(after.text) > after.maxBytes &&
            EditModel::Bytes(after.text) > EditModel::Bytes(before.text))
            return "the text grew past the limit";
        if (!byCode_ && text != textBefore && !edit_->Modified())
            return "a change by the user is not marked modified";
        if (after.start < 0 || after.end > after.text.size() || !EditModel::OnBoundary(after.text, after.start) ||
            !EditModel::OnBoundary(after.text, after.end))
            return "the selection is " + std::to_string(after.start) + ".." + std::to_string(after.end);
        return std::nullopt;
    }

    TEdit* edit_;
    QLineEdit* line_;
    std::mt19937 random_;
    std::ostringstream log_;
    std::string value_;
    bool clipped_ = false;
    bool byCode_ = false;  // the step was made by code
    int changes_ = 0;
};
}  // namespace

TEST(EditModel, RandomUserSessionsKeepEveryRuleOfTheEdit)
{
    InstalledScriptedDialogs dialogs;  // the notices of a clipped value
    ShownForm f;
    const int sessions = Setting("VKA_EDIT_SEQUENCES", 3000);
    const unsigned first = unsigned(Setting("VKA_EDIT_SEED", 1));
    for (int i = 0; i < sessions; ++i) {
        auto* edit = f.Add<TEdit>("Ed_Random");
        const unsigned seed = first + unsigned(i);
        const std::optional<std::string> broken = Session(edit, seed).Run();
        delete edit;
        ASSERT_FALSE(broken) << "seed " << seed << " (VKA_EDIT_SEED=" << seed
                             << " VKA_EDIT_SEQUENCES=1 runs it alone):\n" << *broken;
    }
}
