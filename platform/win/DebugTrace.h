#pragma once
// The debug-trace sink: hands a finished trace line to a trace viewer when one is
// listening, otherwise drops it. The viewer is a Unix datagram socket in the abstract
// namespace named "TraceWin TRACE Window", or else "MfxTraceWindow". Each line is one
// datagram: the four bytes "twin" followed by the text (no terminating NUL).
// Sending never blocks: a viewer that is absent, gone or too slow loses the line.
#include <string>

extern const char* const TraceViewerName;        // "TraceWin TRACE Window"
extern const char* const TraceViewerAltName;     // "MfxTraceWindow"

// True when a viewer took the line.
bool SendTraceText(const std::string& text);

// Tests listen under names of their own so that they never meet a real viewer or
// each other; empty names restore the two above.
void SetTraceViewerNames(const std::string& name, const std::string& altName);
