#pragma once
// Synchronous requests report their own failures: the request object says only
// true or false, so a form whose design leaves the message to the library installs
// this on each of its synchronous requests. A failed read is shown once per read
// sequence (a silent device gives one message, not one per group); a failed write
// every time. The box is the library's own (ShowGetError / ShowSetError: the status
// control when the request has one, else a message box).
class KwSNMPRequest2Controls;

void ReportSyncFailures(KwSNMPRequest2Controls* request);
