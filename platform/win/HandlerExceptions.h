#pragma once
// Where exceptions escaping an event handler, timer or socket notification go.
// The class-library layer installs its application's handler; until then they are
// written to standard error. Nothing ever lets them reach Qt's event loop.
#include <exception>
#include <functional>

using HandlerExceptionSink = std::function<void(std::exception_ptr)>;

void SetHandlerExceptionSink(HandlerExceptionSink sink);
void ReportHandlerException(std::exception_ptr error);

// Runs `body`, reporting anything it throws.
template <class Body>
void RunGuarded(Body&& body) noexcept
{
    try {
        body();
    } catch (...) {
        ReportHandlerException(std::current_exception());
    }
}
