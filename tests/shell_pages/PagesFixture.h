#pragma once
// A generic configuration page against devsim: a small test table (index, name, status
// with the options Empty, Valid and Delete; three rows, row 2 free) and a scalar group
// of one writable and three read-only variables, next to the device's system group.
#include "GUIConfigForm.h"
#include "FormTestRoad.h"
#include "KwOptionList.h"
#include "KwSNMPRequest2Edits.h"
#include "SNMPListViewPanel.h"

#include <functional>
#include <memory>

namespace pages_test {

inline const std::string TableOid = "1.3.6.1.4.1.32473.10.37.99.1.1";
inline const std::string ScalarOid = "1.3.6.1.4.1.32473.10.37.99.2";

extern KwSNMPVar TestTable[];
extern KwSNMPVar OneWritable[];

class PageRoad : public vka_test::FormRoad {
protected:
    std::string StateText() const override;

    // A page of `table`, shown modally while `body` runs; the page is deleted after.
    using PageBody = std::function<void(TConfigForm& form, KwSNMPRequest2Edits& request)>;
    void RunEditorPage(const KwSNMPVar* table, KwSNMPItemType type, const PageBody& body)
    {
        RunPage(table, type, 0, false, body);
    }
    void RunTablePage(const PageBody& body) { RunPage(TestTable, MVT_UMV, 1, true, body); }
    // Runs `body` on the next modal window that opens (a row editor, the bit editor).
    static void OnNextModal(const std::function<void(TForm& form)>& body);

private:
    void RunPage(const KwSNMPVar* table, KwSNMPItemType type, int keys, bool listView, const PageBody& body);
};

// The control of a page's component with this name.
template <class T>
T* Named(TComponent* root, const char* name)
{
    for (int i = 0; i < root->ComponentCount(); ++i) {
        TComponent* c = root->Components(i);
        if (c->Name() == name)
            return dynamic_cast<T*>(c);
        if (T* found = Named<T>(c, name))
            return found;
    }
    return nullptr;
}

// The page's panel of this kind.
template <class Panel>
Panel* PanelOf(TConfigForm& form)
{
    for (int i = 0; i < form.ComponentCount(); ++i)
        if (auto* panel = dynamic_cast<Panel*>(form.Components(i)))
            return panel;
    return nullptr;
}
inline TSNMPListViewPanel* ListPanelOf(TConfigForm& form) { return PanelOf<TSNMPListViewPanel>(form); }
inline TSNMPEditorPanel* EditorPanelOf(TConfigForm& form) { return PanelOf<TSNMPEditorPanel>(form); }

}  // namespace pages_test
