#include "substring_automaton.h"

#include <algorithm>
#include <numeric>

namespace tarnlink {

namespace {

struct Edge {
    int32_t from;
    uint8_t byte;
    int32_t to;
};

} // namespace

SubstringAutomaton::SubstringAutomaton(const std::vector<std::string>& keys)
{
    // The trie from the sorted keys: each key shares its common prefix with the one before, so
    // new states hang off the previous key's path, and every state's edges come in byte order.
    std::vector<int32_t> order(keys.size());
    std::iota(order.begin(), order.end(), 0);
    std::sort(order.begin(), order.end(), [&](int32_t a, int32_t b) { return keys[a] < keys[b]; });

    std::vector<Edge> edges;
    key_.push_back(-1);
    std::vector<int32_t> path{0};
    std::string_view previous;
    for (const int32_t k : order) {
        const std::string_view text = keys[k];
        const size_t common = std::mismatch(text.begin(), text.end(), previous.begin(), previous.end()).first - text.begin();
        path.resize(common + 1);
        for (size_t depth = common; depth < text.size(); ++depth) {
            const int32_t state = int32_t(key_.size());
            key_.push_back(-1);
            edges.push_back({path.back(), uint8_t(text[depth]), state});
            path.push_back(state);
        }
        key_[path.back()] = k;
        previous = text;
    }

    const size_t states = key_.size();
    edgeBegin_.assign(states + 1, 0);
    for (const Edge& e : edges)
        ++edgeBegin_[e.from + 1];
    std::partial_sum(edgeBegin_.begin(), edgeBegin_.end(), edgeBegin_.begin());
    edgeByte_.resize(edges.size());
    edgeTarget_.resize(edges.size());
    std::vector<uint32_t> fill(edgeBegin_.begin(), edgeBegin_.end() - 1);
    for (const Edge& e : edges) {
        const uint32_t slot = fill[e.from]++;
        edgeByte_[slot] = e.byte;
        edgeTarget_[slot] = e.to;
    }

    // Failure links breadth first, so a state's failure target, being shallower, is done before it.
    fail_.assign(states, 0);
    out_.assign(states, -1);
    std::vector<int32_t> queue;
    queue.reserve(states);
    for (uint32_t e = edgeBegin_[0]; e < edgeBegin_[1]; ++e) {
        const int32_t state = edgeTarget_[e];
        root_[edgeByte_[e]] = state;
        out_[state] = key_[state] >= 0 ? state : -1;
        queue.push_back(state);
    }
    for (size_t head = 0; head < queue.size(); ++head) {
        const int32_t parent = queue[head];
        for (uint32_t e = edgeBegin_[parent]; e < edgeBegin_[parent + 1]; ++e) {
            const int32_t state = edgeTarget_[e];
            fail_[state] = step(fail_[parent], edgeByte_[e]);
            out_[state] = key_[state] >= 0 ? state : out_[fail_[state]];
            queue.push_back(state);
        }
    }
}

} // namespace tarnlink
