#pragma once
// Scripted answers: the next one out of a queue.

#include <deque>
#include <optional>

namespace tarvin::testing {

// Takes the front answer; the caller checks that the queue is not empty.
// The answer is moved out member-wise: copying the whole optional makes
// GCC 12 report a false "may be used uninitialized" when optimising.
template <class T>
std::optional<T> TakeFront(std::deque<std::optional<T>>& queue)
{
    std::optional<T> answer;
    if (queue.front())
        answer.emplace(std::move(*queue.front()));
    queue.pop_front();
    return answer;
}

} // namespace tarvin::testing
