// Keeping the host's error information true for the module's own exceptions: filled when one
// of the module's catch-all handlers takes an exception up, cleared when it is done; and the
// application-wide handler for exceptions that escape a message handler.
#pragma once

#include <exception>
#include <memory>

#include "base/errors.h"
#include "base/handler_hooks.h"

namespace pp::toolkit {
class TComponent;
}

namespace pp::forms {

// Fills the host's error information (message, bug report, address) for the exception being
// taken up: `foreign` for an operating-system exception, otherwise the current C++ exception.
void ReportException(const ForeignException* foreign) noexcept;

// The end of a handler: the host's error information is emptied.
void EndExceptionHandling() noexcept;

// Makes the exception object for an operating-system exception (an EExternal named after the
// code and the module it happened in). Replaceable: with none installed, or when it makes
// nothing, the report names the code itself ("Access Violation", "Error (E0001234)").
using ExceptionObjectFactory = std::unique_ptr<Exception> (*)(const ForeignException& fault);
ExceptionObjectFactory SetExceptionObjectFactory(ExceptionObjectFactory factory) noexcept;
std::unique_ptr<Exception> MakeExternalException(const ForeignException& fault);

// The application's exception handler: serious exceptions (see IsSeriousException) go to the
// host with its error information set; the others are shown in the box captioned "Error".
void ApplicationExceptionHandler(toolkit::TComponent* sender, const std::exception* error);

}  // namespace pp::forms
