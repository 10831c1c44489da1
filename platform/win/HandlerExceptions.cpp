#include "HandlerExceptions.h"

#include <cstdio>
#include <stdexcept>

namespace {
HandlerExceptionSink& sink()
{
    static HandlerExceptionSink installed;
    return installed;
}
}

void SetHandlerExceptionSink(HandlerExceptionSink newSink) { sink() = std::move(newSink); }

void ReportHandlerException(std::exception_ptr error)
{
    if (sink()) {
        try {
            sink()(error);
            return;
        } catch (...) {
            // A failing sink must not take the loop down; fall through to stderr.
        }
    }
    try {
        std::rethrow_exception(error);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "Unhandled exception: %s\n", e.what());
    } catch (...) {
        std::fprintf(stderr, "Unhandled exception\n");
    }
}
