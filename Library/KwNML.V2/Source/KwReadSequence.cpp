#include "KwReadSequence.h"

#include "KwErrors.h"
#include "SnmpStatus.h"

KwReadSequence* KwReadSequence::current_ = nullptr;

KwReadSequence::KwReadSequence() : outer_(current_) { current_ = this; }

KwReadSequence::~KwReadSequence() { current_ = outer_; }

KwReadSequence& KwReadSequence::Root()
{
    KwReadSequence* root = this;
    while (root->outer_)
        root = root->outer_;
    return *root;
}

const KwReadSequence& KwReadSequence::Root() const
{
    const KwReadSequence* root = this;
    while (root->outer_)
        root = root->outer_;
    return *root;
}

bool KwReadSequence::TimedOut() const { return !Root().silent_.empty(); }

AnsiString KwReadSequence::FailureText() const
{
    int code = 0;
    AnsiString message;
    TranslateSNMPStatus(SNMP_CLASS_TIMEOUT, code, message);
    return message;
}

bool KwReadSequence::ShortCut(const AnsiString& address, int port, int& status)
{
    if (!current_)
        return false;
    const std::set<Device>& silent = current_->Root().silent_;
    if (silent.count(Device(address.ToStdString(), port)) == 0)
        return false;
    status = SNMP_CLASS_TIMEOUT;
    return true;
}

void KwReadSequence::Note(const AnsiString& address, int port, int status)
{
    if (current_ && status == SNMP_CLASS_TIMEOUT)
        current_->Root().silent_.insert(Device(address.ToStdString(), port));
}

bool KwReadSequence::SilentDeviceSeen() { return current_ && current_->TimedOut(); }

bool KwReadSequence::FirstReport()
{
    if (!current_)
        return true;
    KwReadSequence& root = current_->Root();
    const bool first = !root.reported_;
    root.reported_ = true;
    return first;
}
