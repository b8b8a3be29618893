#pragma once

#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace varnok::fuzz {

// Stops the fuzzer on a broken property; libFuzzer saves the input that broke it.
inline void require(bool holds, std::string_view property) {
  if (!holds) {
    std::fprintf(stderr, "property broken: %.*s\n", static_cast<int>(property.size()),
                 property.data());
    std::abort();
  }
}

}  // namespace varnok::fuzz
