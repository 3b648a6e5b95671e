#pragma once

// Finds, in one pass over a text, every key of a fixed set that occurs in it (Aho-Corasick), so
// many addresses can be looked up in many texts without comparing each pair.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tarnlink {

class SubstringAutomaton {
public:
    // Keys are distinct, not empty and in lower case: the scan folds the text's ASCII capitals.
    explicit SubstringAutomaton(const std::vector<std::string>& keys);

    // Calls found(k) for key k at every place in the text where it ends.
    template <typename Found> void scan(std::string_view text, Found&& found) const
    {
        int32_t state = 0;
        for (const char c : text) {
            state = step(state, fold(c));
            for (int32_t out = out_[state]; out >= 0; out = out_[fail_[out]])
                found(key_[out]);
        }
    }

private:
    static uint8_t fold(char c) { return c >= 'A' && c <= 'Z' ? uint8_t(c - 'A' + 'a') : uint8_t(c); }
    // The child of a state for a byte; 0 when there is none.
    int32_t child(int32_t state, uint8_t byte) const
    {
        for (uint32_t e = edgeBegin_[state], end = edgeBegin_[state + 1]; e < end && edgeByte_[e] <= byte; ++e)
            if (edgeByte_[e] == byte)
                return edgeTarget_[e];
        return 0;
    }
    int32_t step(int32_t state, uint8_t byte) const
    {
        for (; state != 0; state = fail_[state])
            if (const int32_t next = child(state, byte))
                return next;
        return root_[byte];
    }

    // States are numbered in the order the sorted keys create them; 0 is the root. Each state's
    // edges are a slice of edgeByte_/edgeTarget_ in ascending byte order.
    std::array<int32_t, 256> root_{};
    std::vector<uint32_t> edgeBegin_;
    std::vector<uint8_t> edgeByte_;
    std::vector<int32_t> edgeTarget_;
    std::vector<int32_t> fail_;
    std::vector<int32_t> key_;  // the key that ends in a state, or -1
    std::vector<int32_t> out_;  // the state itself or its longest suffix state that ends a key, or -1
};

} // namespace tarnlink
