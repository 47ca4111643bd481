#include "rcquery/sha256_digest.h"

#include <fcntl.h>
#include <openssl/evp.h>

#include <array>
#include <cerrno>
#include <memory>

#include "base/unique_fd.h"

namespace rcv {

namespace {

constexpr std::size_t kFileBlockSize = std::size_t{64} * 1024;

struct DigestContextFree {
  void operator()(EVP_MD_CTX* context) const { EVP_MD_CTX_free(context); }
};
using DigestContext = std::unique_ptr<EVP_MD_CTX, DigestContextFree>;

std::string HexOf(std::span<const unsigned char> digest) {
  static constexpr char kDigits[] = "0123456789abcdef";
  std::string text;
  for (const unsigned char byte : digest) {
    text += kDigits[byte >> 4];
    text += kDigits[byte & 0x0F];
  }
  return text;
}

// Feeds what `next` gives until it gives an empty block or fails.
template <typename NextBlock>
std::optional<std::string> Digest(NextBlock next) {
  DigestContext context(EVP_MD_CTX_new());
  if (!context || EVP_DigestInit_ex(context.get(), EVP_sha256(), nullptr) != 1) return std::nullopt;
  for (;;) {
    const std::optional<std::string_view> block = next();
    if (!block) return std::nullopt;
    if (block->empty()) break;
    if (EVP_DigestUpdate(context.get(), block->data(), block->size()) != 1) return std::nullopt;
  }
  std::array<unsigned char, EVP_MAX_MD_SIZE> digest{};
  unsigned int size = 0;
  if (EVP_DigestFinal_ex(context.get(), digest.data(), &size) != 1) return std::nullopt;
  return HexOf(std::span(digest.data(), size));
}

}  // namespace

std::string Sha256Hex(std::string_view bytes) {
  bool given = false;
  const std::optional<std::string> digest = Digest([&]() -> std::optional<std::string_view> {
    if (given) return std::string_view();
    given = true;
    return bytes;
  });
  return digest.value_or("");
}

std::string Sha256Hex(std::span<const std::uint8_t> bytes) {
  return Sha256Hex(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

std::optional<std::string> Sha256OfFile(const std::string& path) {
  const UniqueFd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
  if (!fd.valid()) return std::nullopt;
  std::array<char, kFileBlockSize> buffer{};
  return Digest([&]() -> std::optional<std::string_view> {
    for (;;) {
      const ssize_t got = ::read(fd.get(), buffer.data(), buffer.size());
      if (got < 0 && errno == EINTR) continue;
      if (got < 0) return std::nullopt;
      return std::string_view(buffer.data(), static_cast<std::size_t>(got));
    }
  });
}

}  // namespace rcv
