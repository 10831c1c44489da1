#pragma once
// A KwSNMPRequest2Edits that walks a device table into its list view with rows
// numbered from 1, leaving out every row whose skip variable holds the skip value.
// The number goes on from walk to walk until the form sets RowNumber back to 1.
#include "KwSNMPRequest2Edits.h"

class New_req2Edit : public KwSNMPRequest2Edits {
public:
    explicit New_req2Edit(TComponent* owner);
    ~New_req2Edit() override;

    int RowNumber = 1;
    AnsiString SkipValue = "0";
    int SkipIndex = 1;

    void OnResponse() override;
    // One row: RowNumber in the first column, then the values of the other columns.
    virtual void AddRow();
};
