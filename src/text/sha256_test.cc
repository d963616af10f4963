// SHA-256 against published digests, on both sides of every padding boundary.
#include "text/sha256.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace haravoija {
namespace {

TEST(Sha256Test, MatchesPublishedDigests) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"", "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855"},
      {"abc", "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad"},
      {std::string(55, 'a'), "9f4390f8d30c2dd92ec9f095b65e2b9ae9b0a925a5258e241c9f1e910f734318"},
      {std::string(56, 'a'), "b35439a4ac6f0948b6d6f9e3c6af0f5f590ce20f1bde7090ef7970686ec6738a"},
      {std::string(64, 'a'), "ffe054fe7ae0cb6dc65c3af9b61d5209f439851db43d0ba5997337df154668eb"},
      {"abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq",
       "248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1"},
      {std::string(1000, 'a'), "41edece42d63e8d9bf515a9ba6932e1c20cbc9f5a5d134645adb5db1b9737ea3"},
      {"HYV\303\204\303\204P\303\204IV\303\204\303\204",
       "78ae7237de42ca8545da2db91100e0ccea4b9557a18a6ce1a0699b7304bf52ca"},
  };
  for (const auto& [bytes, digest] : cases) {
    EXPECT_EQ(sha256Hex(bytes), digest) << bytes.size() << " bytes";
  }
}

}  // namespace
}  // namespace haravoija
