#include "WirelessFixture.h"

#include <QApplication>
#include <QTimer>
#include <sstream>

#include "KwSNMPRequest2Controls.h"

namespace wireless_test {

std::string StateWith(const std::map<std::string, std::string>& lines, const std::vector<std::string>& dropPrefixes)
{
    std::map<std::string, std::string> pending = lines;
    std::istringstream in(vka_test::DefaultStateText());
    std::string out;
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream fields(line);
        std::string first, oid;
        fields >> first;
        oid = first;
        std::string flags;
        if (!first.empty() && first[0] != '#' && !std::isdigit(static_cast<unsigned char>(first[0]))) {
            flags = first + " ";
            fields >> oid;
        }
        bool dropped = false;
        for (const std::string& prefix : dropPrefixes)
            dropped = dropped || oid.rfind(prefix + ".", 0) == 0;
        auto changed = pending.find(oid);
        if (dropped) {
            continue;
        } else if (changed != pending.end()) {
            if (!changed->second.empty())
                out += flags + oid + " " + changed->second + "\n";
            pending.erase(changed);
        } else {
            out += line + "\n";
        }
    }
    for (const auto& [oid, value] : pending)
        if (!value.empty())
            out += oid + " " + value + "\n";
    return out;
}

std::vector<std::string> Items(TComboBox* combo)
{
    std::vector<std::string> items;
    for (int i = 0; i < combo->Items()->Count(); ++i)
        items.push_back(combo->Items()->Strings(i).ToStdString());
    return items;
}

std::string Text(TControl* control) { return control->Text().ToStdString(); }

void Hasten(TFM_Wirless& form, int hundredths)
{
    for (int i = 0; i < form.ComponentCount(); ++i)
        if (auto* request = dynamic_cast<KwSNMPRequest2Controls*>(form.Components(i))) {
            request->Request.Timeout = hundredths;
            request->Request.Retries = 0;
        }
}

void Refresh(TFM_Wirless& form) { form.Bt_Refresh->Click(); }

namespace {

// A request of the form showing a walked row lets timers run meanwhile.
bool AnyRequestPumping(TFM_Wirless& form)
{
    for (int i = 0; i < form.ComponentCount(); ++i)
        if (auto* request = dynamic_cast<KwSNMPRequest2Controls*>(form.Components(i)))
            if (request->Pumping())
                return true;
    return false;
}

// The form's synchronous reads, and its walks row by row, let timers run while it is
// being created or a row is shown: the body waits until the form is shown and no
// request is in the middle of its work, then runs and closes the form.
void RunWhenShown(const std::function<void(TFM_Wirless& form)>& body, bool* ran)
{
    if (!FM_Wirless)
        return;
    if (!FM_Wirless->Visible() || AnyRequestPumping(*FM_Wirless)) {
        QTimer::singleShot(5, QApplication::instance(), [body, ran] { RunWhenShown(body, ran); });
        return;
    }
    *ran = true;
    body(*FM_Wirless);
    if (FM_Wirless)
        FM_Wirless->Close();
}

}  // namespace

void WirelessRoad::Open(const std::function<void(TFM_Wirless& form)>& body)
{
    bool ran = false;
    vka_test::RunMenuForm<TFM_Wirless>("hWirelessBand1", FM_Wirless,
                                       [&](TFM_Wirless&) { RunWhenShown(body, &ran); });
    EXPECT_TRUE(ran) << "the form was never shown";
}

void WirelessRoad::Device(const std::string& oid, const std::string& typeAndValue)
{
    const std::size_t blank = typeAndValue.find(' ');
    ASSERT_TRUE(devsim.SetValue(oid, typeAndValue.substr(0, blank), typeAndValue.substr(blank + 1)))
        << oid << " " << typeAndValue;
}

}  // namespace wireless_test
