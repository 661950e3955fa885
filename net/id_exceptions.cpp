// Message building of the socket layer's exceptions. Any thread.
#include "net/id_exceptions.h"

#include <windows.h>

std::string SystemErrorText(uint32_t code) {
  char* buffer = nullptr;
  DWORD length = FormatMessageA(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
      code, 0, reinterpret_cast<char*>(&buffer), 0, nullptr);
  std::string text;
  if (length && buffer) text.assign(buffer, length);
  if (buffer) LocalFree(buffer);
  while (!text.empty() && (text.back() == '\r' || text.back() == '\n' || text.back() == ' ')) text.pop_back();
  return text;
}

EIdWS2StubError::EIdWS2StubError(const std::string& title, uint32_t win32Error)
    : EIdWS2StubError(title, win32Error, win32Error ? SystemErrorText(win32Error) : std::string()) {}

EIdWS2StubError::EIdWS2StubError(const std::string& title, uint32_t win32Error, std::string systemText)
    : EIdException(win32Error ? title + ": " + systemText : title),
      title_(title),
      win32Error_(win32Error),
      win32ErrorMessage_(std::move(systemText)) {}
