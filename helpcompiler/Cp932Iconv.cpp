// Utf8ToCp932 on POSIX hosts: iconv's CP932 table agrees with Windows (and Wine) byte for byte.
#include "Cp932Text.h"

#include <iconv.h>

#include <cerrno>
#include <memory>

namespace helpc {
namespace {

struct IconvCloser {
  void operator()(void* handle) const { iconv_close(static_cast<iconv_t>(handle)); }
};

}  // namespace

Cp932Conversion Utf8ToCp932(std::string_view utf8) {
  Cp932Conversion result;
  const iconv_t raw = iconv_open("CP932", "UTF-8");
  if (raw == reinterpret_cast<iconv_t>(-1)) {
    result.failedAt = 0;
    return result;
  }
  std::unique_ptr<void, IconvCloser> handle(raw);
  // A code-page-932 character never takes more bytes than its UTF-8 form.
  std::string output(utf8.size(), '\0');
  char* in = const_cast<char*>(utf8.data());
  std::size_t inLeft = utf8.size();
  char* out = output.data();
  std::size_t outLeft = output.size();
  if (iconv(raw, &in, &inLeft, &out, &outLeft) == static_cast<std::size_t>(-1)) {
    result.failedAt = utf8.size() - inLeft;
    return result;
  }
  output.resize(output.size() - outLeft);
  result.bytes = std::move(output);
  return result;
}

}  // namespace helpc
