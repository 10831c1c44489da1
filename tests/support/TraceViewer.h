// A debug-trace viewer for tests: listens under a name of the test's own (so it never
// meets a real viewer or another test) and collects the lines the module traces.
#pragma once
#include <string>
#include <vector>

namespace vka_test {

class TraceViewer {
public:
    TraceViewer();   // listens, and points the module's trace at this viewer
    ~TraceViewer();  // the module's trace goes back to its usual viewers
    TraceViewer(const TraceViewer&) = delete;
    TraceViewer& operator=(const TraceViewer&) = delete;

    // Every line received so far (without the "twin" tag), in order.
    std::vector<std::string> Lines();

private:
    int fd_ = -1;
    std::vector<std::string> lines_;
};

} // namespace vka_test
