#include "PagesFixture.h"

#include <QApplication>
#include <QTimer>
#include <set>

namespace pages_test {

namespace {
const KwIntOption StatusOptions[] = {{0, "Empty"}, {1, "Valid"}, {2, "Delete"}, {0, nullptr}};
KwOptionList StatusList(StatusOptions);

const std::string IndexColumn = TableOid + ".1";
const std::string NameColumn = TableOid + ".2";
const std::string StatusColumn = TableOid + ".3";
const std::string ScalarCommand = ScalarOid + ".1";
}  // namespace

KwSNMPVar TestTable[] = {
    {"1.3.6.1.4.1.32473.10.37.99.1.1.1", "Index", SX_INTEGER, AC_NOTACCESS, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.99.1.1.2", "Name", SX_DISPLAYSTR, AC_READWRITE, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.99.1.1.3", "Status", SX_INTEGER, AC_READWRITE, &StatusList, nullptr, nullptr, nullptr, nullptr, nullptr},
    {},
};

KwSNMPVar OneWritable[] = {
    {"1.3.6.1.4.1.32473.10.37.99.2.1", "command", SX_INTEGER, AC_READWRITE, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.99.2.2", "model", SX_DISPLAYSTR, AC_READONLY, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.99.2.3", "serial", SX_DISPLAYSTR, AC_READONLY, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.32473.10.37.99.2.4", "uptime", SX_INTEGER, AC_READONLY, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {},
};

std::string PageRoad::StateText() const
{
    std::string state;
    const char* names[] = {"\"first\"", "\"\"", "\"third\""};
    const int status[] = {1, 0, 1};
    for (int row = 1; row <= 3; ++row) {
        state += NameColumn + "." + std::to_string(row) + " STRING " + names[row - 1] + "\n";
        state += StatusColumn + "." + std::to_string(row) + " INTEGER " + std::to_string(status[row - 1]) + "\n";
    }
    state += "ro " + ScalarCommand + ".0 INTEGER 0\n";
    state += "ro " + ScalarOid + ".2.0 STRING \"VKA-7410\"\n";
    state += "ro " + ScalarOid + ".3.0 STRING \"S123\"\n";
    state += "ro " + ScalarOid + ".4.0 INTEGER 42\n";
    return state;
}

void PageRoad::RunPage(const KwSNMPVar* table, KwSNMPItemType type, int keys, bool listView, const PageBody& body)
{
    TConfigForm* form = new TConfigForm(Application);
    KwSNMPRequest2Edits* request = new KwSNMPRequest2Edits(form);
    request->Request.VarList = KwSNMPVarList(table, type, keys);
    if (listView)
        form->SetListViewRequest(request, 2, "Valid", 2, "Delete");
    else
        form->SetEditorRequest(request);
    QTimer::singleShot(0, QApplication::instance(), [&] {
        body(*form, *request);
        form->Close();
    });
    form->ShowModal();
    delete form;
}

void PageRoad::OnNextModal(const std::function<void(TForm& form)>& body)
{
    // The modal forms open now; the next one is the first modal form not among them.
    std::set<TForm*> open;
    for (int i = 0; i < Application->ComponentCount(); ++i)
        if (TForm* form = dynamic_cast<TForm*>(Application->Components(i)))
            if (form->Modal())
                open.insert(form);
    auto poll = std::make_shared<std::function<void()>>();
    *poll = [open, body, poll] {
        for (int i = 0; i < Application->ComponentCount(); ++i)
            if (TForm* form = dynamic_cast<TForm*>(Application->Components(i)))
                if (form->Modal() && !open.count(form)) {
                    body(*form);
                    return;
                }
        QTimer::singleShot(10, QApplication::instance(), *poll);
    };
    QTimer::singleShot(10, QApplication::instance(), *poll);
}

}  // namespace pages_test
