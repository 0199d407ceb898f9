#pragma once
// Exceptions of the runtime library. Every error the program raises derives
// from Exception and carries a fixed English message.
#include <exception>
#include <source_location>
#include <string>

class Exception : public std::exception {
 public:
  explicit Exception(std::string message) : message_(std::move(message)) {}
  const std::string& Message() const { return message_; }
  void SetMessage(std::string m) { message_ = std::move(m); }
  const char* what() const noexcept override { return message_.c_str(); }

 private:
  std::string message_;
};

// Declares a derived exception class with the same constructor.
#define CF_DECLARE_EXCEPTION(Name, Base) \
  class Name : public Base {             \
   public:                               \
    using Base::Base;                    \
  };

CF_DECLARE_EXCEPTION(EAbort, Exception)
CF_DECLARE_EXCEPTION(EConvertError, Exception)
CF_DECLARE_EXCEPTION(EListError, Exception)
CF_DECLARE_EXCEPTION(EStringListError, EListError)
CF_DECLARE_EXCEPTION(EInOutError, Exception)
CF_DECLARE_EXCEPTION(EStreamError, Exception)
CF_DECLARE_EXCEPTION(EFCreateError, EStreamError)
CF_DECLARE_EXCEPTION(EFOpenError, EStreamError)
CF_DECLARE_EXCEPTION(EReadError, EStreamError)
CF_DECLARE_EXCEPTION(EWriteError, EStreamError)
CF_DECLARE_EXCEPTION(EInvalidOperation, Exception)
CF_DECLARE_EXCEPTION(EInvalidPointer, Exception)
CF_DECLARE_EXCEPTION(EComponentError, Exception)
CF_DECLARE_EXCEPTION(EOutOfResources, Exception)
CF_DECLARE_EXCEPTION(EInvalidGraphic, Exception)
CF_DECLARE_EXCEPTION(EXmlError, Exception)
CF_DECLARE_EXCEPTION(EClassNotFound, EComponentError)
CF_DECLARE_EXCEPTION(EThread, Exception)
CF_DECLARE_EXCEPTION(EIniFileException, Exception)
CF_DECLARE_EXCEPTION(ERegistryException, Exception)
CF_DECLARE_EXCEPTION(EOSError, Exception)
CF_DECLARE_EXCEPTION(ESocketError, Exception)
CF_DECLARE_EXCEPTION(EInvalidCast, Exception)
CF_DECLARE_EXCEPTION(EAssertionFailed, Exception)

// Raises EAssertionFailed "<Message> (<file>, line <n>)" when Condition is
// false, as the platform's Assert does (checks stay on in every build).
inline void Assert(bool Condition, const std::string& Message = "Assertion failure",
                   const std::source_location Where = std::source_location::current()) {
  if (!Condition)
    throw EAssertionFailed(Message + " (" + Where.file_name() + ", line " + std::to_string(Where.line()) +
                           ")");
}
