// The request: construction, defaults, target and PDU, row index, and the wait for
// outstanding replies when it is destroyed.
#include "KwSNMPRequest.h"

#include "KwSNMPAsyncContext.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>
#include <chrono>

#include "KwErrors.h"
#include "KwExpression.h"
#include "KwSNMPRequestParts.h"
#include "KwSNMPSession.h"
#include "snmp_pp.h"

namespace {
bool IsEngineSyntax(int syntax)
{
    return (syntax >= SX_INTEGER && syntax <= SX_OBJECTID) ||
           (syntax >= SX_IPADDRESS && syntax <= SX_UINTEGER && syntax != SX_NSAPADDR);
}
} // namespace

KwSNMPRequest::KwSNMPRequest()
{
    LoadDefaults();
}

KwSNMPRequest::~KwSNMPRequest()
{
    Enabled = false;
    WaitForReplies();
    // Whatever is still outstanding is forgotten by the engine: no reply or time-out
    // reaches this request once it is gone.
    for (KwSNMPAsyncContext* context : outstanding) {
        if (KwSNMPSession)
            KwSNMPSession->cancel(context->RequestId);
        delete context;
    }
    outstanding.clear();
}

void KwSNMPRequest::WaitForReplies()
{
    // Inside a tick of the event timer (a completion handler destroying its owner)
    // no reply can arrive before the handler returns: waiting would only freeze.
    if (!SNMPEventTimer || !SNMPEventTimer->Running())
        return;
    using Clock = std::chrono::steady_clock;
    const auto deadline = Clock::now() + std::chrono::milliseconds(6000);
    while (Pending > 0 && Clock::now() < deadline && QCoreApplication::instance()) {
        QEventLoop loop;
        QTimer::singleShot(10, &loop, &QEventLoop::quit);
        loop.exec();
    }
}

void KwSNMPRequest::LoadDefaults()
{
    Device = KwDefaultDevice;
    Scope = KwDefaultScope;
    Security = KwDefaultSecurity;
    Timeout = KwDefaultTimeout;
}

bool KwSNMPRequest::TestCondition()
{
    return IsTrue(Condition);
}

bool KwSNMPRequest::Test(const AnsiString& condition)
{
    return IsTrue(condition);
}

void KwSNMPRequest::RequireSession() const
{
    if (!KwSNMPSession)
        RaiseKwError(KWERR_CREATE_SESSION);
}

void KwSNMPRequest::BuildTarget(UTarget& utarget, CTarget& ctarget, SnmpTarget*& target)
{
    UdpAddress address(Device.Address.c_str());
    if (!address.valid())
        RaiseKwError(KWERR_BAD_ADDRESS);
    address.set_port(Device.Port);
    utarget = UTarget(address);
    ctarget = CTarget(address);
    int timeout = Timeout < 0 ? 0 : Timeout;
    if (KwTimeoutCap > 0 && timeout > KwTimeoutCap)
        timeout = KwTimeoutCap;

    if (Security.Version == 3) {
        utarget.set_version(version3);
        utarget.set_retry(Retries);
        utarget.set_timeout(static_cast<unsigned long>(timeout));
        utarget.set_security_model(Security.SecurityModel);
        utarget.set_security_name(OctetStr(Security.SecurityName.ToStdString()));
        RequireSession();
        KwSNMPSession->usmAddUserName(OctetStr(Security.SecurityName.ToStdString()),
                                      Security.AuthProtocol, Security.PrivProtocol,
                                      OctetStr(Security.AuthPassword.ToStdString()),
                                      OctetStr(Security.PrivPassword.ToStdString()));
        target = &utarget;
    } else {
        ctarget.set_version(Security.Version == 1 ? version2c : version1);
        ctarget.set_retry(Retries);
        ctarget.set_timeout(static_cast<unsigned long>(timeout));
        ctarget.set_readcommunity(OctetStr(Security.ReadCommunity.ToStdString()));
        ctarget.set_writecommunity(OctetStr(Security.WriteCommunity.ToStdString()));
        target = &ctarget;
    }
}

void KwSNMPRequest::PrepareExchange(KwPduMode mode, Exchange& exchange)
{
    RequireSession();
    BuildTarget(exchange.Utarget, exchange.Ctarget, exchange.Target);
    BuildPdu(mode, exchange.Request);
}

void KwSNMPRequest::BuildPdu(KwPduMode mode, Pdu& pdu)
{
    pdu.set_security_level(Security.SecurityLevel);
    pdu.set_context_name(OctetStr(Scope.ContextName.ToStdString()));
    pdu.set_context_engine_id(OctetStr(Scope.ContextEngineId.ToStdString()));
    pduVariables.clear();
    keptInSet_ = 0;

    const bool table = VarList.IsTable();
    Vb vb;
    for (int i = 0; i < VarList.Count(); ++i) {
        KwSNMPVar& var = VarList.Item(i);
        const AnsiString column = var.Oid;
        if (mode != KwPduSet) {
            if (!VarList.IsReadable(i))
                continue;
            if (mode == KwPduFirstGet) {
                *var.InstanceOid = "";
                vb.set_oid(Oid((VarList.ItemType == SVT_SV ? column + ".0" : column).c_str()));
            } else {
                if (!table)
                    RaiseKwError(KWERR_GETNEXT_SINGLE);
                vb.set_oid(Oid(var.InstanceOid->c_str()));
            }
            vb.set_null();
        } else {
            if (table && i < VarList.KeyCount)
                continue;  // index columns name the row; they are never written
            if (!VarList.IsWritable(i))
                continue;
            if (StillLeftOut(i)) {
                ++keptInSet_;
                continue;
            }
            AnsiString oid;
            switch (VarList.ItemType) {
            case SVT_SV: oid = column + ".0"; break;
            case MVT_SV: oid = column; break;
            case MVT_FMV:
            case MVT_UMV: oid = column + "." + RowIndex(); break;
            default: RaiseKwError(KWERR_ITEM_TYPE);
            }
            vb.set_oid(Oid(oid.c_str()));
            if (IsEngineSyntax(var.Syntax))
                vb.set_syntax(var.Syntax);
            ValueToVb(i, vb);
        }
        pdu += vb;
        pduVariables.push_back(i);
    }
}

bool KwSNMPRequest::StillLeftOut(int index) const
{
    const auto left = LeftOut.find(index);
    return left != LeftOut.end() && !givenForSet_.count(index) &&
           left->second == KwSNMPVarList::ValueOf(VarList.Item(index));
}

bool KwSNMPRequest::KeptOnly(const Pdu& pdu) const
{
    return keptInSet_ > 0 && pdu.get_vb_count() == 0;
}

AnsiString KwSNMPRequest::RowIndex()
{
    AnsiString index;
    for (int key = 0; key < VarList.KeyCount && key < VarList.Count(); ++key) {
        AnsiString part;
        ValueToIndex(key, part);
        if (part.IsEmpty())
            continue;  // an empty IMPLIED key adds no sub-identifier, not an empty one
        if (!index.IsEmpty())
            index += ".";
        index += part;
    }
    return index;
}

void KwSNMPRequest::SetRowIndex(const AnsiString& index)
{
    AnsiString rest = index;
    for (int key = 0; key < VarList.KeyCount; ++key) {
        if (key >= VarList.Count())
            RaiseKwError(KWERR_KEY_COUNT);
        KwSNMPVar& var = VarList.Item(key);
        // Keys that may take no sub-identifier: a "null" key, and the last key written
        // IMPLIED ("5" holds {5, ""}).
        const bool mayBeEmpty = key > 0 && (var.Syntax == SX_NULL ||
                                            (key == VarList.KeyCount - 1 && (var.Access & AC_IMPLIED)));
        if (rest.IsEmpty() && !mayBeEmpty)
            RaiseKwError(KWERR_KEY_COUNT);
        if (!VarList.IsReadable(key))
            *var.InstanceOid = AnsiString(var.Oid) + "." + rest;
        rest = IndexToValue(key, rest);
    }
}
