#include "Pdu.h"

Pdu::Pdu(const Vb* vbs, int count)
{
    for (int i = 0; vbs && i < count; ++i) vbs_.push_back(vbs[i]);
}

Pdu& Pdu::operator+=(const Vb& vb)
{
    vbs_.push_back(vb);
    return *this;
}

int Pdu::get_vb(Vb& vb, int index) const
{
    if (index < 0 || index >= get_vb_count()) return SNMP_CLASS_INVALID;
    vb = vbs_[static_cast<size_t>(index)];
    return SNMP_CLASS_SUCCESS;
}

int Pdu::set_vb(const Vb& vb, int index)
{
    if (index < 0 || index >= get_vb_count()) return SNMP_CLASS_INVALID;
    vbs_[static_cast<size_t>(index)] = vb;
    return SNMP_CLASS_SUCCESS;
}

const Vb& Pdu::operator[](int index) const
{
    static const Vb empty;
    if (index < 0 || index >= get_vb_count()) return empty;
    return vbs_[static_cast<size_t>(index)];
}

int Pdu::delete_vb(int index)
{
    if (index < 0 || index >= get_vb_count()) return SNMP_CLASS_INVALID;
    vbs_.erase(vbs_.begin() + index);
    return SNMP_CLASS_SUCCESS;
}

void Pdu::trim(int count)
{
    while (count-- > 0 && !vbs_.empty()) vbs_.pop_back();
}
