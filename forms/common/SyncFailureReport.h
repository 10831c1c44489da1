#pragma once
// Failures of a synchronous request reported by the request itself: the filled status
// template in its status control when it has one, otherwise a message box titled with
// the program's name. A read failure in a read sequence (a form's creation or refresh)
// gives one message box per sequence, not one per request. Successes say nothing: the
// form writes its own result texts. Asynchronous requests report through their done
// handlers instead.
//
// The report is made from the request's OnResult, at the moment of the failure, so that
// every Get and Set of the form (and the re-read after a table's set) is covered without
// a call after each. Forms that report a failure themselves, after the call, read
// request->Request.LastFailure instead (TSettingsForm::ReadGroupOrReport).
class KwSNMPRequest2Controls;

void ReportSyncFailures(KwSNMPRequest2Controls* request);
